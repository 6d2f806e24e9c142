VERSION 5.00
Object="{8D650141-6025-11D1-BC40-0000C042AEC0}#3.0#0"; "SSDW3B32.OCX"
Object="{8E27C92E-1264-101C-8A2F-040224009C02}#7.0#0"; "MSCAL.OCX"
Begin VB.Form Report_Options
   BorderStyle = 3
   Caption ="Print Reports"
   ClientHeight = 4200
   ClientLeft = 250
   ClientTop = 500
   ClientWidth = 7560
   Height = 4200
   Left = 250
   LinkTopic = "Report_Options"
   MaxButton = False
   MinButton = False
   ShowInTaskbar = 0
   Top = 500
   Width = 7560
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
   HelpContextID=5000
   Begin VB.Label lblInstructions
      BackColor= &HFFFFFF&
      BackStyle=0
      BorderStyle=0
      Caption="Choose a report, the range of shipping dates and where the report goes."
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
      Left = 120
      Top = 120
      Width = 7320
   End
   Begin SSDataWidgets_B.SSDBCombo cboReport
      DataFieldList="Column 0"
      Height = 285
      Left = 1200
      TabIndex =0
      Top = 480
      Width = 3000
      HelpContextID = 0
      _Version = 131078
      DataMode=2
      Cols=2
      Rows=8
      AllowInput=0
      BeginProperty HeadFont {0BE35203-8F91-11CE-9DE3-00AA004BB851}
         Name = "Arial"
         charset = 0
         weight = 400
         Size = 8
         underline = 0
         italic = 0
         strikethrough = 0
      EndProperty
      GroupHeaders = 0
      ColumnHeaders = 0
      FieldSeparator = "~"
      DividerType = 1
      RowHeight= 400
      ForeColorEven = 0
      BackColorOdd = 16777215
      Columns.count = 2
      Columns(0).Width = 0
      Columns(0).Visible = 0
      Columns(0).Caption = "col0"
      Columns(0).Name = "col0"
      Columns(0).DataField = "Column 0"
      Columns(0).DataType = 8
      Columns(0).FieldLen = 4096
      Columns(1).Width = 3000
      Columns(1).Caption = "col1"
      Columns(1).Name = "col1"
      Columns(1).DataField = "Column 1"
      Columns(1).DataType = 8
      Columns(1).FieldLen = 4096
      _ExtentX = 5290.5
      _ExtentY=502.5975
      _StockProps     =   93
      BackColor= &HFFFFFF&
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
   End
   Begin VB.Label lblReport
      BackColor= &HFFFFFF&
      BackStyle=0
      BorderStyle=0
      Caption="Report:"
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
      Left = 120
      Top = 480
      Width = 1020
   End
   Begin VB.Label lblStartDate
      BackColor= &HFFFFFF&
      BackStyle=0
      BorderStyle=0
      Caption="From (shipped on or after):"
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
      Left = 120
      Top = 900
      Width = 2400
   End
   Begin MSACAL.Calendar calStartDate
      Height = 1980
      Left = 120
      TabIndex = 1
      Top = 1200
      Width = 2520
      Visible = True
      HelpContextID = 0
   End
   Begin VB.Label lblEndDate
      BackColor= &HFFFFFF&
      BackStyle=0
      BorderStyle=0
      Caption="To (shipped on or before):"
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
      Left = 2760
      Top = 900
      Width = 2400
   End
   Begin MSACAL.Calendar calEndDate
      Height = 1980
      Left = 2760
      TabIndex = 2
      Top = 1200
      Width = 2520
      Visible = True
      HelpContextID = 0
   End
   Begin SSDataWidgets_B.SSDBGrid lstQuarter
      Height = 1980
      Left = 5400
      TabIndex =3
      Top = 1200
      Width = 2040
      HelpContextID = 0
      _Version = 131072
      DataMode=2
      BeginProperty HeadFont {0BE35203-8F91-11CE-9DE3-00AA004BB851}
         Name = "Arial"
         charset = 0
         weight = 400
         Size = 8
         underline = 0
         italic = 0
         strikethrough = 0
      EndProperty
      RecordSelectors = 0
      GroupHeaders = 0
      ColumnHeaders = 0
      FieldSeparator = "~"
      DividerType = 1
      RowSelectionStyle = 1
      SelectTypeRow = 1
      AllowUpdate = 0
      SelectByCell = -1
      MaxSelectedRows = 1
      ForeColorEven = 0
      BackColorOdd = 16777215
      RowHeight = 450
      Columns.count = 2
      Columns(0).Width = 0
      Columns(0).Visible = 0
      Columns(0).Caption = "col0"
      Columns(0).Name = "col0"
      Columns(0).DataField = "Column 0"
      Columns(0).DataType = 8
      Columns(0).FieldLen = 4096
      Columns(1).Width = 2040
      Columns(1).Caption = "col1"
      Columns(1).Name = "col1"
      Columns(1).DataField = "Column 1"
      Columns(1).DataType = 8
      Columns(1).FieldLen = 4096
      _ExtentX = 3597.54
      _ExtentY = 3491.73
      _StockProps = 79
      BeginProperty Font
         Name = "MS Sans Serif"
         charset = 0
         weight = 400
         Size = 8
         underline = 0
         italic = 0
         strikethrough = 0
      EndProperty
      TabStop =True
      BackColor= &HFFFFFF&
      ForeColor= &H0&
      Tag="Jet  "
   End
   Begin VB.Label lblQuarter
      BackColor= &HFFFFFF&
      BackStyle=0
      BorderStyle=0
      Caption="Quick range:"
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
      Left = 5400
      Top = 900
      Width = 2040
   End
   Begin VB.Frame grpgrpOutput
      Caption =  "Send to"
      BackColor= &HFFFFFF&
      ForeColor= &H0&
      Height = 750
      Left = 120
      TabIndex = 4
      HelpContextID = 0
      Top = 3270
      Width = 4440
      Begin VB.OptionButton grpOutput
         Height = 210
         Left = 290
         Index = 1
         TabIndex = 94
         Top = 330
         Caption =  "Preview"
         Width = 1170
         BackColor= &HFFFFFF&
         ForeColor= &H0&
      End
      Begin VB.OptionButton grpOutput
         Height = 210
         Left = 1610
         Index = 2
         TabIndex = 94
         Top = 330
         Caption =  "Printer"
         Width = 1170
         BackColor= &HFFFFFF&
         ForeColor= &H0&
      End
      Begin VB.OptionButton grpOutput
         Height = 210
         Left = 2930
         Index = 3
         TabIndex = 94
         Top = 330
         Caption =  "Excel file"
         Width = 1470
         BackColor= &HFFFFFF&
         ForeColor= &H0&
      End
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
      Height = 360
      Left = 5040
      TabIndex = 5
      Top = 3480
      Width = 1080
      HelpContextID = 0
      Default = -1
   End
   Begin VB.CommandButton cmdCancel
      Caption = "Cancel"
      BeginProperty Font
         Name = "MS Sans Serif"
         charset = 0
         weight = 400
         Size = 8
         underline = 0
         italic = 0
         strikethrough = 0
      EndProperty
      Height = 360
      Left = 6360
      TabIndex = 6
      Top = 3480
      Width = 1080
      HelpContextID = 0
      Cancel = -1
   End
End
DIM OpenArgsF as string
'VLRN Option Compare Database
Option Explicit

' Report Options: picks the report, the range of shipping dates and the output.

Private Sub Form_Load()
    Dim vReturnValue as variant
    vReturnValue=InitializeListBoxes()
    vReturnValue=InitializeComboBoxes()
    Me.Move (Screen.Width - Me.Width) / 2, (Screen.Height - Me.Height) / 2
    Me!calStartDate.Value = DateSerial(Year(Date), 1, 1)
    Me!calEndDate.Value = Date
    Me.grpOutput(1).Value = True
    Me!cboReport = 1
End Sub

Private Sub lstQuarter_AfterUpdate(RtnDispErrMsg As Integer)
    Dim intQuarter As Integer

    intQuarter = Me!lstQuarter
    Me!calStartDate.Value = DateSerial(Year(Date), (intQuarter - 1) * 3 + 1, 1)
    Me!calEndDate.Value = DateSerial(Year(Date), intQuarter * 3 + 1, 0)
End Sub

Private Sub cmdOK_Click()
    Dim strReport As String
    Dim strWhere As String

    If Me!calEndDate.Value < Me!calStartDate.Value Then
        MsgBox "The end date lies before the start date.", vbExclamation, "Print Reports"
        Exit Sub
    End If

    If Me!cboReport = 1 Then
        strReport = "Sales by Category"
    Else
        strReport = "Invoice"
    End If
    strWhere = "[ShippedDate] Between #" & Format(Me!calStartDate.Value, "mm/dd/yyyy") & "# And #" & Format(Me!calEndDate.Value, "mm/dd/yyyy") & "#"

    'VLRN Application.Echo False
    Select Case grpOutput(OptionGroupValue(Me.grpOutput)).Index
        Case 1      ' preview
            'VLRN DoCmd.OpenReport strReport, acViewPreview, , strWhere
            Reports(strReport).Caption = strReport & " (" & Format(Me!calStartDate.Value, "Short Date") & " - " & Format(Me!calEndDate.Value, "Short Date") & ")"
        Case 2      ' printer
            'VLRN DoCmd.OpenReport strReport, acViewNormal, , strWhere
        Case 3      ' Excel file
            'VLRN DoCmd.OutputTo acOutputReport, strReport, acFormatXLS, "C:\Sales\Export\" & strReport & ".xls", True
    End Select
    'VLRN Application.Echo True
    Unload Report_Options	'VLRN DoCmd.Close acForm, "Report Options"
End Sub

Private Sub cmdCancel_Click()
    Unload Report_Options	'VLRN DoCmd.Close acForm, Me.Name
End Sub
Function InitializeListBoxes()
    On Error Resume Next
    gvarreturn = additems("", me!lstQuarter, "String")
End Function
Function InitializeComboBoxes()
    gvarreturn = additems("1;Sales by Category;2;Invoices", me!cboReport, "String")
End Function

Private Sub Form_Unload(Cancel As Integer)
    gvarReturn =ClearStatus
End Sub
Property Let OpenArgs(strOpenArgs as string)
    OpenArgsF=strOpenArgs
End Property

Property Get OpenArgs() as string
    OpenArgs=OpenArgsF
End Property
