VERSION 5.00
Object="{0BA686C6-F7D3-101A-993E-0000C0EF6F5E}#1.0#0"; "THREED32.OCX"
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
      ToolTipText ="About Sales"
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
   Begin VB.CommandButton cmdOrders
      Caption = "&Orders"
      BeginProperty Font
         Name = "MS Sans Serif"
         charset = 0
         weight = 400
         Size = 8
         underline = 0
         italic = 0
         strikethrough = 0
      EndProperty
      Height = 420
      Left = 720
      TabIndex = 0
      Top = 1920
      Width = 2520
      HelpContextID = 0
      ToolTipText ="Enter and edit orders"
   End
   Begin VB.CommandButton cmdCustomers
      Caption = "&Customers"
      BeginProperty Font
         Name = "MS Sans Serif"
         charset = 0
         weight = 400
         Size = 8
         underline = 0
         italic = 0
         strikethrough = 0
      EndProperty
      Height = 420
      Left = 720
      TabIndex = 1
      Top = 2460
      Width = 2520
      HelpContextID = 0
      ToolTipText ="Customer addresses and credit"
   End
   Begin VB.CommandButton cmdProducts
      Caption = "&Products"
      BeginProperty Font
         Name = "MS Sans Serif"
         charset = 0
         weight = 400
         Size = 8
         underline = 0
         italic = 0
         strikethrough = 0
      EndProperty
      Height = 420
      Left = 720
      TabIndex = 2
      Top = 3000
      Width = 2520
      HelpContextID = 0
   End
   Begin VB.CommandButton cmdEmployees
      Caption = "&Employees"
      BeginProperty Font
         Name = "MS Sans Serif"
         charset = 0
         weight = 400
         Size = 8
         underline = 0
         italic = 0
         strikethrough = 0
      EndProperty
      Height = 420
      Left = 720
      TabIndex = 3
      Top = 3540
      Width = 2520
      HelpContextID = 0
   End
   Begin VB.CommandButton cmdInvoices
      Caption = "Find &Invoice..."
      BeginProperty Font
         Name = "MS Sans Serif"
         charset = 0
         weight = 400
         Size = 8
         underline = 0
         italic = 0
         strikethrough = 0
      EndProperty
      Height = 420
      Left = 3960
      TabIndex = 4
      Top = 1920
      Width = 2520
      HelpContextID = 0
   End
   Begin VB.CommandButton cmdReports
      Caption = "&Reports..."
      BeginProperty Font
         Name = "MS Sans Serif"
         charset = 0
         weight = 400
         Size = 8
         underline = 0
         italic = 0
         strikethrough = 0
      EndProperty
      Height = 420
      Left = 3960
      TabIndex = 5
      Top = 2460
      Width = 2520
      HelpContextID = 0
      ToolTipText ="Print or preview reports"
   End
   Begin Threed.SSCommand cmdMailingList
      _Version = 65536
      _StockProps = 78
      ForeColor= &H80&
      Caption = "Update &Mailing List"
      _ExtentX = 4444.02
      _ExtentY = 740.67
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
      Height = 420
      Left = 3960
      TabIndex = 6
      Top = 3000
      Width = 2520
      HelpContextID = 0
   End
   Begin VB.CommandButton cmdHelp
      Caption = "&Help"
      BeginProperty Font
         Name = "MS Sans Serif"
         charset = 0
         weight = 400
         Size = 8
         underline = 0
         italic = 0
         strikethrough = 0
      EndProperty
      Tag = "C:\Sales\Bitmaps\help.bmp"
      Style = 1
      Height = 420
      Left = 3960
      TabIndex = 7
      Top = 3540
      Width = 2520
      HelpContextID = 0
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
   Begin VB.CommandButton cmdExit
      Caption = "E&xit"
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
      Style = 1
      Height = 660
      Left = 6240
      TabIndex = 8
      Top = 4440
      Width = 720
      HelpContextID = 0
      ToolTipText ="Close the switchboard and quit Sales"
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
   Begin VB.Menu File
      Caption = "File"
      Begin VB.Menu File_1
         Caption = "Orders"
         Index = 0
         Enabled = True
         visible = True
      End
      Begin VB.Menu File_1
         Caption = "Customers"
         Index = 1
         Enabled = True
         visible = True
      End
      Begin VB.Menu File_1
         Caption = "Products"
         Index = 2
         Enabled = True
         visible = True
      End
      Begin VB.Menu File_1
         Caption = "Employees"
         Index = 3
         Enabled = True
         visible = True
      End
      Begin VB.Menu File_1
         Caption = "Orders/Invoices..."
         Index = 4
         Enabled = True
         visible = True
      End
      Begin VB.Menu File_1
         Caption = "Reports"
         Index = 5
         Enabled = True
         visible = True
         Begin VB.Menu Reports_2
            Caption = "Report Options..."
            Index = 0
            Enabled = True
            visible = True
         End
         Begin VB.Menu Reports_2
            Caption = "Sales Reports"
            Index = 1
            Enabled = True
            visible = True
            Begin VB.Menu Sales_Reports_3
               Caption = "Invoice for Current Order"
               Enabled = True
               visible = True
               Index = 0
            End
            Begin VB.Menu Sales_Reports_3
               Caption = "Sales by Category"
               Enabled = True
               visible = True
               Index = 1
            End
         End
      End
      Begin VB.Menu File_1
         Caption = "Exit"
         Index = 6
         Enabled = True
         visible = True
      End
   End
   Begin VB.Menu Records
      Caption = "Records"
      Begin VB.Menu Records_1
         Caption = "New Order"
         Index = 0
         Enabled = True
         visible = True
      End
      Begin VB.Menu Records_1
         Caption = "Requery Line Items"
         Index = 1
         Enabled = True
         visible = True
      End
      Begin VB.Menu Records_1
         Caption = "Standard Shipping"
         Index = 2
         Enabled = True
         visible = True
      End
      Begin VB.Menu Records_1
         Caption = "Raise Prices 5%"
         Index = 3
         Enabled = False
         visible = True
      End
      Begin VB.Menu Records_1
         Caption = "Check Stock..."
         Index = 4
         Enabled = True
         visible = True
      End
      Begin VB.Menu Records_1
         Caption = "Update Mailing List"
         Index = 5
         Enabled = True
         visible = False
      End
   End
   Begin VB.Menu Help
      Caption = "Help"
      Begin VB.Menu Help_1
         Caption = "About Sales..."
         Index = 0
         Enabled = True
         visible = True
      End
   End
End
DIM OpenArgsF as string
'VLRN Option Compare Database
Option Explicit

' Main Switchboard: the start form of the Sales application.
' The clock below the company name is refreshed once a minute by the form timer.

Private Sub Form_Open(Cancel As Integer)
    ' Greet the user and show who is signed in
    'VLRN Me.Caption = "Sales - Main Switchboard (" & CurrentUser() & ")"
    'VLRN Me!lblStatus.Caption = "Signed in as " & CurrentUser()
    Me!lblClock.Caption = Format(Now, "dddd, mmmm d, yyyy  hh:nn")
End Sub

Private Sub Form_Timer()
    Me!lblClock.Caption = Format(Now, "dddd, mmmm d, yyyy  hh:nn")
End Sub

Private Sub Form_Click()
    Dim varReturn as variant
    varReturn =ShowAbout
    ' A click on the background refreshes the clock at once
    Me!lblClock.Caption = Format(Now, "dddd, mmmm d, yyyy  hh:nn")
End Sub

Private Sub Form_Unload(Cancel As Integer)
    If MsgBox("Quit the Sales application?", vbQuestion + vbYesNo, APP_TITLE) = vbNo Then
        Cancel = True
    End If
    Call Form_Close
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
    Unload Main_Switchboard	'VLRN DoCmd.Close acForm, Me.Name
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
    cmdHelp.picture =loadpicture(app.path & "\bitmaps\help.bmp")
    cmdExit.picture =loadpicture(app.path & "\bitmaps\(bitmap)")
End Function

Private Sub imgLogo_Click()
    Dim varReturn as variant
    varReturn =ShowAbout
End Sub

Private Sub cmdOrders_Click()
    Dim varReturn as variant
    varReturn =OpenOrders
End Sub

Private Sub cmdCustomers_Click()
    Call mcrNavigation_OpenCustomers
End Sub

Private Sub cmdEmployees_Click()
    Call mcrNavigation_OpenEmployees
End Sub

Private Sub cmdMailingList_Click()
    Dim varReturn as variant
    varReturn =UpdateMailingList
End Sub

Private Sub Form_Initialize()
    Call Form_Open(0)
End Sub

Private Sub Timer1_Timer()
    Call Form_Timer
End Sub
Private Sub File_1_Click(Index as Integer)
    Select Case Index
        Case 0	'Orders
            OpenOrders
        Case 1	'Customers
            mcrNavigation_OpenCustomers
        Case 2	'Products
            mcrNavigation_OpenProducts
        Case 3	'Employees
            mcrNavigation_OpenEmployees
        Case 4	'Orders/Invoices...
            OpenInvoiceFinder
        Case 6	'Exit
            ExitApplication
    End Select
End Sub
Private Sub Records_1_Click(Index as Integer)
    Select Case Index
        Case 0	'New Order
            mcrNavigation_OpenOrders
        Case 1	'Requery Line Items
            mcrOrders_RequeryDetails
        Case 2	'Standard Shipping
            UseStandardShipping
        Case 3	'Raise Prices 5%
            mcrPriceUpdate
        Case 4	'Check Stock...
            ReorderCheck
        Case 5	'Update Mailing List
            UpdateMailingList
    End Select
End Sub
Private Sub Help_1_Click(Index as Integer)
    Select Case Index
        Case 0	'About Sales...
            ShowAbout
    End Select
End Sub
Private Sub Reports_2_Click(Index as Integer)
    Select Case Index
        Case 0	'Report Options...
            OpenReportOptions
    End Select
End Sub
Private Sub Sales_Reports_3_Click(Index as Integer)
    Select Case Index
        Case 0	'Invoice for Current Order
            PrintCurrentInvoice
        Case 1	'Sales by Category

    End Select
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
    Me.Move (Screen.Width - Me.Width) / 2, (Screen.Height - Me.Height) / 2
End Sub
