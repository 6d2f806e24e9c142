DIM OpenArgsF as string
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
Property Let OpenArgs(strOpenArgs as string)
    OpenArgsF=strOpenArgs
End Property

Property Get OpenArgs() as string
    OpenArgs=OpenArgsF
End Property
