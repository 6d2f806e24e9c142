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
