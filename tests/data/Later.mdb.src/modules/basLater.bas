Attribute VB_Name = "basLater"
Option Compare Database
Option Explicit

Private mastrSaved() As String

' Calls of the functions that Access 2000 and later have and Visual Basic 4
' and 5 lack, in the forms the conversion meets them.

Public Function Parts(strText As String) As Variant
    Parts = Split(strText, ",")
End Function

Public Function Tidy(strText As String) As String
    ' Replace$("a", "b", "c") in a comment stays as it is.
    Tidy = Replace$(strText, "Replace$(", "Split(") & VBA.StrReverse("ab")
End Function

Public Function Described(varValue As Variant) As String
    Described = WeekdayName(Weekday(Date)) & " " & MonthName$(Month(Date), True) & " " & _
        FormatNumber(varValue, 2, vbTrue) & FormatCurrency(varValue) & FormatPercent(varValue) & _
        FormatDateTime(Date, vbShortDate) & Round(varValue, 1) & InStrRev("abc", "b")
End Function

Public Function Listed(varItems As Variant) As String
    Listed = Join(Filter(varItems, "a"), ";")
End Function

Public Sub Arrays(strText As String)
    Dim astrParts() As String
    Dim varParts As Variant
    astrParts = Split(strText, "|")
    astrParts() = Split(strText, "|")
    If Len(strText) > 0 Then astrParts = Split(strText, "|")
    varParts = Split(strText, "|")
    astrParts(0) = Split(strText, "|")(0)
End Sub

Public Sub Given(astrGiven() As String, strText As String)
    astrGiven = Split(strText, ",")
    mastrSaved = Split(strText, ",")
End Sub

Public Function Called(objTarget As Object) As Variant
    Called = CallByName(objTarget, "Caption", 2)
End Function

Public Function Filtered(rs As Object) As Variant
    rs.Filter = "ID > 1"
    Filtered = rs.Filter
End Function
