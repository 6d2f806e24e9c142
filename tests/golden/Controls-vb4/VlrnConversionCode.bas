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

    #If Win16 Then
        DBEngine.IniPath = ""
    #Else
	    DBEngine.SystemDB = ""
    #End If
    Set wks = CreateWorkspace("Controls", "Admin", "")
    ' The conversion had no copy of the application's database: place it
    ' in the project's folder as Controls.mdb.
    Set db = wks.OpenDatabase(App.Path & IIf(Right$(App.Path, 1) = "\", "", "\") & "Controls.mdb")

End Sub
