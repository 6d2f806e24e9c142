Attribute VB_Name = "MacroCode"
Option Compare Database
Option Explicit

' The application's own module of this name.

Public Function Greeting() As String
    Greeting = "Hello"
End Function
