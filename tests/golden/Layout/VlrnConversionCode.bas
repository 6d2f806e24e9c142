<TEMPLATE>

Function GetFormFromName(FormName As String) As Form
    Select Case FormName
        Case "Detail Only": Set GetFormFromName = Detail_Only
        Case "Order Entry": Set GetFormFromName = Order_Entry
        Case "Order_Entry": Set GetFormFromName = Order_EntryA
        Case "Page Breaks": Set GetFormFromName = Page_Breaks
        Case "Sections": Set GetFormFromName = Sections
        Case "Tabbed": Set GetFormFromName = Tabbed
        Case Else
            Err.Raise Number:=vbObjectError + 31004, Description:="Form name not in global list"
    End Select
End Function

Public Sub Main()

    DBEngine.SystemDB = ""
    Set wks = CreateWorkspace("Layout", "Admin", "")
    ' The conversion had no copy of the application's database: place it
    ' in the project's folder as Layout.mdb.
    Set db = wks.OpenDatabase(App.Path & IIf(Right$(App.Path, 1) = "\", "", "\") & "Layout.mdb")

End Sub
