<TEMPLATE>

Function GetFormFromName(FormName As String) As Form
    Select Case FormName
        Case "Customer Orders": Set GetFormFromName = Customer_Orders
        Case "Customers": Set GetFormFromName = Customers
        Case "No Navigation": Set GetFormFromName = No_Navigation
        Case "Order Lines": Set GetFormFromName = Order_Lines
        Case "Order Snapshot": Set GetFormFromName = Order_Snapshot
        Case "Orders": Set GetFormFromName = Orders
        Case "Self": Set GetFormFromName = Self
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

    DBEngine.SystemDB = ""
    Set wks = CreateWorkspace("Bound", "Admin", "")
    ' The conversion had no copy of the application's database: place it
    ' in the project's folder as Bound.mdb.
    Set db = wks.OpenDatabase(App.Path & IIf(Right$(App.Path, 1) = "\", "", "\") & "Bound.mdb")
    CreateLinkQuery "qrydatCustomers1", "SELECT * FROM Orders ORDER BY OrderDate"

End Sub
