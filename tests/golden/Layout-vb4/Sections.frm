VERSION 4.00
Begin VB.Form Sections
   BorderStyle = 2
   Caption ="Sections"
   ClientHeight = 3800
   ClientLeft = 250
   ClientTop = 500
   ClientWidth = 7000
   Height = 3800
   Left = 250
   LinkTopic = "Sections"
   MaxButton = True
   MinButton = True
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
   Begin VB.Label lblDetail
      BackColor= &HFFFFFF&
      BackStyle=0
      BorderStyle=0
      Caption="lblDetail"
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
      Top = 1500
      Width = 1200
   End
   Begin VB.Shape rctDetail
      Height = 1800
      Left = 50
      Top = 1050
      Width = 3000
      FillColor = &HFFFFFF&
      FillStyle = 1
      BorderStyle = 1
      BorderColor = &H0&
   End
   Begin VB.Frame Section
      Caption =  ""
      BackColor= &HC0C0C0&
      Height = 600
      Left = 0
      Index = 1
      Tag ="head"
      Top = 0
      Width = 7000
      BorderStyle = 0
      Begin VB.Label lblHeader
         BackColor= &HFFFFFF&
         BackStyle=0
         BorderStyle=0
         Caption="lblHeader"
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
         Height = 300
         Left = 100
         Top = 100
         Width = 2000
      End
   End
   Begin VB.Frame Section
      Caption =  ""
      BackColor= &HC0C0C0&
      Height = 500
      Left = 0
      Index = 2
      Top = 3300
      Width = 7000
      BorderStyle = 0
      Visible = 0
      Begin VB.Label lblFooter
         BackColor= &HFFFFFF&
         BackStyle=0
         BorderStyle=0
         Caption="lblFooter"
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
      Begin VB.Shape rctFooter
         Height = 200
         Left = 10
         Top = 10
         Width = 200
         FillColor = &HFFFFFF&
         FillStyle = 1
         BorderStyle = 1
         BorderColor = &H0&
      End
   End
   Begin VB.Frame Section
      Caption =  ""
      BackColor= &HC0C0C0&
      Height = 400
      Left = 0
      Index = 3
      Top = 600
      Width = 7000
      BorderStyle = 0
      Visible = 0
      Begin VB.Label lblPageHeader
         BackColor= &HFFFFFF&
         BackStyle=0
         BorderStyle=0
         Caption="lblPageHeader"
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
         Top = 50
         Width = 1200
      End
   End
   Begin VB.Frame Section
      Caption =  ""
      BackColor= &HC0C0C0&
      Height = 300
      Left = 0
      Index = 4
      Top = 3000
      Width = 7000
      BorderStyle = 0
      Visible = 0
      Begin VB.Label lblPageFooter
         BackColor= &HFFFFFF&
         BackStyle=0
         BorderStyle=0
         Caption="lblPageFooter"
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
         Top = 20
         Width = 1200
      End
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
    Me.Move (Screen.Width - Me.Width) / 2, (Screen.Height - Me.Height) / 2
End Sub
