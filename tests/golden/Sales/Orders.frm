DIM OpenArgsF as string
Option Compare Database
Option Explicit

' Orders: order entry with the ship-to address and the line items.
' Opened from the switchboard, the menus, the Customers form and the
' invoice finder. OpenArgs may hold "NewOrder" or an order number.

Private Sub Form_Open(Cancel As Integer)
    Dim rs As Recordset

    If IsNull(Me.OpenArgs) Then Exit Sub
    Select Case Me.OpenArgs
        Case "NewOrder"
            DoCmd.GoToRecord , , acNewRec
        Case "Invoices"
            ' the invoice finder has already filtered the form
        Case Else
            ' an order number: move to that order
            If IsNumeric(Me.OpenArgs) Then
                Set rs = Me.RecordsetClone
                rs.FindFirst "[OrderID]=" & Me.OpenArgs
                If Not rs.NoMatch Then Me.Bookmark = rs.Bookmark
                rs.Close
            End If
    End Select
End Sub

Private Sub Form_Current()
    ' Keep the caption and the buttons in step with the record
    If Me.NewRecord Then
        Me.Caption = "Orders - new order"
        Me!cmdDeleteOrder.Enabled = False
    Else
        Me.Caption = "Orders - order " & Me!OrderID
        Me!cmdDeleteOrder.Enabled = True
    End If
    Me!tabOrder.Value = 0
End Sub

Private Sub Form_BeforeUpdate(Cancel As Integer)
    If IsNull(Me!cboCustomerID) Then
        MsgBox "Every order needs a customer.", vbExclamation, "Orders"
        DoCmd.CancelEvent
        Me!cboCustomerID.SetFocus
        Exit Sub
    End If
    If IsNull(Me!OrderDate) Then Me!OrderDate = Date
End Sub

Private Sub Form_Error(DataErr As Integer, Response As Integer)
    ' 3314: a required field was left empty
    If DataErr = 3314 Then
        MsgBox "Please fill in the customer and the order date.", vbExclamation, "Orders"
        Response = acDataErrContinue
    Else
        Response = acDataErrDisplay
    End If
End Sub

Private Sub Form_Unload(Cancel As Integer)
    ' Remove order lines that were left with a quantity of zero
    DoCmd.SetWarnings False
    DoCmd.OpenQuery "qryDeleteEmptyOrderLines"
    DoCmd.SetWarnings True
End Sub

Private Sub cboCustomerID_NotInList(NewData As String, Response As Integer)
    Dim strMsg As String

    strMsg = "'" & NewData & "' is not a customer yet." & vbCrLf & "Add the new customer now?"
    If MsgBox(strMsg, vbQuestion + vbYesNo, "Unknown Customer") = vbYes Then
        DoCmd.OpenForm "Customers", , , , acFormAdd, acDialog, NewData
        Response = acDataErrAdded
    Else
        Response = acDataErrContinue
        Me!cboCustomerID.Undo
    End If
End Sub

Private Sub cboCustomerID_AfterUpdate()
    ' Ship to the customer's address unless the order already has one
    If IsNull(Me!ShipName) Then CopyCustomerAddress
End Sub

Private Sub txtRequiredDate_BeforeUpdate(Cancel As Integer)
    If Not IsNull(Me!txtRequiredDate) And Not IsNull(Me!txtOrderDate) Then
        If Me!txtRequiredDate < Me!txtOrderDate Then
            MsgBox "The required date cannot lie before the order date.", vbExclamation, "Orders"
            Cancel = True
        End If
    End If
End Sub

Private Sub grpShipVia_AfterUpdate()
    Dim curRate As Currency

    ' Base freight of each shipper; the user may still change it
    Select Case Me!grpShipVia
        Case 1
            curRate = 12.5
        Case 2
            curRate = 9.75
        Case 3
            curRate = 18
        Case Else
            curRate = 0
    End Select
    If Nz(Me!txtFreight, 0) = 0 Then Me!txtFreight = curRate
    DoCmd.RunMacro "mcrOrders.RequeryDetails"
End Sub

Private Sub CopyCustomerAddress()
    Dim rs As Recordset

    If IsNull(Me!cboCustomerID) Then Exit Sub
    Set rs = CurrentDb.OpenRecordset("SELECT * FROM Customers WHERE CustomerID=" & Me!cboCustomerID, dbOpenSnapshot)
    If Not rs.EOF Then
        Me!ShipName = rs!CompanyName
        Me!ShipAddress = rs!Address
        Me!ShipCity = rs!City
        Me!ShipRegion = rs!Region
        Me!ShipPostalCode = rs!PostalCode
        Me!ShipCountry = rs.Fields("Country")
    End If
    rs.Close
End Sub

Private Sub tabOrder_Change()
    ' Refresh the line items when their page comes up
    If Me!tabOrder.Value = 2 Then
        Me!sfrmOrderDetails.Requery
        Me!txtOrderSubtotal.Requery
    End If
End Sub

Private Sub cmdPrev_Click()
    If Me.CurrentRecord > 1 Then DoCmd.GoToRecord , , acPrevious
End Sub

Private Sub cmdNext_Click()
    If Not Me.NewRecord Then DoCmd.GoToRecord , , acNext
End Sub

Private Sub cmdNewOrder_Click()
    DoCmd.GoToRecord , , acNewRec
    DoCmd.GoToControl "cboCustomerID"
End Sub

Private Sub cmdDeleteOrder_Click()
    If MsgBox("Delete order " & Me!OrderID & " with all its lines?", vbQuestion + vbYesNo, "Delete Order") = vbYes Then
        DoCmd.SetWarnings False
        DoCmd.RunCommand acCmdDeleteRecord
        DoCmd.SetWarnings True
    End If
End Sub

Private Sub cmdPrintInvoice_Click()
    If Me.Dirty Then DoCmd.RunCommand acCmdSaveRecord
    DoCmd.OpenReport "Invoice", acViewPreview, , "[OrderID]=" & Me!OrderID
    Reports!Invoice.Caption = "Invoice for order " & Me!OrderID
End Sub
Property Let OpenArgs(strOpenArgs as string)
    OpenArgsF=strOpenArgs
End Property

Property Get OpenArgs() as string
    OpenArgs=OpenArgsF
End Property
