VERSION 5.00
Begin VB.Form Order_EntryA
   BorderStyle = 2
   Caption ="Order_Entry"
   ClientHeight = 1000
   ClientLeft = 250
   ClientTop = 500
   ClientWidth = 3000
   Height = 1000
   Left = 250
   LinkTopic = "Order_EntryA"
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
   Begin VB.Label lblOther
      BackColor= &HFFFFFF&
      BackStyle=0
      BorderStyle=0
      Caption="lblOther"
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
