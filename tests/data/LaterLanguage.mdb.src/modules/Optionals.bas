Attribute VB_Name = "Optionals"
Option Compare Database
Option Explicit

Public Sub Greet(Optional ByVal who As String = "world", Optional times As Integer = 2, _
                 Optional ByVal shade As Colour = Colour.Green, Optional extra As Variant, _
                 Optional frm As Form)
    Debug.Print who, times, shade, IsMissing(extra), frm Is Nothing
End Sub

Public Function Scaled(ByVal x As Double, Optional ByVal factor As Long) As Double
    Scaled = x * factor
End Function
