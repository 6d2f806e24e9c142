VERSION 5.00
Object="{8D650141-6025-11D1-BC40-0000C042AEC0}#3.0#0"; "SSDW3B32.OCX"
Begin VB.Form Employees
   BorderStyle = 2
   Caption ="Employees"
   ClientHeight = 3360
   ClientLeft = 250
   ClientTop = 500
   ClientWidth = 7560
   Height = 3360
   Left = 250
   LinkTopic = "Employees"
   MaxButton = True
   MinButton = True
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
   HelpContextID=6000
   Begin VB.Data datEmployees
      Caption = "datEmployees"
      Connect = "Access"
      DatabaseName = "Sales.mdb"
      Exclusive = 0
      Height = 300
      Left = 0
      Options = 0
      ReadOnly = 0
      RecordsetType = 1
      RecordSource = "SELECT Employees.* FROM Employees ORDER BY Employees.LastName, Employees.FirstName;"
      Top = 0
      Width = 2700
      Visible = True
   End
   Begin VB.Label lblHint
      BackColor= &HFFFFFF&
      BackStyle=0
      BorderStyle=0
      Caption="Double-click a last name to see that employee’s orders."
      ForeColor= &H808080&
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
      Width = 7200
   End
   Begin VB.Label lblEmployeeID
      BackColor= &HFFFFFF&
      BackStyle=0
      BorderStyle=0
      Caption="Employee ID:"
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
      Left = 180
      Top = 480
      Width = 1440
   End
   Begin VB.TextBox txtEmployeeID
      DataSource ="datEmployees"
      DataField ="EmployeeID"
      BorderStyle=1
      Alignment =0
      Height = 285
      Left = 1680
      Top = 480
      Width = 900
      Text = ""
      Enabled = 0
      Locked =1
      HelpContextID = 0
      TabStop = 0
      TabIndex =0
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
      ScrollBars = 0
   End
   Begin VB.Label lblSearch
      BackColor= &HFFFFFF&
      BackStyle=0
      BorderStyle=0
      Caption="Find:"
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
      Left = 4920
      Top = 480
      Width = 600
   End
   Begin VB.TextBox txtSearch
      BorderStyle=1
      Alignment =0
      Height = 285
      Left = 5580
      Top = 480
      Width = 1800
      Text = ""
      Locked =0
      HelpContextID = 0
      TabIndex =1
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
      ScrollBars = 0
   End
   Begin VB.Label lblLastName
      BackColor= &HFFFFFF&
      BackStyle=0
      BorderStyle=0
      Caption="Last name:"
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
      Left = 180
      Top = 840
      Width = 1440
   End
   Begin VB.TextBox txtLastName
      DataSource ="datEmployees"
      DataField ="LastName"
      BorderStyle=1
      Alignment =0
      Height = 285
      Left = 1680
      Top = 840
      Width = 2400
      Text = ""
      Locked =0
      HelpContextID = 0
      TabIndex =2
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
      ScrollBars = 0
   End
   Begin VB.Label lblFirstName
      BackColor= &HFFFFFF&
      BackStyle=0
      BorderStyle=0
      Caption="First name:"
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
      Left = 180
      Top = 1200
      Width = 1440
   End
   Begin VB.TextBox txtFirstName
      DataSource ="datEmployees"
      DataField ="FirstName"
      BorderStyle=1
      Alignment =0
      Height = 285
      Left = 1680
      Top = 1200
      Width = 2400
      Text = ""
      Locked =0
      HelpContextID = 0
      TabIndex =3
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
      ScrollBars = 0
   End
   Begin VB.Label lblTitleOfCourtesy
      BackColor= &HFFFFFF&
      BackStyle=0
      BorderStyle=0
      Caption="Courtesy title:"
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
      Left = 180
      Top = 1560
      Width = 1440
   End
   Begin SSDataWidgets_B.SSDBCombo cboTitleOfCourtesy
      DataFieldList="Column 0"
      Height = 285
      Left = 1680
      TabIndex =4
      Top = 1560
      Width = 1080
      HelpContextID = 0
      _Version = 131078
      DataMode=2
      Cols=1
      Rows=8
      AllowInput=0
      DataSource ="datEmployees"
      DataField ="TitleOfCourtesy"
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
      Columns.count = 1
      Columns(0).Width = 1080
      Columns(0).Caption = "col0"
      Columns(0).Name = "col0"
      Columns(0).DataField = "Column 0"
      Columns(0).DataType = 8
      Columns(0).FieldLen = 4096
      _ExtentX = 1904.58
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
   Begin VB.Label lblBirthDate
      BackColor= &HFFFFFF&
      BackStyle=0
      BorderStyle=0
      Caption="Birth date:"
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
      Left = 180
      Top = 1920
      Width = 1440
   End
   Begin VB.TextBox txtBirthDate
      DataSource ="datEmployees"
      DataField ="BirthDate"
      BorderStyle=1
      Alignment =0
      Height = 285
      Left = 1680
      Top = 1920
      Width = 1440
      Text = ""
      Locked =0
      HelpContextID = 0
      TabIndex =5
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
      ScrollBars = 0
   End
   Begin VB.Label lblReportsTo
      BackColor= &HFFFFFF&
      BackStyle=0
      BorderStyle=0
      Caption="Reports to:"
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
      Left = 180
      Top = 2280
      Width = 1440
   End
   Begin SSDataWidgets_B.SSDBCombo cboReportsTo
      Bindings = "Employees.frx":0000
      DataFieldList ="EmployeeID"
      DataSourceList ="datcboReportsTo"
      Height = 285
      Left = 1680
      TabIndex =6
      Top = 2280
      Width = 2400
      HelpContextID = 0
      _Version = 131078
      DataMode=0
      Cols=2
      Rows=8
      AllowInput=1
      DataSource ="datEmployees"
      DataField ="ReportsTo"
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
      Columns(0).Caption = "EmployeeID"
      Columns(0).Name = "EmployeeID"
      Columns(0).DataField = "EmployeeID"
      Columns(0).DataType = 8
      Columns(0).FieldLen = 4096
      Columns(1).Width = 2400
      Columns(1).Caption = "FullName"
      Columns(1).Name = "FullName"
      Columns(1).DataField = "FullName"
      Columns(1).DataType = 8
      Columns(1).FieldLen = 4096
      _ExtentX = 4232.4
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
   Begin VB.Data datcboReportsTo
      Caption = "datcboReportsTo"
      Connect = "Access"
      DatabaseName = "Sales.mdb"
      Exclusive = 0
      Height = 300
      Left = 1680
      Options = 0
      ReadOnly = 1
      RecordsetType = 2
      RecordSource = "SELECT Employees.EmployeeID, [LastName] & "", "" & [FirstName] AS FullName FROM Employees ORDER BY Employees.LastName;"
      Top = 2565
      Width = 1215
      Visible = False
   End
   Begin VB.Label lblNotes
      BackColor= &HFFFFFF&
      BackStyle=0
      BorderStyle=0
      Caption="Notes:"
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
      Left = 4440
      Top = 900
      Width = 1200
   End
   Begin VB.TextBox txtNotes
      DataSource ="datEmployees"
      DataField ="Notes"
      BorderStyle=1
      Alignment =0
      Height = 1365
      Left = 4440
      Top = 1200
      Width = 3000
      Text = ""
      Locked =0
      HelpContextID = 0
      TabIndex =7
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
      ScrollBars = 2
   End
   Begin VB.CommandButton cmdPreviousRecord
      Caption = "&Previous"
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
      Left = 120
      TabIndex = 8
      Top = 2880
      Width = 1200
      HelpContextID = 0
   End
   Begin VB.CommandButton cmdNextRecord
      Caption = "&Next"
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
      Left = 1440
      TabIndex = 9
      Top = 2880
      Width = 1200
      HelpContextID = 0
   End
   Begin VB.CommandButton cmdCloseEmployees
      Caption = "&Close"
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
      Left = 6240
      TabIndex = 10
      Top = 2880
      Width = 1200
      HelpContextID = 0
   End
End
DIM OpenArgsF as string
'VLRN Option Compare Database
Option Explicit

' Employees: personnel records. Only the administrator may change them.

Private Sub Form_Open(Cancel As Integer)
    'VLRN Me.AllowEdits = (CurrentUser() = "Admin")
    'VLRN Me.AllowAdditions = Me.AllowEdits
End Sub

Private Sub txtSearch_AfterUpdate()
    Dim rs As Recordset

    If IsNull(Me!txtSearch) Then Exit Sub
    'VLRN Set rs = Me.RecordsetClone
    rs.FindFirst "[LastName] Like """ & Me!txtSearch & "*"""
    If rs.NoMatch Then
        MsgBox "No employee's last name starts with " & Me!txtSearch & ".", vbInformation, "Employees"
    Else
        'VLRN Me.Bookmark = rs.Bookmark
    End If
    rs.Close
End Sub

Private Sub txtLastName_DblClick()
    Dim rs As Recordset
    Dim lngCount As Long
    Dim curTotal As Currency

    ' Count the orders this employee has taken
    Set rs = DB.OpenRecordset("SELECT OrderID FROM Orders WHERE EmployeeID=" & Me!txtEmployeeID)
    Do While Not rs.EOF
        lngCount = lngCount + 1
        curTotal = curTotal + OrderTotal(rs!OrderID)
        rs.MoveNext
    Loop
    rs.Close
    MsgBox Me!txtFirstName & " " & Me!txtLastName & " has taken " & lngCount & " orders worth " & Format(curTotal, "Currency") & ".", vbInformation, "Employees"
End Sub

Private Sub cmdPreviousRecord_Click()
    On Error GoTo Err_cmdPreviousRecord_Click

    'VLRN DoCmd.GoToRecord , , acPrevious
    Exit Sub

Err_cmdPreviousRecord_Click:
    MsgBox "This is the first employee.", vbInformation, "Employees"
End Sub

Private Sub cmdNextRecord_Click()
    On Error GoTo Err_cmdNextRecord_Click

    'VLRN DoCmd.GoToRecord , , acNext
    Exit Sub

Err_cmdNextRecord_Click:
    MsgBox "This is the last employee.", vbInformation, "Employees"
End Sub
Function InitializeComboBoxes()
    gvarreturn = additems("Mr.;Ms.;Mrs.;Dr.", me!cboTitleOfCourtesy, "String")
End Function
Private Sub datEmployees_Reposition()
End Sub
Function InitialDataCtlCaptions()
    On Error Resume Next
    datEmployees.Recordset.movenext
    datEmployees.Recordset.moveFirst
End Function

Private Sub cmdCloseEmployees_Click()
    Call mcrNavigation_CloseForm
End Sub

Private Sub Form_Unload(Cancel As Integer)
    Call mcrNavigation_ReturnToSwitchboard
End Sub

Private Sub Form_Initialize()
    Call Form_Open(0)
End Sub
Property Let OpenArgs(strOpenArgs as string)
    OpenArgsF=strOpenArgs
End Property

Property Get OpenArgs() as string
    OpenArgs=OpenArgsF
End Property
Private Sub Form_Load()
    Dim vReturnValue as variant
    vReturnValue=InitialValues()
    vReturnValue=InitializeComboBoxes()
    vReturnValue=InitialDataCtlCaptions()
End Sub
Private Sub Form_Activate()
    Dim vReturnValue as variant
    vReturnValue=InitialDataCtlCaptions()
End Sub
Function InitialValues()
    datEmployees.DatabaseName = db.Name
    datcboReportsTo.DatabaseName = db.Name
End Function
