<TEMPLATE>

Function GetFormFromName(FormName As String) As Form
    Select Case FormName
        Case "Customer Statistics": Set GetFormFromName = Customer_Statistics
        Case "Customers": Set GetFormFromName = Customers
        Case "Employees": Set GetFormFromName = Employees
        Case "Main Switchboard": Set GetFormFromName = Main_Switchboard
        Case "Orders": Set GetFormFromName = Orders
        Case "Orders Subform": Set GetFormFromName = Orders_Subform
        Case "Orders/Invoices": Set GetFormFromName = Orders_Invoices
        Case "Products": Set GetFormFromName = Products
        Case "Report Options": Set GetFormFromName = Report_Options
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
    Set wks = CreateWorkspace("Sales", "Admin", "")
    Set db = wks.OpenDatabase("<OUT>/Sales.mdb")

    MDIParent.Show
    Call Autoexec
    Main_Switchboard.Show
End Sub
