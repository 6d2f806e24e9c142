VERSION 5.00
Begin VB.Form Plain
   BorderStyle = 2
   Caption ="Plain"
   ClientHeight = 900
   ClientLeft = 250
   ClientTop = 500
   ClientWidth = 3000
   Height = 900
   Left = 250
   LinkTopic = "Plain"
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
   Begin VB.Label lblPlain
      BackColor= &HFFFFFF&
      BackStyle=0
      BorderStyle=0
      Caption="Plain"
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
      Width = 900
   End
End
DIM OpenArgsF as string
Property Let OpenArgs(strOpenArgs as string)
    OpenArgsF=strOpenArgs
End Property

Property Get OpenArgs() as string
    OpenArgs=OpenArgsF
End Property
