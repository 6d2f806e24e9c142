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

Private Sub CreateLinkQuery(ByVal strName As String, ByVal strSQL As String)
    Dim qdf As QueryDef
    For Each qdf In db.QueryDefs
        If StrComp(qdf.Name, strName, 1) = 0 Then Exit Sub
    Next
    Set qdf = db.CreateQueryDef(strName, strSQL)
End Sub

Public Sub Main()

    #If Win16 Then
        DBEngine.IniPath = ""
    #Else
	    DBEngine.SystemDB = ""
    #End If
    Set wks = CreateWorkspace("Sales", "Admin", "")
    ' The conversion had no copy of the application's database: place it
    ' in the project's folder as Sales.mdb.
    Set db = wks.OpenDatabase(App.Path & IIf(Right$(App.Path, 1) = "\", "", "\") & "Sales.mdb")
    CreateLinkQuery "qrydatOrders1", "SELECT [Order Details].OrderID, [Order Details].ProductID, [Order Details].UnitPrice, [Order Details].Quantity, [Order Details].Discount FROM [Order Details] ORDER BY [Order Details].ProductID;"

    MDIParent.Show
    Call Autoexec
    Main_Switchboard.Show
End Sub
