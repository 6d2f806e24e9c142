DIM OpenArgsF as string
Option Compare Database
Option Explicit

' Main Switchboard: the start form of the Sales application.
' The clock below the company name is refreshed once a minute by the form timer.

Private Sub Form_Open(Cancel As Integer)
    ' Greet the user and show who is signed in
    Me.Caption = "Sales - Main Switchboard (" & CurrentUser() & ")"
    Me!lblStatus.Caption = "Signed in as " & CurrentUser()
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
    Application.Quit
End Sub

Private Sub cmdProducts_Click()
    DoCmd.OpenForm "Products"
End Sub

Private Sub cmdInvoices_Click()
    DoCmd.OpenForm "Orders/Invoices"
End Sub

Private Sub cmdReports_Click()
    DoCmd.OpenForm "Report Options", , , , , acDialog
End Sub

Private Sub cmdHelp_Click()
    ' Each form has its own help topic (HelpContextId)
    MsgBox "Press F1 on any form to read about it.", vbInformation, APP_TITLE
End Sub

Private Sub cmdExit_Click()
    DoCmd.Close acForm, Me.Name
End Sub

Private Sub lblVersion_MouseDown(Button As Integer, Shift As Integer, X As Single, Y As Single)
    ' Shift + right click shows the database window for maintenance work
    If Button = acRightButton And (Shift And acShiftMask) <> 0 Then
        DoCmd.SelectObject acForm, Me.Name, True
    End If
End Sub
Property Let OpenArgs(strOpenArgs as string)
    OpenArgsF=strOpenArgs
End Property

Property Get OpenArgs() as string
    OpenArgs=OpenArgsF
End Property
