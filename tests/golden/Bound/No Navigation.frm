VERSION 5.00
Begin VB.Form No_Navigation
   BorderStyle = 2
   Caption ="No navigation"
   ClientHeight = 1000
   ClientLeft = 250
   ClientTop = 500
   ClientWidth = 4000
   Height = 1000
   Left = 250
   LinkTopic = "No_Navigation"
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
   Begin VB.Data datNo_Navigation
      Caption = "datNo_Navigation"
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
      Width = 1215
      Visible = False
   End
   Begin VB.Label lblNoNav
      BackColor= &HFFFFFF&
      BackStyle=0
      BorderStyle=0
      Caption="lblNoNav"
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
    datNo_Navigation.DatabaseName = db.Name
End Function
