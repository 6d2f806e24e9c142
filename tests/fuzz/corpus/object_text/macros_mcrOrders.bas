Version =196611
ColumnsShown =3
Begin
    Comment ="Macros of the Orders form"
End
Begin
    MacroName ="ShowOrderToolbar"
    Action ="ShowToolbar"
    Comment ="On Activate of the Orders form"
    Argument ="Sales Toolbar"
    Argument ="0"
End
Begin
    MacroName ="HideOrderToolbar"
    Action ="ShowToolbar"
    Comment ="On Deactivate of the Orders form"
    Argument ="Sales Toolbar"
    Argument ="2"
End
Begin
    MacroName ="ValidateShipVia"
    Condition ="IsNull([Forms]![Orders]![grpShipVia])"
    Action ="MsgBox"
    Comment ="Every order needs a shipper"
    Argument ="Please choose a shipping company for this order."
    Argument ="-1"
    Argument ="3"
    Argument ="Orders"
End
Begin
    Condition ="..."
    Action ="GoToControl"
    Argument ="grpShipVia"
End
Begin
    Condition ="..."
    Action ="StopMacro"
End
Begin
    MacroName ="RequeryDetails"
    Action ="Requery"
    Comment ="Line items and subtotal after changes"
    Argument ="sfrmOrderDetails"
End
Begin
    Action ="Requery"
    Argument ="txtOrderSubtotal"
End
Begin
    MacroName ="RefreshSubtotal"
    Action ="Requery"
    Comment ="After a quantity or discount changes on the line items"
    Argument ="txtOrderSubtotal"
End
Begin
    MacroName ="PrintInvoice"
    Condition ="[Forms]![Orders].[NewRecord]"
    Action ="MsgBox"
    Argument ="Save the order before printing its invoice."
    Argument ="-1"
    Argument ="2"
    Argument ="Orders"
End
Begin
    Condition ="..."
    Action ="StopMacro"
End
Begin
    Action ="OpenReport"
    Argument ="Invoice"
    Argument ="2"
    Argument =""
    Argument ="[OrderID]=[Forms]![Orders]![OrderID]"
End
