VERSION 4.00
Begin VB.Form Tree
   BorderStyle = 2
   Caption ="Tree"
   ClientHeight = 2500
   ClientLeft = 250
   ClientTop = 500
   ClientWidth = 4000
   Height = 2500
   Left = 250
   LinkTopic = "Tree"
   MaxButton = True
   MinButton = True
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
   Begin VB.Data datTree
      Caption = "datTree"
      Connect = "Access"
      DatabaseName = "Controls.mdb"
      Exclusive = 0
      Height = 300
      Left = 0
      Options = 0
      ReadOnly = 0
      RecordsetType = 1
      RecordSource = "Items"
      Top = 0
      Width = 1215
      Visible = False
   End
   Begin ComctlLib.TreeView ctlTree
      Height = 2000
      Left = 100
      TabIndex = 0
      Top = 100
      Width = 3000
      Visible = True
      HelpContextID = 0
   End
End
DIM OpenArgsF as string

Private Sub datTree_Reposition()
    gvarReturn =Show
End sub
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
    datTree.DatabaseName = db.Name
End Function
