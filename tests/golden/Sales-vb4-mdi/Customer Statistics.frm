VERSION 4.00
Begin VB.Form Customer_Statistics
   BorderStyle = 0
   Caption ="Customer Statistics"
   ClientHeight = 1200
   ClientLeft = 250
   ClientTop = 500
   ClientWidth = 8400
   Height = 1200
   Left = 250
   LinkTopic = "Customer_Statistics"
   MaxButton = True
   MinButton = True
   Top = 500
   Width = 8400
   BackColor= &H8000000F&
   ControlBox=True
   BeginProperty Font
      Name = "Arial"
      charset = 0
      weight = 400
      Size = 8
      underline = 0
      italic = 0
      strikethrough = 0
   EndProperty
   ForeColor=&H00000000&
   MDIChild = -1
   HelpContextID=0
   Begin VB.Data datCustomer_Statistics
      Caption = "datCustomer_Statistics"
      Connect = "Access"
      DatabaseName = "Sales.mdb"
      Exclusive = 0
      Height = 300
      Left = 0
      Options = 0
      ReadOnly = 0
      RecordsetType = 1
      RecordSource = "qryCustomerTotals"
      Top = 0
      Width = 1215
      Visible = False
   End
   Begin VB.TextBox txtOrderCount
      DataSource ="datCustomer_Statistics"
      DataField ="OrderCount"
      BorderStyle=1
      Alignment =0
      Height = 285
      Left = 1320
      Top = 60
      Width = 900
      Text = ""
      Locked =0
      HelpContextID = 0
      TabIndex =0
      BackColor= &HFFFFFF&
      ForeColor= &H0&
      BeginProperty Font
         Name = "MS Sans Serif"
         charset = 0
         weight = 400
         Size = 8
         underline = 0
         italic = 0
         strikethrough = 0
      EndProperty
      ScrollBars = 0
   End
   Begin VB.Label lblOrderCount
      BackColor= &HFFFFFF&
      BackStyle=0
      BorderStyle=0
      Caption="Orders:"
      ForeColor= &H0&
      BeginProperty Font
         Name = "MS Sans Serif"
         charset = 0
         weight = 400
         Size = 8
         underline = 0
         italic = 0
         strikethrough = 0
      EndProperty
      Alignment =0
      Height = 240
      Left = 120
      Top = 60
      Width = 1140
   End
   Begin VB.TextBox txtTotalSales
      DataSource ="datCustomer_Statistics"
      DataField ="TotalSales"
      BorderStyle=1
      Alignment =0
      Height = 285
      Left = 1320
      Top = 420
      Width = 1440
      Text = ""
      Locked =0
      HelpContextID = 0
      TabIndex =1
      BackColor= &HFFFFFF&
      ForeColor= &H0&
      BeginProperty Font
         Name = "MS Sans Serif"
         charset = 0
         weight = 400
         Size = 8
         underline = 0
         italic = 0
         strikethrough = 0
      EndProperty
      ScrollBars = 0
   End
   Begin VB.Label lblTotalSales
      BackColor= &HFFFFFF&
      BackStyle=0
      BorderStyle=0
      Caption="Total sales:"
      ForeColor= &H0&
      BeginProperty Font
         Name = "MS Sans Serif"
         charset = 0
         weight = 400
         Size = 8
         underline = 0
         italic = 0
         strikethrough = 0
      EndProperty
      Alignment =0
      Height = 240
      Left = 120
      Top = 420
      Width = 1140
   End
   Begin VB.TextBox txtAverageOrder
      BorderStyle=1
      Alignment =0
      Height = 285
      Left = 4200
      Top = 60
      Width = 1440
      Text = ""
      Locked =0
      HelpContextID = 0
      TabIndex =2
      BackColor= &HFFFFFF&
      ForeColor= &H0&
      BeginProperty Font
         Name = "MS Sans Serif"
         charset = 0
         weight = 400
         Size = 8
         underline = 0
         italic = 0
         strikethrough = 0
      EndProperty
      ScrollBars = 0
   End
   Begin VB.Label lblAverageOrder
      BackColor= &HFFFFFF&
      BackStyle=0
      BorderStyle=0
      Caption="Average order:"
      ForeColor= &H0&
      BeginProperty Font
         Name = "MS Sans Serif"
         charset = 0
         weight = 400
         Size = 8
         underline = 0
         italic = 0
         strikethrough = 0
      EndProperty
      Alignment =0
      Height = 240
      Left = 2880
      Top = 60
      Width = 1260
   End
   Begin VB.TextBox txtCreditLimit
      DataSource ="datCustomer_Statistics"
      DataField ="CreditLimit"
      BorderStyle=1
      Alignment =0
      Height = 285
      Left = 4200
      Top = 420
      Width = 1440
      Text = ""
      Locked =0
      HelpContextID = 0
      TabIndex =3
      BackColor= &HFFFFFF&
      ForeColor= &H0&
      BeginProperty Font
         Name = "MS Sans Serif"
         charset = 0
         weight = 400
         Size = 8
         underline = 0
         italic = 0
         strikethrough = 0
      EndProperty
      ScrollBars = 0
   End
   Begin VB.Label lblCreditLimit
      BackColor= &HFFFFFF&
      BackStyle=0
      BorderStyle=0
      Caption="Credit limit:"
      ForeColor= &H0&
      BeginProperty Font
         Name = "MS Sans Serif"
         charset = 0
         weight = 400
         Size = 8
         underline = 0
         italic = 0
         strikethrough = 0
      EndProperty
      Alignment =0
      Height = 240
      Left = 2880
      Top = 420
      Width = 1260
   End
   Begin VB.Label lblCreditUsage
      BackColor= &HFFFFFF&
      BackStyle=0
      BorderStyle=0
      Caption="Credit used:"
      ForeColor= &H0&
      BeginProperty Font
         Name = "MS Sans Serif"
         charset = 0
         weight = 400
         Size = 8
         underline = 0
         italic = 0
         strikethrough = 0
      EndProperty
      Alignment =0
      Height = 240
      Left = 2880
      Top = 780
      Width = 1260
   End
   Begin ComctlLib.ProgressBar ocxCreditUsage
      Height = 300
      Left = 4200
      TabIndex = 4
      Top = 780
      Width = 3960
      Visible = True
      HelpContextID = 0
   End
End
DIM OpenArgsF as string
'VLRN Option Compare Database
Option Explicit

' Order statistics of the customer shown on the Customers form.

Private Sub Form_Current()
    Dim dblUsed As Double

    ' How much of the credit limit the orders use, in percent
    If Nz(Me!CreditLimit, 0) > 0 Then
        dblUsed = Nz(Me!TotalSales, 0) / Me!CreditLimit * 100
        If dblUsed > 100 Then dblUsed = 100
    Else
        dblUsed = 0
    End If
    Me!ocxCreditUsage.Value = dblUsed
End Sub
Private Sub datCustomer_Statistics_Reposition()
    txtAverageOrder.text =IIf(datCustomer_Statistics.Recordset.Fields("OrderCount")>0,datCustomer_Statistics.Recordset.Fields("TotalSales")/datCustomer_Statistics.Recordset.Fields("OrderCount"),0)
    Call Form_Current
End Sub
Property Let OpenArgs(strOpenArgs as string)
    OpenArgsF=strOpenArgs
End Property

Property Get OpenArgs() as string
    OpenArgs=OpenArgsF
End Property
Private Sub Form_Load()
    Dim vReturnValue as variant
    vReturnValue=InitialValues()
End Sub
Function InitialValues()
    datCustomer_Statistics.DatabaseName = db.Name
End Function
