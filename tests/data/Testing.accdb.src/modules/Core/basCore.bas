Attribute VB_Name = "basCore"
Option Compare Database
Option Explicit

Public Function Twice(ByVal n As Long) As Long
    Twice = 2 * n
End Function

Public Function GreetAnn() As String
    Dim p As clsPerson
    Set p = New clsPerson
    p.Name = "Ann"
    GreetAnn = p.Copy.Greeting
End Function
