Attribute VB_Name = "basGlobals"
'VLRN Option Compare Database
Option Explicit

' Global constants and the start-up code of the Sales application.

Public Const APP_TITLE = "Sales"
Public Const APP_VERSION = "2.1"

Public gstrUserName As String
Public gdtmStarted As Date
Public glngLastOrderID As Long

' Run by the AutoExec macro (RunCode InitApplication())
Public Function InitApplication() As Boolean
    'VLRN Dim db As Database
    Dim rs As Recordset

    On Error GoTo Err_InitApplication

    'VLRN gstrUserName = CurrentUser()
    gdtmStarted = Now
    SysCmd 4, "Starting " & APP_TITLE & " " & APP_VERSION & "..."

    ' The Orders form needs at least one shipping company
    'VLRN Set db = CurrentDb()
    Set rs = db.OpenRecordset("Shippers", dbOpenDynaset)
    If rs.EOF Then
        rs.AddNew
        rs!CompanyName = "Speedy Express"
        rs!Phone = "(503) 555-9831"
        rs.Update
    End If
    rs.Close

    ' Remember the newest order
    Set rs = db.OpenRecordset("SELECT Max(OrderID) AS LastID FROM Orders", dbOpenSnapshot)
    glngLastOrderID = Nz(rs!LastID, 0)
    rs.Close

    SysCmd 5
    InitApplication = True
    Exit Function

Err_InitApplication:
    MsgBox "Sales could not start: " & Err.Description, vbCritical, APP_TITLE
    InitApplication = False
End Function

' File > Exit on the menu bar
Public Function ExitApplication()
    If MsgBox("Quit " & APP_TITLE & "?", vbQuestion + vbYesNo, APP_TITLE) = vbYes Then
        End
    End If
End Function
