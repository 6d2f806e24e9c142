Attribute VB_Name = "Kinds"
Option Compare Database
Option Explicit

' Enum types, as Access 2000 and later write them.
Public Enum Colour
    Red
    Green = 5
    Blue ' six
    Mask = &HFFFF
    AfterMask
End Enum

Private Enum Extent
    [_First] = 1
    Small = 1
    Large
    [_Last] = 2
End Enum

Enum Shape
    [_First] = 10
    Round = 10
    Square = Round + 1
    Other
    [_Last] = 12
End Enum

Public Function Hue(ByVal c As Colour) As Colour
    Hue = Colour.Blue
End Function

Public Function ExtentName(e As Extent) As String
    Select Case e
        Case Extent.Small: ExtentName = "small"
        Case Extent.[_Last]: ExtentName = "as large as Colour.Red in a string"
    End Select
End Function

Public Function Shapes() As Long
    Dim s As Shape
    For s = Shape.[_First] To Shape.[_Last]
        Shapes = Shapes + 1
    Next
End Function
