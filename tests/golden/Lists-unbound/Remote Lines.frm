VERSION 5.00
Begin VB.Form Remote_Lines
   BorderStyle = 2
   Caption ="Remote Lines"
   ClientHeight = 900
   ClientLeft = 250
   ClientTop = 500
   ClientWidth = 3000
   Height = 900
   Left = 250
   LinkTopic = "Remote_Lines"
   MaxButton = True
   MinButton = True
   ShowInTaskbar = 0
   Top = 500
   Width = 3000
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
   Begin VB.Data datRemote_Lines
      Caption = "datRemote_Lines"
      Connect = "Access"
      DatabaseName = "Lists.mdb"
      Exclusive = 0
      Height = 300
      Left = 0
      Options = 0
      ReadOnly = 0
      RecordsetType = 1
      RecordSource = "qryRemoteLines"
      Top = 0
      Width = 2700
      Visible = True
   End
   Begin VB.TextBox txtRemoteQty
      DataSource ="datRemote_Lines"
      DataField ="Quantity"
      BorderStyle=1
      Alignment =0
      Height = 285
      Left = 1200
      Top = 100
      Width = 800
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
   Begin VB.TextBox txtRemotePrice
      DataSource ="datRemote_Lines"
      DataField ="Price"
      BorderStyle=1
      Alignment =0
      Height = 285
      Left = 1200
      Top = 500
      Width = 1000
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
End
DIM OpenArgsF as string
Private Sub datRemote_Lines_Reposition()
End Sub
Function InitialDataCtlCaptions()
    On Error Resume Next
    datRemote_Lines.Recordset.movenext
    datRemote_Lines.Recordset.moveFirst
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
    datRemote_Lines.DatabaseName = db.Name
End Function
