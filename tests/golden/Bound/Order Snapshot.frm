VERSION 5.00
Begin VB.Form Order_Snapshot
   BorderStyle = 2
   Caption ="Snapshot"
   ClientHeight = 1000
   ClientLeft = 250
   ClientTop = 500
   ClientWidth = 4000
   Height = 1000
   Left = 250
   LinkTopic = "Order_Snapshot"
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
   Begin VB.Data datOrder_Snapshot
      Caption = "datOrder_Snapshot"
      Connect = "Access"
      DatabaseName = "Bound.mdb"
      Exclusive = 0
      Height = 300
      Left = 0
      Options = 0
      ReadOnly = 1
      RecordsetType = 2
      RecordSource = "Orders"
      Top = 0
      Width = 2700
      Visible = True
   End
   Begin VB.Label lblSnap
      BackColor= &HFFFFFF&
      BackStyle=0
      BorderStyle=0
      Caption="lblSnap"
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
End
DIM OpenArgsF as string
Private Sub datOrder_Snapshot_Reposition()
End Sub
Function InitialDataCtlCaptions()
    On Error Resume Next
    datOrder_Snapshot.Recordset.movenext
    datOrder_Snapshot.Recordset.moveFirst
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
    datOrder_Snapshot.DatabaseName = db.Name
End Function
