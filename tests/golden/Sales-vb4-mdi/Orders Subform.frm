DIM OpenArgsF as string
Option Compare Database
Option Explicit

' Line items of one order, shown as a datasheet on the Orders form.

Private Sub Form_BeforeInsert(Cancel As Integer)
    If IsNull(Me.Parent!OrderID) Then
        MsgBox "Enter the order header before adding products.", vbExclamation, "Orders"
        Cancel = True
    End If
End Sub

Private Sub cboProductID_AfterUpdate()
    ' Start from the current list price of the product
    Me!txtUnitPrice = DLookup("UnitPrice", "Products", "ProductID=" & Me!cboProductID)
End Sub

Private Sub txtQuantity_BeforeUpdate(Cancel As Integer)
    If Nz(Me!txtQuantity, 0) < 0 Then
        MsgBox "The quantity cannot be negative.", vbExclamation, "Order Details"
        Cancel = True
    End If
End Sub
Property Let OpenArgs(strOpenArgs as string)
    OpenArgsF=strOpenArgs
End Property

Property Get OpenArgs() as string
    OpenArgs=OpenArgsF
End Property
