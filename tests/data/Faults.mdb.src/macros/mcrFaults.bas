Version =196611
ColumnsShown =1
Begin
    MacroName ="Picked"
    Action ="Beep"
End
Begin
    MacroName ="Apply"
    Action ="MsgBox"
    Argument ="Applied"
    Argument ="-1"
    Argument ="0"
    Argument =""
End
