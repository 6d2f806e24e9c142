Attribute VB_Name = "SuppliedFunctions"
' Functions that Visual Basic 6 brought and Visual Basic 4 and 5 lack, written
' in what both accept. Velorin appends to the support module those the
' converted code calls, with the private routines they use, unless the
' application has a public procedure of that name. They take their arguments
' in the order Visual Basic 6 does; an optional argument is a Variant tested
' with IsMissing, and a function that returns an array returns a Variant that
' holds one.
Option Explicit

' The comparison a Compare argument asks for: textual for vbTextCompare (1)
' and for Access's vbDatabaseCompare (2), binary otherwise, which is also what
' vbUseCompareOption (-1) gives in this module.
Private Function VlrnCompareMethod(Optional Compare As Variant) As Integer
    VlrnCompareMethod = 0
    If IsMissing(Compare) Then Exit Function
    If Compare = 1 Or Compare = 2 Then VlrnCompareMethod = 1
End Function

' The parts of Expression between its delimiters (a blank by default), in an
' array from 0; at most Limit parts, the last one holding the rest. "" gives
' an array without elements, whose UBound is -1.
Public Function Split(ByVal Expression As String, Optional Delimiter As Variant, _
                      Optional Limit As Variant, Optional Compare As Variant) As Variant
    Dim astrParts() As String, strDelimiter As String, lngLimit As Long
    Dim lngCount As Long, lngStart As Long, lngAt As Long, intCompare As Integer
    strDelimiter = " "
    If Not IsMissing(Delimiter) Then strDelimiter = Delimiter
    lngLimit = -1
    If Not IsMissing(Limit) Then lngLimit = Limit
    intCompare = VlrnCompareMethod(Compare)
    If Len(Expression) = 0 Or lngLimit = 0 Then
        Split = Array()
        Exit Function
    End If
    lngStart = 1
    Do
        lngAt = 0
        If Len(strDelimiter) > 0 And lngCount + 1 <> lngLimit Then
            lngAt = InStr(lngStart, Expression, strDelimiter, intCompare)
        End If
        If lngAt = 0 Then Exit Do
        ReDim Preserve astrParts(lngCount)
        astrParts(lngCount) = Mid$(Expression, lngStart, lngAt - lngStart)
        lngCount = lngCount + 1
        lngStart = lngAt + Len(strDelimiter)
    Loop
    ReDim Preserve astrParts(lngCount)
    astrParts(lngCount) = Mid$(Expression, lngStart)
    Split = astrParts
End Function

' The elements of an array joined into one text, Delimiter (a blank by
' default) between each two.
Public Function Join(SourceArray As Variant, Optional Delimiter As Variant) As String
    Dim strDelimiter As String, strText As String, lngItem As Long
    strDelimiter = " "
    If Not IsMissing(Delimiter) Then strDelimiter = Delimiter
    For lngItem = LBound(SourceArray) To UBound(SourceArray)
        If lngItem > LBound(SourceArray) Then strText = strText & strDelimiter
        strText = strText & SourceArray(lngItem)
    Next lngItem
    Join = strText
End Function

' The elements of an array that hold Match (or, with Include False, that do
' not), in an array from 0; one without elements when none does.
Public Function Filter(SourceArray As Variant, ByVal Match As String, _
                       Optional Include As Variant, Optional Compare As Variant) As Variant
    Dim astrFound() As String, lngCount As Long, lngItem As Long
    Dim blnInclude As Boolean, intCompare As Integer
    blnInclude = True
    If Not IsMissing(Include) Then blnInclude = Include
    intCompare = VlrnCompareMethod(Compare)
    For lngItem = LBound(SourceArray) To UBound(SourceArray)
        If (InStr(1, SourceArray(lngItem), Match, intCompare) > 0) = blnInclude Then
            ReDim Preserve astrFound(lngCount)
            astrFound(lngCount) = SourceArray(lngItem)
            lngCount = lngCount + 1
        End If
    Next lngItem
    If lngCount = 0 Then
        Filter = Array()
    Else
        Filter = astrFound
    End If
End Function

' Expression from position Start (1 by default) on, with Find replaced by
' ReplaceWith Count times (every time by default); "" when Start is past the
' end.
Public Function Replace(ByVal Expression As String, ByVal Find As String, _
                        ByVal ReplaceWith As String, Optional Start As Variant, _
                        Optional Count As Variant, Optional Compare As Variant) As String
    Dim strText As String, lngStart As Long, lngCount As Long, lngAt As Long
    Dim intCompare As Integer
    lngStart = 1
    If Not IsMissing(Start) Then lngStart = Start
    lngCount = -1
    If Not IsMissing(Count) Then lngCount = Count
    If lngStart < 1 Or lngCount < -1 Then Err.Raise 5
    intCompare = VlrnCompareMethod(Compare)
    strText = Mid$(Expression, lngStart)
    lngAt = 1
    Do While lngCount <> 0 And Len(Find) > 0
        lngAt = InStr(lngAt, strText, Find, intCompare)
        If lngAt = 0 Then Exit Do
        strText = Left$(strText, lngAt - 1) & ReplaceWith & Mid$(strText, lngAt + Len(Find))
        lngAt = lngAt + Len(ReplaceWith)
        lngCount = lngCount - 1
    Loop
    Replace = strText
End Function

' The position of the last StringMatch in StringCheck that ends at or before
' position Start (the end by default); 0 when there is none.
Public Function InStrRev(ByVal StringCheck As String, ByVal StringMatch As String, _
                         Optional Start As Variant, Optional Compare As Variant) As Long
    Dim lngStart As Long, lngAt As Long, intCompare As Integer
    lngStart = -1
    If Not IsMissing(Start) Then lngStart = Start
    If lngStart = 0 Or lngStart < -1 Then Err.Raise 5
    intCompare = VlrnCompareMethod(Compare)
    If lngStart = -1 Then lngStart = Len(StringCheck)
    InStrRev = 0
    If Len(StringCheck) = 0 Or lngStart > Len(StringCheck) Then Exit Function
    If Len(StringMatch) = 0 Then
        InStrRev = lngStart
        Exit Function
    End If
    For lngAt = lngStart - Len(StringMatch) + 1 To 1 Step -1
        If StrComp(Mid$(StringCheck, lngAt, Len(StringMatch)), StringMatch, intCompare) = 0 Then
            InStrRev = lngAt
            Exit Function
        End If
    Next lngAt
End Function

' The characters of Expression in reverse order.
Public Function StrReverse(ByVal Expression As String) As String
    Dim strText As String, lngAt As Long
    For lngAt = Len(Expression) To 1 Step -1
        strText = strText & Mid$(Expression, lngAt, 1)
    Next lngAt
    StrReverse = strText
End Function

' Number rounded to NumDigitsAfterDecimal decimals (none by default), a half
' to the even neighbour: 2.5 gives 2, 3.5 gives 4. Null gives Null.
Public Function Round(Number As Variant, Optional NumDigitsAfterDecimal As Variant) As Variant
    Dim intDigits As Integer, dblScale As Double, dblValue As Double, dblWhole As Double
    If IsNull(Number) Then
        Round = Null
        Exit Function
    End If
    If Not IsMissing(NumDigitsAfterDecimal) Then intDigits = NumDigitsAfterDecimal
    If intDigits < 0 Then Err.Raise 5
    dblScale = 10 ^ intDigits
    dblValue = CDbl(Number) * dblScale
    dblWhole = Int(dblValue)
    If dblValue - dblWhole > 0.5 Then
        dblWhole = dblWhole + 1
    ElseIf dblValue - dblWhole = 0.5 Then
        If dblWhole / 2 <> Int(dblWhole / 2) Then dblWhole = dblWhole + 1
    End If
    Round = dblWhole / dblScale
End Function

' The name of month 1 to 12, abbreviated when Abbreviate is True, in the
' language of the regional settings.
Public Function MonthName(ByVal Month As Long, Optional Abbreviate As Variant) As String
    Dim strFormat As String
    If Month < 1 Or Month > 12 Then Err.Raise 5
    strFormat = "mmmm"
    If Not IsMissing(Abbreviate) Then
        If Abbreviate Then strFormat = "mmm"
    End If
    MonthName = Format$(DateSerial(2000, Month, 1), strFormat)
End Function

' The name of day 1 to 7 of a week that starts on FirstDayOfWeek (Sunday, 1,
' by default; 0 for the regional settings' first day), abbreviated when
' Abbreviate is True.
Public Function WeekdayName(ByVal DayNumber As Long, Optional Abbreviate As Variant, _
                            Optional FirstDayOfWeek As Variant) As String
    Dim intFirst As Integer, strFormat As String, datSunday As Date
    If DayNumber < 1 Or DayNumber > 7 Then Err.Raise 5
    intFirst = 1
    If Not IsMissing(FirstDayOfWeek) Then intFirst = FirstDayOfWeek
    If intFirst < 0 Or intFirst > 7 Then Err.Raise 5
    strFormat = "dddd"
    If Not IsMissing(Abbreviate) Then
        If Abbreviate Then strFormat = "ddd"
    End If
    ' 2 January 2000 was a Sunday; the day asked for is in the week around it.
    datSunday = DateSerial(2000, 1, 2)
    WeekdayName = Format$(datSunday + DayNumber - Weekday(datSunday, intFirst), strFormat)
End Function

' FormatNumber, FormatPercent and FormatCurrency. With every argument left to
' the regional settings the value takes Format$'s named format (strNamed);
' otherwise a format made of the arguments (by default two decimals, a
' leading zero and grouped digits), a currency in the regional format's
' place for the number.
Private Function VlrnFormatNumeric(Expression As Variant, ByVal strNamed As String, _
                                   Optional NumDigits As Variant, Optional Leading As Variant, _
                                   Optional Parens As Variant, Optional Group As Variant) As String
    Dim dblValue As Double, intDigits As Integer, intLeading As Integer
    Dim intParens As Integer, intGroup As Integer, strPattern As String
    Dim strText As String, strLayout As String, lngFirst As Long, lngLast As Long
    intDigits = -1
    If Not IsMissing(NumDigits) Then intDigits = NumDigits
    intLeading = -2
    If Not IsMissing(Leading) Then intLeading = Leading
    intParens = -2
    If Not IsMissing(Parens) Then intParens = Parens
    intGroup = -2
    If Not IsMissing(Group) Then intGroup = Group
    dblValue = CDbl(Expression)
    If intDigits = -1 And intLeading = -2 And intParens = -2 And intGroup = -2 Then
        VlrnFormatNumeric = Format$(dblValue, strNamed)
        Exit Function
    End If
    If intDigits = -1 Then intDigits = 2
    If strNamed = "Percent" Then dblValue = dblValue * 100
    strPattern = "0"
    If intLeading = 0 Then strPattern = "#"
    If intGroup <> 0 Then strPattern = "#,##" & strPattern
    If intDigits > 0 Then strPattern = strPattern & "." & String$(intDigits, "0")
    strText = Format$(Abs(dblValue), strPattern)
    If strNamed = "Percent" Then strText = strText & "%"
    If strNamed = "Currency" Then
        ' The symbol goes where the regional format puts it: "$1.00", "1,00 kr".
        strLayout = Format$(1, "Currency")
        lngFirst = InStr(strLayout, "1")
        lngLast = Len(strLayout)
        Do While lngLast > lngFirst And InStr("0123456789", Mid$(strLayout, lngLast, 1)) = 0
            lngLast = lngLast - 1
        Loop
        strText = Left$(strLayout, lngFirst - 1) & strText & Mid$(strLayout, lngLast + 1)
        If intParens = -2 And Left$(Format$(-1, "Currency"), 1) = "(" Then intParens = -1
    End If
    If dblValue < 0 And intParens = -1 Then
        strText = "(" & strText & ")"
    ElseIf dblValue < 0 Then
        strText = "-" & strText
    End If
    VlrnFormatNumeric = strText
End Function

' Expression as a number: NumDigitsAfterDecimal decimals, a leading zero,
' parentheses for a negative number and grouped digits as the arguments ask
' (-1 True, 0 False, -2 the regional settings).
Public Function FormatNumber(Expression As Variant, Optional NumDigitsAfterDecimal As Variant, _
                             Optional IncludeLeadingDigit As Variant, _
                             Optional UseParensForNegativeNumbers As Variant, _
                             Optional GroupDigits As Variant) As String
    FormatNumber = VlrnFormatNumeric(Expression, "Standard", NumDigitsAfterDecimal, _
                                     IncludeLeadingDigit, UseParensForNegativeNumbers, GroupDigits)
End Function

' Expression as an amount in the regional currency, with FormatNumber's
' arguments.
Public Function FormatCurrency(Expression As Variant, Optional NumDigitsAfterDecimal As Variant, _
                               Optional IncludeLeadingDigit As Variant, _
                               Optional UseParensForNegativeNumbers As Variant, _
                               Optional GroupDigits As Variant) As String
    FormatCurrency = VlrnFormatNumeric(Expression, "Currency", NumDigitsAfterDecimal, _
                                       IncludeLeadingDigit, UseParensForNegativeNumbers, GroupDigits)
End Function

' Expression times 100 with a percent sign, with FormatNumber's arguments.
Public Function FormatPercent(Expression As Variant, Optional NumDigitsAfterDecimal As Variant, _
                              Optional IncludeLeadingDigit As Variant, _
                              Optional UseParensForNegativeNumbers As Variant, _
                              Optional GroupDigits As Variant) As String
    FormatPercent = VlrnFormatNumeric(Expression, "Percent", NumDigitsAfterDecimal, _
                                      IncludeLeadingDigit, UseParensForNegativeNumbers, GroupDigits)
End Function

' A date or time in the regional format NamedFormat names: 0 the general
' date (the default), 1 the long date, 2 the short date, 3 the long time,
' 4 the short time.
Public Function FormatDateTime(Expression As Variant, Optional NamedFormat As Variant) As String
    Dim intFormat As Integer, strFormat As String
    If Not IsMissing(NamedFormat) Then intFormat = NamedFormat
    If intFormat = 0 Then
        strFormat = "General Date"
    ElseIf intFormat = 1 Then
        strFormat = "Long Date"
    ElseIf intFormat = 2 Then
        strFormat = "Short Date"
    ElseIf intFormat = 3 Then
        strFormat = "Long Time"
    ElseIf intFormat = 4 Then
        strFormat = "Short Time"
    Else
        Err.Raise 5
    End If
    FormatDateTime = Format$(CDate(Expression), strFormat)
End Function
