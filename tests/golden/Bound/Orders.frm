VERSION 5.00
Begin VB.Form Orders
   BorderStyle = 2
   Caption ="Orders ""all"""
   ClientHeight = 3000
   ClientLeft = 250
   ClientTop = 500
   ClientWidth = 6000
   Height = 3000
   Left = 250
   LinkTopic = "Orders"
   MaxButton = True
   MinButton = True
   ShowInTaskbar = 0
   Top = 500
   Width = 6000
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
   Begin VB.Data datOrders
      Caption = "datOrders"
      Connect = "Access"
      DatabaseName = "Bound.mdb"
      Exclusive = 0
      Height = 300
      Left = 0
      Options = 0
      ReadOnly = 0
      RecordsetType = 1
      RecordSource = "SELECT * FROM Orders WHERE Note <> ""x"" ORDER BY OrderID"
      Top = 0
      Width = 2700
      Visible = True
   End
   Begin VB.Label lblOrder
      BackColor= &HFFFFFF&
      BackStyle=0
      BorderStyle=0
      Caption="lblOrder"
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
   Begin VB.Data datOrder_Lines
      Caption = "datOrder_Lines"
      Connect = "Access"
      DatabaseName = "Bound.mdb"
      Exclusive = 0
      Height = 300
      Left = 300
      Options = 0
      ReadOnly = 0
      RecordsetType = 1
      Top = 800
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
      Left = 400
      Top = 900
      Width = 1200
   End
End
DIM OpenArgsF as string
Private Sub datOrders_Reposition()
    datOrder_Lines.RecordSource="Select * from [Order Details] Where [Order Details].[OrderID]=" & SqlValue(datOrders.Recordset.Fields("OrderID").Value)
    datOrder_Lines.refresh
    If Not (datOrder_Lines.Recordset.BOF And datOrder_Lines.Recordset.EOF) Then datOrder_Lines.Recordset.MoveLast: datOrder_Lines.Recordset.MoveFirst
End Sub
Private Sub datOrder_Lines_Reposition()
End Sub
Function InitialDataCtlCaptions()
    On Error Resume Next
    datOrders.Recordset.movenext
    datOrders.Recordset.moveFirst
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
    datOrders.DatabaseName = db.Name
    datOrder_Lines.DatabaseName = db.Name
End Function
