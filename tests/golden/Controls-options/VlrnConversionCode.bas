<TEMPLATE>

Function GetFormFromName(FormName As String) As Form
    Select Case FormName
        Case "Buttons": Set GetFormFromName = Buttons
        Case "Tree": Set GetFormFromName = Tree
        Case "Values": Set GetFormFromName = Values
        Case Else
            Err.Raise Number:=vbObjectError + 31004, Description:="Form name not in global list"
    End Select
End Function

Public Sub Main()

    DBEngine.SystemDB = ""
    Set wks = CreateWorkspace("Controls", "Admin", "")
    Set db = wks.OpenDatabase("<OUT>/Controls.mdb")

End Sub
