Version =196611
ColumnsShown =2
Begin
    Condition ="MsgBox(\"Raise the price of every current product by 5%?\",36,\"Price Update\")<"
        ">6"
    Action ="StopMacro"
    Comment ="Ask first: 36 = question icon with Yes and No, 6 = Yes"
End
Begin
    Action ="Hourglass"
    Argument ="-1"
End
Begin
    Action ="SetWarnings"
    Argument ="0"
End
Begin
    Action ="OpenQuery"
    Comment ="UPDATE query"
    Argument ="qryUpdatePrices"
    Argument ="0"
    Argument ="1"
End
Begin
    Action ="SetWarnings"
    Argument ="-1"
End
Begin
    Action ="Beep"
End
Begin
    Action ="MsgBox"
    Argument ="The prices have been raised."
    Argument ="-1"
    Argument ="4"
    Argument ="Price Update"
End
Begin
    Condition ="IsLoaded(\"Products\")"
    Action ="SelectObject"
    Comment ="Show the new prices on the Products form"
    Argument ="2"
    Argument ="Products"
    Argument ="0"
End
Begin
    Condition ="..."
    Action ="Requery"
End
