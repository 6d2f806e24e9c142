Attribute VB_Name = "basCore"
Option Compare Database
Option Explicit

Public Function Twice(ByVal n As Long) As Long
    Twice = 2 * n
End Function
