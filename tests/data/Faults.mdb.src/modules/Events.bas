Attribute VB_Name = "Events"
Option Compare Database
Option Explicit

' A module named like a form: the functions the forms' events and menus call.

Public Function Foo()
    Foo = 1
End Function

Public Function Moved()
    Moved = 2
End Function

Public Function OpenIt(strForm As String)
    DoCmd.OpenForm strForm
End Function

Public Function Plain()
    Plain = 3
End Function
