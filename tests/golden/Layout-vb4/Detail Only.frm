VERSION 4.00
Begin VB.Form Detail_Only
   BorderStyle = 3
   Caption ="Only a detail"
   ClientHeight = 3000
   ClientLeft = 250
   ClientTop = 500
   ClientWidth = 6000
   Height = 3000
   Left = 250
   LinkTopic = "Detail_Only"
   MaxButton = True
   MinButton = False
   Top = 500
   Width = 6000
   BackColor= &HFFFFFF&
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
   HelpContextID=12
   Begin VB.Label lblTitle
      BackColor= &HFFFFFF&
      BorderStyle=1
      Caption="Two lines"
      ForeColor= &HFF&
      BeginProperty Font
         Name = "MS Sans Serif"
         charset = 0
         weight = 700
         Size = 12
         underline = 0
         italic = 0
         strikethrough = 0
      EndProperty
      Alignment =2
      Height = 300
      Left = 120
      Top = 120
      Width = 3000
      Tag ="t1"
   End
   Begin VB.Label Label_With_A_Name_Far_Longer_Than_Forty_
      BackColor= &HFFFFFF&
      BackStyle=0
      BorderStyle=0
      Caption="Long name"
      ForeColor= &H0&
      BeginProperty Font
         Name = "MS Sans Serif"
         charset = 0
         weight = 400
         Size = 8
         underline = -1
         italic = -1
         strikethrough = 0
      EndProperty
      Alignment =0
      Height = 240
      Left = 120
      Top = 600
      Width = 3000
      Visible = 0
   End
   Begin VB.Line linRule
      BorderColor =  &H808080&
      BorderWidth = 2
      X1 =120
      X2 =5120
      Y1 =1000
      Y2 =1000
   End
   Begin VB.Line linSide
      BorderColor =  &H0&
      X1 =5500
      X2 =5500
      Y1 =120
      Y2 =2120
   End
   Begin VB.PictureBox imgLogo
      BeginProperty Font
         charset = 0
         underline = 0
         italic = 0
         strikethrough = 0
      EndProperty
      Height = 800
      Left = 3500
      ScaleHeight = 6180
      ScaleWidth = 7410
      Top = 1200
      Width = 1000
   End
   Begin VB.Shape rctFrame
      Height = 2800
      Left = 60
      Top = 60
      Width = 5800
      FillColor = &HFFFFFF&
      FillStyle = 1
      BorderStyle = 1
      BorderColor = &HC0C0C0&
   End
   Begin VB.Shape rctFill
      Height = 500
      Left = 300
      Top = 1500
      Width = 1000
      FillColor = &HFF00&
      FillStyle = 0
      BorderStyle = 0
      BorderColor = &H0&
   End
   Begin VB.Timer Timer1
      Left = 0
      Top = 0
      Interval = 500
   End
End
DIM OpenArgsF as string
'VLRN Option Compare Database
Private Sub Form_Timer()
End Sub
Private Sub imgLogo_Click()
End Sub
Function InitializeButtons()
    On Error Resume Next
    imgLogo.picture =loadpicture(app.path & "\bitmaps\logo.bmp")
End Function

Private Sub lblTitle_Click()
    Dim varReturn as variant
    varReturn =ShowTitle
    'VLRN Call mcrTitle
End Sub

Private Sub imgLogo_MouseUp(Button As Integer, Shift As Integer, X As Single, Y As Single)
    Dim varReturn as variant
    varReturn =Up
End Sub

Private Sub Timer1_Timer()
    Call Form_Timer
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
