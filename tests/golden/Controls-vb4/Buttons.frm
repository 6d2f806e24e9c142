VERSION 4.00
Begin VB.Form Buttons
   BorderStyle = 2
   Caption ="Buttons"
   ClientHeight = 2200
   ClientLeft = 250
   ClientTop = 500
   ClientWidth = 5000
   Height = 2200
   Left = 250
   LinkTopic = "Buttons"
   MaxButton = True
   MinButton = True
   Top = 500
   Width = 5000
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
   Begin Threed.SSCommand cmdRed
      _Version = 65536
      _StockProps = 78
      ForeColor= &HFF&
      Caption = "Red button"
      _ExtentX = 2645.25
      _ExtentY = 705.4
      BeginProperty Font {0BE35203-8F91-11CE-9DE3-00AA004BB851}
         Name = "MS Sans Serif"
         charset = 0
         weight = 400
         Size = 8
         underline = 0
         italic = 0
         strikethrough = 0
      EndProperty
      AutoSize = 0
      Height = 400
      Left = 100
      TabIndex = 0
      Top = 100
      Width = 1500
      HelpContextID = 0
   End
   Begin VB.CommandButton cmdOK
      Caption = "OK"
      BeginProperty Font
         Name = "MS Sans Serif"
         charset = 0
         weight = 400
         Size = 8
         underline = 0
         italic = 0
         strikethrough = 0
      EndProperty
      Height = 400
      Left = 1700
      TabIndex = 1
      Top = 100
      Width = 1000
      HelpContextID = 0
      Default = -1
      Cancel = -1
   End
   Begin VB.CommandButton cmdLogo
      Caption = ""
      BeginProperty Font
         Name = "MS Sans Serif"
         charset = 0
         weight = 400
         Size = 8
         underline = 0
         italic = 0
         strikethrough = 0
      EndProperty
      Tag = "(bitmap)"
      Height = 600
      Left = 100
      TabIndex = 2
      Top = 600
      Width = 600
      HelpContextID = 0
   End
   Begin VB.CommandButton cmdOpen
      Caption = ""
      BeginProperty Font
         Name = "MS Sans Serif"
         charset = 0
         weight = 400
         Size = 8
         underline = 0
         italic = 0
         strikethrough = 0
      EndProperty
      Tag = "C:\Art\open.bmp"
      Height = 600
      Left = 800
      TabIndex = 3
      Top = 600
      Width = 600
      HelpContextID = 0
   End
   Begin Threed.SSCommand cmdNext
      _Version = 65536
      _StockProps = 78
      ForeColor= &H800000&
      Caption = ""
      _ExtentX = 688
      _ExtentY = 529
      BeginProperty Font {0BE35203-8F91-11CE-9DE3-00AA004BB851}
         Name = "MS Sans Serif"
         charset = 0
         weight = 400
         Size = 8
         underline = 0
         italic = 0
         strikethrough = 0
      EndProperty
      AutoSize = 0
      Height = 600
      Left = 1500
      TabIndex = 4
      Top = 600
      Width = 600
      HelpContextID = 0
   End
   Begin Threed.SSCommand cmdPrint
      _Version = 65536
      _StockProps = 78
      ForeColor= &HFF&
      Tag = "(bitmap)"
      _ExtentX =794
      _ExtentY =794
      BeginProperty Font {0BE35203-8F91-11CE-9DE3-00AA004BB851}
         Name = "MS Sans Serif"
         charset = 0
         weight = 400
         Size = 8
         underline = 0
         italic = 0
         strikethrough = 0
      EndProperty
      AutoSize = 0
      Height = 600
      Left = 2200
      TabIndex = 5
      Top = 600
      Width = 600
      HelpContextID = 0
   End
   Begin VB.CommandButton cmdTagged
      Caption = "Tagged"
      BeginProperty Font
         Name = "MS Sans Serif"
         charset = 0
         weight = 400
         Size = 8
         underline = 0
         italic = 0
         strikethrough = 0
      EndProperty
      Tag ="keep"
      Height = 400
      Left = 2900
      TabIndex = 6
      Top = 600
      Width = 1000
      HelpContextID = 0
      Visible = 0
      Enabled = 0
      TabStop = 0
   End
   Begin ComctlLib.ProgressBar ctlProgress
      Height = 300
      Left = 100
      TabIndex = 7
      Top = 1300
      Width = 3000
      Visible = True
      HelpContextID = 0
   End
End
DIM OpenArgsF as string
'VLRN Option Compare Database
Private Sub cmdRed_Click()
    Beep
    'VLRN Call Show_Details
End Sub
Private Sub cmdTagged_Click()
End Sub
Private Sub Form_Click()
End Sub
Function InitializeButtons()
    On Error Resume Next
    cmdLogo.picture =loadpicture(app.path & "\bitmaps\(bitmap)")
    cmdOpen.picture =loadpicture(app.path & "\bitmaps\open.bmp")
    cmdPrint.picture =loadpicture(app.path & "\bitmaps\(bitmap)")
End Function

Private Sub cmdOK_GotFocus()
    Dim varReturn as variant
    gvarReturn =Entering
End Sub

Private Sub cmdOK_LostFocus()
    'VLRN Call cmdOK_Exit(0)
End Sub
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
