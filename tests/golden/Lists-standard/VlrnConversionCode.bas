<TEMPLATE>

Function GetFormFromName(FormName As String) As Form
    Select Case FormName
        Case "Lists": Set GetFormFromName = Lists
        Case "Order Lines": Set GetFormFromName = Order_Lines
        Case "Orders": Set GetFormFromName = Orders
        Case "Plain": Set GetFormFromName = Plain
        Case "Remote Lines": Set GetFormFromName = Remote_Lines
        Case Else
            Err.Raise Number:=vbObjectError + 31004, Description:="Form name not in global list"
    End Select
End Function

Public Sub Main()

    DBEngine.SystemDB = ""
    Set wks = CreateWorkspace("Lists", "Admin", "")
    ' The conversion had no copy of the application's database: place it
    ' in the project's folder as Lists.mdb.
    Set db = wks.OpenDatabase(App.Path & IIf(Right$(App.Path, 1) = "\", "", "\") & "Lists.mdb")

End Sub
