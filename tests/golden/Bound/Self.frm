VERSION 5.00
Begin VB.Form Self
   BorderStyle = 2
   Caption ="Embeds itself"
   ClientHeight = 2000
   ClientLeft = 250
   ClientTop = 500
   ClientWidth = 4000
   Height = 2000
   Left = 250
   LinkTopic = "Self"
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
End
DIM OpenArgsF as string
Property Let OpenArgs(strOpenArgs as string)
    OpenArgsF=strOpenArgs
End Property

Property Get OpenArgs() as string
    OpenArgs=OpenArgsF
End Property
