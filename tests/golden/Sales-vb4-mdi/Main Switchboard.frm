VERSION 4.00
Begin VB.Form Main_Switchboard
   BorderStyle = 1
   Caption ="Sales - Main Switchboard"
   ClientHeight = 5520
   ClientLeft = 250
   ClientTop = 500
   ClientWidth = 7200
   Height = 5520
   Left = 250
   LinkTopic = "Main_Switchboard"
   MaxButton = False
   MinButton = True
   ShowInTaskbar = 0
   Top = 500
   Width = 7200
   BackColor= &H8000000F&
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
   MDIChild = -1
   HelpContextID=1000
   Begin VB.PictureBox imgLogo
      BeginProperty Font
         charset = 0
         underline = 0
         italic = 0
         strikethrough = 0
      EndProperty
      Height = 1080
      Left = 240
      ScaleHeight = 6180
      ScaleWidth = 7410
      TabStop = 0
      Top = 240
      Width = 1080
   End
   Begin VB.Label lblTitle
      BackColor= &HFFFFFF&
      BackStyle=0
      BorderStyle=0
      Caption="Sales Order Management"
      ForeColor= &H0&
      BeginProperty Font
         Name = "MS Sans Serif"
         charset = 0
         weight = 700
         Size = 18
         underline = 0
         italic = 0
         strikethrough = 0
      EndProperty
      Alignment =0
      Height = 480
      Left = 1560
      Top = 240
      Width = 5400
   End
   Begin VB.Label lblCompany
      BackColor= &HFFFFFF&
      BackStyle=0
      BorderStyle=0
      Caption="Northwind Café Supplies"
      ForeColor= &H0&
      BeginProperty Font
         Name = "MS Sans Serif"
         charset = 0
         weight = 400
         Size = 10
         underline = 0
         italic = 0
         strikethrough = 0
      EndProperty
      Alignment =0
      Height = 300
      Left = 1560
      Top = 780
      Width = 5400
   End
   Begin VB.Label lblClock
      BackColor= &HFFFFFF&
      BackStyle=0
      BorderStyle=0
      Caption="(clock)"
      ForeColor= &H800000&
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
      Left = 1560
      Top = 1140
      Width = 5400
   End
   Begin VB.Line linTop
      BorderColor =  &H0&
      BorderWidth = 2
      X1 =240
      X2 =6960
      Y1 =1560
      Y2 =1560
   End
   Begin VB.Label lblStatus
      BackColor= &HFFFFFF&
      BackStyle=0
      BorderStyle=0
      Caption="Ready"
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
      Left = 240
      Top = 4500
      Width = 5280
   End
   Begin VB.Label lblVersion
      BackColor= &HFFFFFF&
      BackStyle=0
      BorderStyle=0
      Caption="Version 2.1"
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
      Left = 240
      Top = 4860
      Width = 2400
   End
   Begin VB.Shape rctButtons
      Height = 2520
      Left = 480
      Top = 1740
      Width = 6240
      FillColor = &HFFFFFF&
      FillStyle = 1
      BorderStyle = 1
      BorderColor = &H0&
   End
   Begin VB.Timer Timer1
      Left = 0
      Top = 0
      Interval = 60000
   End
End
DIM OpenArgsF as string
'VLRN Option Compare Database
Option Explicit

' Main Switchboard: the start form of the Sales application.
' The clock below the company name is refreshed once a minute by the form timer.

Private Sub Form_Open(Cancel As Integer)
    ' Greet the user and show who is signed in
    'VLRN Me.Caption = "Sales - Main Switchboard (" & CurrentUser & ")"
    'VLRN Me!lblStatus.Caption = "Signed in as " & CurrentUser
    Me!lblClock.Caption = Format(Now, "dddd, mmmm d, yyyy  hh:nn")
End Sub

Private Sub Form_Timer()
    Me!lblClock.Caption = Format(Now, "dddd, mmmm d, yyyy  hh:nn")
End Sub

Private Sub Form_Click()
    ' A click on the background refreshes the clock at once
    Me!lblClock.Caption = Format(Now, "dddd, mmmm d, yyyy  hh:nn")
End Sub

Private Sub Form_Unload(Cancel As Integer)
    If MsgBox("Quit the Sales application?", vbQuestion + vbYesNo, APP_TITLE) = vbNo Then
        Cancel = True
    End If
End Sub

Private Sub Form_Close()
    ' Closing the switchboard ends the application
    End
End Sub

Private Sub cmdProducts_Click()
    Products.Show	'VLRN DoCmd.OpenForm "Products"
End Sub

Private Sub cmdInvoices_Click()
    Orders_Invoices.Show	'VLRN DoCmd.OpenForm "Orders/Invoices"
End Sub

Private Sub cmdReports_Click()
    Report_Options.Show vbModal 	'VLRN DoCmd.OpenForm "Report Options", , , , , acDialog
End Sub

Private Sub cmdHelp_Click()
    ' Each form has its own help topic (HelpContextId)
    MsgBox "Press F1 on any form to read about it.", vbInformation, APP_TITLE
End Sub

Private Sub cmdExit_Click()
    Unload GetFormFromName(Main)	'VLRN DoCmd.Close acForm, Me.Name
End Sub

Private Sub lblVersion_MouseDown(Button As Integer, Shift As Integer, X As Single, Y As Single)
    ' Shift + right click shows the database window for maintenance work
    If Button = acRightButton And (Shift And acShiftMask) <> 0 Then
        'VLRN DoCmd.SelectObject acForm, Me.Name, True
    End If
End Sub
Function InitializeButtons()
    On Error Resume Next
    imgLogo.picture =loadpicture(app.path & "\bitmaps\nwlogo.bmp")
End Function

Private Sub imgLogo_Click()
    Dim varReturn as variant
    varReturn =ShowAbout
End Sub
Property Let OpenArgs(strOpenArgs as string)
    OpenArgsF=strOpenArgs
End Property

Property Get OpenArgs as string
    OpenArgs=OpenArgsF
End Property
Private Sub Form_Load()
    Dim vReturnValue as variant
    vReturnValue=InitializeButtons()
    Me.Move (Screen.Width - Me.Width) / 2, (Screen.Height - Me.Height) / 2
End Sub
