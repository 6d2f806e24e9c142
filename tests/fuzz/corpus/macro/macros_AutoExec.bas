Version =196611
ColumnsShown =0
Begin
    Action ="Echo"
    Comment ="Keep the screen still while the application starts"
    Argument ="0"
    Argument ="Starting Sales..."
End
Begin
    Action ="RunCode"
    Comment ="Globals, status bar, shipping companies"
    Argument ="InitApplication()"
End
Begin
    Action ="ShowToolbar"
    Comment ="Hide the built-in form toolbar; Sales has its own"
    Argument ="Form View"
    Argument ="2"
End
Begin
    Action ="OpenForm"
    Argument ="Main Switchboard"
    Argument ="0"
    Argument =""
    Argument =""
    Argument ="-1"
    Argument ="0"
End
Begin
    Action ="Echo"
    Argument ="-1"
End
