VERSION 5.00
Object="{BDC217C8-ED16-11CD-956C-0000C04E4C0A}#1.0#0"; "TABCTL32.OCX"
Begin VB.Form Tabbed
   BorderStyle = 2
   Caption ="Tabbed"
   ClientHeight = 4900
   ClientLeft = 250
   ClientTop = 500
   ClientWidth = 6000
   Height = 4900
   Left = 250
   LinkTopic = "Tabbed"
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
   Begin TabDlg.SSTab tabMain
      Height = 3600
      Left = 200
      Top = 900
      Width = 5400
      _ExtentX =10581
      _ExtentY = 6348.6
      _Version = 262144
      Tabs = 3
      TabHeight = 520
      HelpContextID = 0
      TabIndex = 0
      ToolTipText ="Pages"
      TabCaption(0) = "General"
      TabPicture(0)  = "Tabbed.frx":0000
      TabCaption(1) = "pg1"
      TabPicture(1)  = "Tabbed.frx":001C
      TabCaption(2) = "Notes"
      TabPicture(2)  = "Tabbed.frx":0038
      Tab(0).ControlEnabled =0
      Tab(1).ControlEnabled =-1
      Tab(2).ControlEnabled =0
      Tab(0).Control(0)="lblOnPage0"
      Tab(1).Control(0)="lblOnPage1"
      Tab(1).Control(1)="linOnPage1"
      Tab(1).Control(2)="imgOnPage1"
      Tab(2).Control(0)="lblOnPage2"
      Tab(0).ControlCount= 1
      Tab(1).ControlCount= 3
      Tab(2).ControlCount= 1
      Begin VB.Label lblOnPage0
         BackColor= &HFFFFFF&
         BackStyle=0
         BorderStyle=0
         Caption="lblOnPage0"
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
         Top = 400
         Width = 1200
      End
      Begin VB.Label lblOnPage1
         BackColor= &HFFFFFF&
         BackStyle=0
         BorderStyle=0
         Caption="lblOnPage1"
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
         Top = 600
         Width = 1200
      End
      Begin VB.Line linOnPage1
         BorderColor =  &H0&
         X1 =-74800
         X2 =-72800
         Y1 =1000
         Y2 =1000
      End
      Begin VB.PictureBox imgOnPage1
         BeginProperty Font
            charset = 0
            underline = 0
            italic = 0
            strikethrough = 0
         EndProperty
         Height = 600
         Left = -74800
         ScaleHeight = 6180
         ScaleWidth = 7410
         Top = 1300
         Width = 800
      End
      Begin VB.Label lblOnPage2
         BackColor= &HFFFFFF&
         BackStyle=0
         BorderStyle=0
         Caption="lblOnPage2"
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
         Top = 800
         Width = 1200
      End
   End
   Begin VB.Label lblAbove
      BackColor= &HFFFFFF&
      BackStyle=0
      BorderStyle=0
      Caption="lblAbove"
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
      Top = 500
      Width = 1200
   End
   Begin VB.Frame Section
      Caption =  ""
      BackColor= &HC0C0C0&
      Height = 400
      Left = 0
      Index = 1
      Top = 0
      Width = 6000
      BorderStyle = 0
      Begin VB.Label lblTabbedHeader
         BackColor= &HFFFFFF&
         BackStyle=0
         BorderStyle=0
         Caption="lblTabbedHeader"
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
Function InitializeButtons()
    On Error Resume Next
    imgOnPage1.picture =loadpicture(app.path & "\bitmaps\tab.bmp")
End Function
Property Let OpenArgs(strOpenArgs as string)
    OpenArgsF=strOpenArgs
End Property

Property Get OpenArgs() as string
    OpenArgs=OpenArgsF
End Property
Private Sub Form_Load()
    Dim vReturnValue as variant
    vReturnValue=InitializeButtons()
End Sub
