VERSION 5.00
Begin VB.Form Customers
   BorderStyle = 2
   Caption ="Customers"
   ClientHeight = 4000
   ClientLeft = 250
   ClientTop = 500
   ClientWidth = 7000
   Height = 4000
   Left = 250
   LinkTopic = "Customers"
   MaxButton = True
   MinButton = True
   ShowInTaskbar = 0
   Top = 500
   Width = 7000
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
   Begin VB.Data datCustomers
      Caption = "datCustomers"
      Connect = "Access"
      DatabaseName = "Bound.mdb"
      Exclusive = 0
      Height = 300
      Left = 0
      Options = 0
      ReadOnly = 0
      RecordsetType = 1
      RecordSource = "Customers"
      Top = 0
      Width = 2700
      Visible = True
   End
   Begin VB.Label lblCustomer
      BackColor= &HFFFFFF&
      BackStyle=0
      BorderStyle=0
      Caption="lblCustomer"
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
      Top = 100
      Width = 1200
   End
   Begin VB.Data datCustomer_Orders
      Caption = "datCustomer_Orders"
      Connect = "Access"
      DatabaseName = "Bound.mdb"
      Exclusive = 0
      Height = 300
      Left = 500
      Options = 0
      ReadOnly = 0
      RecordsetType = 1
      Top = 1000
      Width = 2700
      Visible = True
   End
   Begin VB.Label lblOrdersHeader
      BackColor= &HFFFFFF&
      BackStyle=0
      BorderStyle=0
      Caption="lblOrdersHeader"
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
      Left = 550
      Top = 1020
      Width = 1200
   End
   Begin VB.Label lblOrderDate
      BackColor= &HFFFFFF&
      BackStyle=0
      BorderStyle=0
      Caption="lblOrderDate"
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
      Left = 600
      Top = 1600
      Width = 1200
   End
   Begin VB.Line linUnder
      BorderColor =  &H0&
      X1 =600
      X2 =2600
      Y1 =1900
      Y2 =1900
   End
   Begin VB.Data datOrder_Lines
      Caption = "datOrder_Lines"
      Connect = "Access"
      DatabaseName = "Bound.mdb"
      Exclusive = 0
      Height = 300
      Left = 700
      Options = 0
      ReadOnly = 0
      RecordsetType = 1
      Top = 2000
      Width = 2700
      Visible = True
   End
   Begin VB.Label lblQuantity
      BackColor= &HFFFFFF&
      BackStyle=0
      BorderStyle=0
      Caption="lblQuantity"
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
      Left = 800
      Top = 2100
      Width = 1200
   End
End
DIM OpenArgsF as string
Private Sub datCustomers_Reposition()
    datOrder_Lines.RecordSource="Select * from [Order Details] Where [Order Details].[OrderID]=" & SqlValue(datCustomer_Orders.Recordset.Fields("OrderID").Value)
    datOrder_Lines.refresh
    If Not (datOrder_Lines.Recordset.BOF And datOrder_Lines.Recordset.EOF) Then datOrder_Lines.Recordset.MoveLast: datOrder_Lines.Recordset.MoveFirst
    datCustomer_Orders.RecordSource="Select * from [qrydatCustomers1] Where [qrydatCustomers1].[CustomerID]=" & SqlValue(datCustomers.Recordset.Fields("CustomerID").Value)
    datCustomer_Orders.refresh
    If Not (datCustomer_Orders.Recordset.BOF And datCustomer_Orders.Recordset.EOF) Then datCustomer_Orders.Recordset.MoveLast: datCustomer_Orders.Recordset.MoveFirst
End Sub
Private Sub datCustomer_Orders_Reposition()
End Sub
Private Sub datOrder_Lines_Reposition()
End Sub
Function InitialDataCtlCaptions()
    On Error Resume Next
    datCustomers.Recordset.movenext
    datCustomers.Recordset.moveFirst
    datCustomer_Orders.Recordset.movenext
    datCustomer_Orders.Recordset.moveFirst
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
    datCustomers.DatabaseName = db.Name
    datCustomer_Orders.DatabaseName = db.Name
    datOrder_Lines.DatabaseName = db.Name
End Function
