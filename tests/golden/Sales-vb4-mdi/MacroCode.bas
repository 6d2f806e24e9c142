Attribute VB_Name = "MacroCode"
' The application's macros as procedures.

Public Sub AutoExec()
    ' Keep the screen still while the application starts
    'VLRN DoCmd.Echo False, "Starting Sales..."
    ' Globals, status bar, shipping companies
    Call InitApplication
    ' Hide the built-in form toolbar; Sales has its own
    'VLRN DoCmd.ShowToolbar "Form View", 2
    Main_Switchboard.Show	'VLRN DoCmd.OpenForm "Main Switchboard", 0,,, -1, 0
    'VLRN DoCmd.Echo True
End Sub

Public Sub mcrNavigation()
    Call mcrNavigation_OpenOrders
End Sub

Public Sub mcrNavigation_OpenOrders()
    ' Orders, all records
    Orders.Show	'VLRN DoCmd.OpenForm "Orders", 0,,, -1, 0
End Sub

Public Sub mcrNavigation_OpenCustomers()
    Customers.Show	'VLRN DoCmd.OpenForm "Customers", 0,,, -1, 0
End Sub

Public Sub mcrNavigation_OpenProducts()
    Products.Show	'VLRN DoCmd.OpenForm "Products", 0,,, -1, 0
End Sub

Public Sub mcrNavigation_OpenEmployees()
    Employees.Show	'VLRN DoCmd.OpenForm "Employees", 0,,, -1, 0
End Sub

Public Sub mcrNavigation_CloseForm()
    ' Closes the active form
    Unload Screen.ActiveForm	'VLRN DoCmd.Close
End Sub

Public Sub mcrNavigation_ReturnToSwitchboard()
    ' Back to the start form when a form closes
    Main_Switchboard.Show	'VLRN DoCmd.OpenForm "Main Switchboard", 0,,, -1, 0
End Sub

Public Sub mcrOrders()
    ' Macros of the Orders form
    Call mcrOrders_ShowOrderToolbar
End Sub

Public Sub mcrOrders_ShowOrderToolbar()
    ' On Activate of the Orders form
    'VLRN DoCmd.ShowToolbar "Sales Toolbar", 0
End Sub

Public Sub mcrOrders_HideOrderToolbar()
    ' On Deactivate of the Orders form
    'VLRN DoCmd.ShowToolbar "Sales Toolbar", 2
End Sub

Public Sub mcrOrders_ValidateShipVia()
    ' Every order needs a shipper
    If IsNull(Orders![grpShipVia]) Then
        Beep
        MsgBox "Please choose a shipping company for this order.", 48, "Orders"
        Screen.ActiveForm.Controls("grpShipVia").SetFocus	'VLRN DoCmd.GoToControl "grpShipVia"
        Exit Sub
    End If
End Sub

Public Sub mcrOrders_RequeryDetails()
    ' Line items and subtotal after changes
    'VLRN DoCmd.Requery "sfrmOrderDetails"
    'VLRN DoCmd.Requery "txtOrderSubtotal"
End Sub

Public Sub mcrOrders_RefreshSubtotal()
    ' After a quantity or discount changes on the line items
    'VLRN DoCmd.Requery "txtOrderSubtotal"
End Sub

Public Sub mcrOrders_PrintInvoice()
    If Orders.[NewRecord] Then
        Beep
        MsgBox "Save the order before printing its invoice.", 32, "Orders"
        Exit Sub
    End If
    'VLRN DoCmd.OpenReport "Invoice", 2,, "[OrderID]=[Forms]![Orders]![OrderID]"
End Sub

Public Sub mcrPriceUpdate()
    ' Ask first: 36 = question icon with Yes and No, 6 = Yes
    If MsgBox("Raise the price of every current product by 5%?",36,"Price Update")<>6 Then
        Exit Sub
    End If
    Screen.MousePointer = vbHourglass
    'VLRN DoCmd.SetWarnings False
    ' UPDATE query
    db.Execute "qryUpdatePrices"	'VLRN DoCmd.OpenQuery "qryUpdatePrices", 0, 1
    'VLRN DoCmd.SetWarnings True
    Beep
    Beep
    MsgBox "The prices have been raised.", 64, "Price Update"
    ' Show the new prices on the Products form
    If IsLoaded("Products") Then
        'VLRN DoCmd.SelectObject 2, "Products", False
        'VLRN DoCmd.Requery
    End If
End Sub

