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
    Set db = wks.OpenDatabase("<OUT>/Lists.mdb")

End Sub
