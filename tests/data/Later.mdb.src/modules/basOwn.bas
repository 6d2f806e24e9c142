Attribute VB_Name = "basOwn"
Option Compare Database
Option Explicit

' The application's own Join, written before Access had one: it keeps it.

Public Function Join(varItems As Variant, strDelimiter As String) As String
    Dim lngItem As Long
    For lngItem = LBound(varItems) To UBound(varItems)
        Join = Join & IIf(lngItem > LBound(varItems), strDelimiter, "") & varItems(lngItem)
    Next lngItem
End Function
