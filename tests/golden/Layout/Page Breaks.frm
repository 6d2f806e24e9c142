VERSION 5.00
Begin VB.Form Page_Breaks
   BorderStyle = 2
   Caption ="Three pages"
   ClientHeight = 3920
   ClientLeft = 250
   ClientTop = 500
   ClientWidth = 8000
   Height = 3920
   Left = 250
   LinkTopic = "Page_Breaks"
   MaxButton = True
   MinButton = True
   ShowInTaskbar = 0
   Top = 500
   Width = 8000
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
   Begin TabDlg.SSTab SSTab1
      Height = 3520
      Left = 0
      TabIndex = 0
      Top = 0
      Width = 8000
      _ExtentX =14108
      _ExtentY = 6207.52
      _Version = 327681
      Tabs = 3
      TabHeight = 520
      TabCaption(0) = "Tab 0"
      TabPicture(0)  = "Page Breaks.frx":0000
      Tab(0).ControlEnabled =-1
      TabCaption(1) = "Tab 1"
      TabPicture(1)  = "Page Breaks.frx":001C
      Tab(1).ControlEnabled =0
      TabCaption(2) = "Tab 2"
      TabPicture(2)  = "Page Breaks.frx":0038
      Tab(2).ControlEnabled =0
      Tab(0).Control(0)="lblPage0"
      Tab(0).Control(1)="lblAtBreak"
      Tab(1).Control(0)="lblPage1"
      Tab(1).Control(1)="linPage1"
      Tab(2).Control(0)="lblPage2"
      Tab(2).Control(1)="rctPage2"
      Tab(0).ControlCount= 2
      Tab(1).ControlCount= 2
      Tab(2).ControlCount= 2
      Begin VB.Label lblPage0
         BackColor= &HFFFFFF&
         BackStyle=0
         BorderStyle=0
         Caption="lblPage0"
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
         Left = 200
         Top = 1020
         Width = 1200
      End
      Begin VB.Label lblAtBreak
         BackColor= &HFFFFFF&
         BackStyle=0
         BorderStyle=0
         Caption="lblAtBreak"
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
         Left = 200
         Top = 3520
         Width = 1200
      End
      Begin VB.Label lblPage1
         BackColor= &HFFFFFF&
         BackStyle=0
         BorderStyle=0
         Caption="lblPage1"
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
         Left = -74800
         Top = 1520
         Width = 1200
      End
      Begin VB.Line linPage1
         BorderColor =  &H0&
         X1 =-74900
         X2 =-72900
         Y1 =2020
         Y2 =2020
      End
      Begin VB.Label lblPage2
         BackColor= &HFFFFFF&
         BackStyle=0
         BorderStyle=0
         Caption="lblPage2"
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
         Left = -74800
         Top = 1020
         Width = 1200
      End
      Begin VB.Shape rctPage2
         Height = 1000
         Left = -74900
         Top = 920
         Width = 3000
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
      Index = 2
      Top = 3520
      Width = 8000
      BorderStyle = 0
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
         Top = 50
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
