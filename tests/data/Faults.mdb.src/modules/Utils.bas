Attribute VB_Name = "Utils"
Option Compare Database
Option Explicit

' A module named like a form, and an enum member named like another.

Public Enum Shape
    Feature = 1
    Round = 2
End Enum

Public Function Salutation() As String
    Salutation = "Hello"
End Function

' Named like a routine of the project's support module.
Public Function GetToken(ByVal s As String, ByVal n As Integer, ByVal d As String) As String
    GetToken = Split(s, d)(n - 1)
End Function
