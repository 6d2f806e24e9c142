VERSION 5.00
Begin VB.Form Order_Lines
   BorderStyle = 2
   Caption ="Order Lines"
   ClientHeight = 2100
   ClientLeft = 250
   ClientTop = 500
   ClientWidth = 4000
   Height = 2100
   Left = 250
   LinkTopic = "Order_Lines"
   MaxButton = True
   MinButton = True
   ShowInTaskbar = 0
   Top = 500
   Width = 4000
   BackColor= &HC0C0C0&
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
   HelpContextID=0
   Begin VB.Data datOrder_Lines
      Caption = "datOrder_Lines"
      Connect = "Access"
      DatabaseName = "Lists.mdb"
      Exclusive = 0
      Height = 300
      Left = 0
      Options = 0
      ReadOnly = 0
      RecordsetType = 1
      RecordSource = "Order Lines"
      Top = 0
      Width = 2700
      Visible = True
   End
   Begin VB.TextBox txtQuantity
      DataSource ="datOrder_Lines"
      DataField ="Quantity"
      BorderStyle=1
      Alignment =0
      Height = 285
      Left = 1200
      Top = 800
      Width = 800
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
   Begin VB.Label lblQuantity
      BackColor= &HFFFFFF&
      BackStyle=0
      BorderStyle=0
      Caption="Qty"
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
      Left = 100
      Top = 800
      Width = 900
   End
   Begin VB.TextBox txtProduct
      DataSource ="datOrder_Lines"
      DataField ="ProductID"
      BorderStyle=1
      Alignment =0
      Height = 285
      Left = 1200
      Top = 400
      Width = 2000
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
   Begin VB.Label lblProduct
      BackColor= &HFFFFFF&
      BackStyle=0
      BorderStyle=0
      Caption="Product"
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
      Left = 100
      Top = 400
      Width = 900
   End
   Begin VB.TextBox txtOrderID
      DataSource ="datOrder_Lines"
      DataField ="OrderID"
      BorderStyle=1
      Alignment =0
      Height = 285
      Left = 1200
      Top = 1200
      Width = 0
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
   Begin VB.TextBox txtPrice
      DataSource ="datOrder_Lines"
      DataField ="Price"
      BorderStyle=1
      Alignment =0
      Height = 285
      Left = 1200
      Top = 1600
      Width = 1000
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
   Begin VB.Label lblPrice
      BackColor= &HFFFFFF&
      BackStyle=0
      BorderStyle=0
      Caption="Price"
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
      Left = 100
      Top = 1600
      Width = 900
   End
   Begin VB.Frame Section
      Caption =  ""
      BackColor= &HC0C0C0&
      Height = 300
      Left = 0
      Index = 1
      Top = 0
      Width = 4000
      BorderStyle = 0
      Begin VB.Label lblHead
         BackColor= &HFFFFFF&
         BackStyle=0
         BorderStyle=0
         Caption="Lines"
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
         Left = 50
         Top = 20
         Width = 900
      End
   End
End
DIM OpenArgsF as string
Private Sub datOrder_Lines_Reposition()
End Sub
Function InitialDataCtlCaptions()
    On Error Resume Next
    datOrder_Lines.Recordset.movenext
    datOrder_Lines.Recordset.moveFirst
End Function
Property Let OpenArgs(strOpenArgs as string)
    OpenArgsF=strOpenArgs
End Property

Property Get OpenArgs() as string
    OpenArgs=OpenArgsF
End Property
Private Sub Form_Load()
    Dim vReturnValue as variant
    vReturnValue=InitialValues()
    vReturnValue=InitialDataCtlCaptions()
End Sub
Private Sub Form_Activate()
    Dim vReturnValue as variant
    vReturnValue=InitialDataCtlCaptions()
End Sub
Function InitialValues()
    datOrder_Lines.DatabaseName = db.Name
End Function
