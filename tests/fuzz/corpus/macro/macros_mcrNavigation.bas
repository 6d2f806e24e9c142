Version =196611
ColumnsShown =1
Begin
    MacroName ="OpenOrders"
    Action ="OpenForm"
    Comment ="Orders, all records"
    Argument ="Orders"
    Argument ="0"
    Argument =""
    Argument =""
    Argument ="-1"
    Argument ="0"
End
Begin
    MacroName ="OpenCustomers"
    Action ="OpenForm"
    Argument ="Customers"
    Argument ="0"
    Argument =""
    Argument =""
    Argument ="-1"
    Argument ="0"
End
Begin
    MacroName ="OpenProducts"
    Action ="OpenForm"
    Argument ="Products"
    Argument ="0"
    Argument =""
    Argument =""
    Argument ="-1"
    Argument ="0"
End
Begin
    MacroName ="OpenEmployees"
    Action ="OpenForm"
    Argument ="Employees"
    Argument ="0"
    Argument =""
    Argument =""
    Argument ="-1"
    Argument ="0"
End
Begin
End
Begin
    MacroName ="CloseForm"
    Action ="Close"
    Comment ="Closes the active form"
End
Begin
End
Begin
    MacroName ="ReturnToSwitchboard"
    Action ="OpenForm"
    Comment ="Back to the start form when a form closes"
    Argument ="Main Switchboard"
    Argument ="0"
    Argument =""
    Argument =""
    Argument ="-1"
    Argument ="0"
End
