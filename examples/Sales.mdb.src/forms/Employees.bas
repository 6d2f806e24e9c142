Version =20
VersionRequired =20
Begin Form
    AllowDeletions = NotDefault
    DefaultView =0
    ViewsAllowed =1
    GridX =24
    GridY =24
    Width =7560
    ItemSuffix =40
    HelpContextId =6000
    RecSrcDt = Begin
        0xb6600bb6b27fe140
    End
    RecordSource ="SELECT Employees.* FROM Employees ORDER BY Employees.LastName, Employees.FirstNa"
        "me;"
    Caption ="Employees"
    OnOpen ="[Event Procedure]"
    OnClose ="mcrNavigation.ReturnToSwitchboard"
    Begin
        Begin Label
            BackStyle =0
            Height =240
        End
        Begin CommandButton
            Height =360
            FontWeight =400
        End
        Begin TextBox
            SpecialEffect =2
            Height =285
        End
        Begin ComboBox
            SpecialEffect =2
            Height =285
        End
        Begin Section
            Height =3360
            BackColor =-2147483633
            Name ="Detail"
            Begin
                Begin Label
                    Left =120
                    Top =120
                    Width =7200
                    ForeColor =8421504
                    Name ="lblHint"
                    Caption ="Double-click a last name to see that employee’s orders."
                End
                Begin Label
                    Left =180
                    Top =480
                    Width =1440
                    Name ="lblEmployeeID"
                    Caption ="Employee ID:"
                End
                Begin TextBox
                    Enabled = NotDefault
                    Locked = NotDefault
                    TabStop = NotDefault
                    Left =1680
                    Top =480
                    Width =900
                    Name ="txtEmployeeID"
                    ControlSource ="EmployeeID"
                End
                Begin Label
                    Left =4920
                    Top =480
                    Width =600
                    Name ="lblSearch"
                    Caption ="Find:"
                End
                Begin TextBox
                    Left =5580
                    Top =480
                    Width =1800
                    TabIndex =1
                    Name ="txtSearch"
                    StatusBarText ="Type the start of a last name and press Enter"
                    AfterUpdate ="[Event Procedure]"
                End
                Begin Label
                    Left =180
                    Top =840
                    Width =1440
                    Name ="lblLastName"
                    Caption ="Last name:"
                End
                Begin TextBox
                    Left =1680
                    Top =840
                    Width =2400
                    TabIndex =2
                    Name ="txtLastName"
                    ControlSource ="LastName"
                    OnDblClick ="[Event Procedure]"
                End
                Begin Label
                    Left =180
                    Top =1200
                    Width =1440
                    Name ="lblFirstName"
                    Caption ="First name:"
                End
                Begin TextBox
                    Left =1680
                    Top =1200
                    Width =2400
                    TabIndex =3
                    Name ="txtFirstName"
                    ControlSource ="FirstName"
                End
                Begin Label
                    Left =180
                    Top =1560
                    Width =1440
                    Name ="lblTitleOfCourtesy"
                    Caption ="Courtesy title:"
                End
                Begin ComboBox
                    LimitToList = NotDefault
                    Left =1680
                    Top =1560
                    Width =1080
                    TabIndex =4
                    Name ="cboTitleOfCourtesy"
                    ControlSource ="TitleOfCourtesy"
                    RowSourceType ="Value List"
                    RowSource ="Mr.;Ms.;Mrs.;Dr."
                End
                Begin Label
                    Left =180
                    Top =1920
                    Width =1440
                    Name ="lblBirthDate"
                    Caption ="Birth date:"
                End
                Begin TextBox
                    Left =1680
                    Top =1920
                    Width =1440
                    TabIndex =5
                    Name ="txtBirthDate"
                    ControlSource ="BirthDate"
                    Format ="Short Date"
                    InputMask ="99/99/0000;0;_"
                End
                Begin Label
                    Left =180
                    Top =2280
                    Width =1440
                    Name ="lblReportsTo"
                    Caption ="Reports to:"
                End
                Begin ComboBox
                    ColumnCount =2
                    Left =1680
                    Top =2280
                    Width =2400
                    TabIndex =6
                    Name ="cboReportsTo"
                    ControlSource ="ReportsTo"
                    RowSourceType ="Table/Query"
                    RowSource ="SELECT Employees.EmployeeID, [LastName] & \", \" & [FirstName] AS FullName FROM "
                        "Employees ORDER BY Employees.LastName;"
                    ColumnWidths ="0;2400"
                End
                Begin Label
                    Left =4440
                    Top =900
                    Width =1200
                    Name ="lblNotes"
                    Caption ="Notes:"
                End
                Begin TextBox
                    EnterKeyBehavior = NotDefault
                    ScrollBars =2
                    Left =4440
                    Top =1200
                    Width =3000
                    Height =1365
                    TabIndex =7
                    Name ="txtNotes"
                    ControlSource ="Notes"
                End
                Begin CommandButton
                    Left =120
                    Top =2880
                    Width =1200
                    TabIndex =8
                    Name ="cmdPreviousRecord"
                    Caption ="&Previous"
                    OnClick ="[Event Procedure]"
                End
                Begin CommandButton
                    Left =1440
                    Top =2880
                    Width =1200
                    TabIndex =9
                    Name ="cmdNextRecord"
                    Caption ="&Next"
                    OnClick ="[Event Procedure]"
                End
                Begin CommandButton
                    Left =6240
                    Top =2880
                    Width =1200
                    TabIndex =10
                    Name ="cmdCloseEmployees"
                    Caption ="&Close"
                    OnClick ="mcrNavigation.CloseForm"
                End
            End
        End
    End
End
CodeBehindForm
Attribute VB_GlobalNameSpace = False
Attribute VB_Creatable = True
Attribute VB_PredeclaredId = True
Attribute VB_Exposed = False
Option Compare Database
Option Explicit

' Employees: personnel records. Only the administrator may change them.

Private Sub Form_Open(Cancel As Integer)
    Me.AllowEdits = (CurrentUser() = "Admin")
    Me.AllowAdditions = Me.AllowEdits
End Sub

Private Sub txtSearch_AfterUpdate()
    Dim rs As Recordset

    If IsNull(Me!txtSearch) Then Exit Sub
    Set rs = Me.RecordsetClone
    rs.FindFirst "[LastName] Like """ & Me!txtSearch & "*"""
    If rs.NoMatch Then
        MsgBox "No employee's last name starts with " & Me!txtSearch & ".", vbInformation, "Employees"
    Else
        Me.Bookmark = rs.Bookmark
    End If
    rs.Close
End Sub

Private Sub txtLastName_DblClick(Cancel As Integer)
    Dim rs As Recordset
    Dim lngCount As Long
    Dim curTotal As Currency

    ' Count the orders this employee has taken
    Set rs = CurrentDb.OpenRecordset("SELECT OrderID FROM Orders WHERE EmployeeID=" & Me!txtEmployeeID)
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

    DoCmd.GoToRecord , , acPrevious
    Exit Sub

Err_cmdPreviousRecord_Click:
    MsgBox "This is the first employee.", vbInformation, "Employees"
End Sub

Private Sub cmdNextRecord_Click()
On Error GoTo Err_cmdNextRecord_Click

    DoCmd.GoToRecord , , acNext
    Exit Sub

Err_cmdNextRecord_Click:
    MsgBox "This is the last employee.", vbInformation, "Employees"
End Sub
