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

Public Sub Main()

    DBEngine.SystemDB = ""
    Set wks = CreateWorkspace("Bound", "Admin", "")
    Set db = wks.OpenDatabase("<OUT>/Bound.mdb")

End Sub
