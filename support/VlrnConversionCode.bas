Attribute VB_Name = "VlrnConversionCode"
' Support routines for a project converted from Access by Velorin.
' Velorin appends GetFormFromName and Sub Main to this module.
Option Explicit

Public wks As Workspace
Public db As Database
Public gvarReturn As Variant

Private mstrMeterText As String
Private mdblMeterMax As Double

' The n-th field (from 1) of strText split at strDelim; "" when there is none.
Public Function gettoken(ByVal strText As String, ByVal intN As Integer, ByVal strDelim As String) As String
    Dim lngStart As Long, lngNext As Long, intField As Integer
    gettoken = ""
    If intN < 1 Or Len(strDelim) = 0 Then Exit Function
    lngStart = 1
    For intField = 1 To intN - 1
        lngNext = InStr(lngStart, strText, strDelim)
        If lngNext = 0 Then Exit Function
        lngStart = lngNext + Len(strDelim)
    Next intField
    lngNext = InStr(lngStart, strText, strDelim)
    If lngNext = 0 Then
        gettoken = Mid$(strText, lngStart)
    Else
        gettoken = Mid$(strText, lngStart, lngNext - lngStart)
    End If
End Function

' The Index of the selected button of an option button control array; the
' lowest index when none is selected.
Public Function OptionGroupValue(ctlGroup As Object) As Integer
    Dim ctl As Object
    On Error Resume Next
    OptionGroupValue = ctlGroup.LBound
    For Each ctl In ctlGroup
        If ctl.Value = True Then
            OptionGroupValue = ctl.Index
            Exit Function
        End If
    Next ctl
End Function

' Access's Nz: the value, or when it is Null the value given for Null (Empty
' when none is given).
Public Function Nz(varValue As Variant, Optional varValueIfNull As Variant) As Variant
    If Not IsNull(varValue) Then
        Nz = varValue
    ElseIf IsMissing(varValueIfNull) Then
        Nz = Empty
    Else
        Nz = varValueIfNull
    End If
End Function

' A value as Jet SQL reads it, by its type when it is read: Null for Null (it
' equals nothing), text in quotes with its quotes doubled, a date as a date
' literal, a number as Str$ writes it, whatever the locale.
Public Function SqlValue(ByVal varValue As Variant) As String
    Dim strText As String
    Dim lngAt As Long
    Select Case VarType(varValue)
    Case vbNull, vbEmpty
        SqlValue = "Null"
    Case vbString
        strText = varValue
        lngAt = InStr(strText, """")
        Do While lngAt > 0
            strText = Left$(strText, lngAt) & Mid$(strText, lngAt)
            lngAt = InStr(lngAt + 2, strText, """")
        Loop
        SqlValue = """" & strText & """"
    Case vbDate
        SqlValue = "#" & Format$(varValue, "mm\/dd\/yyyy hh\:nn\:ss") & "#"
    Case vbBoolean
        SqlValue = IIf(varValue, "True", "False")
    Case Else
        SqlValue = Trim$(Str$(varValue))
    End Select
End Function

' Access's SysCmd for the actions a Visual Basic program can carry out: the
' status text and meter go to a status bar named sbStatus on the MDI parent
' form when there is one.
Public Function SysCmdVB(ByVal intAction As Integer, Optional varArg1 As Variant, Optional varArg2 As Variant) As Variant
    Dim frm As Object
    On Error Resume Next
    SysCmdVB = Null
    Select Case intAction
    Case 1  ' init meter: text, maximum
        mstrMeterText = CStr(varArg1)
        mdblMeterMax = CDbl(varArg2)
        ShowStatus mstrMeterText
        Screen.MousePointer = vbHourglass
    Case 2  ' update meter: value
        If mdblMeterMax > 0 Then ShowStatus mstrMeterText & " " & Format$(CDbl(varArg1) / mdblMeterMax, "0%")
    Case 3  ' remove meter
        mstrMeterText = ""
        mdblMeterMax = 0
        ShowStatus ""
        Screen.MousePointer = vbDefault
    Case 4  ' set status text
        ShowStatus CStr(varArg1)
    Case 5  ' clear status text
        ShowStatus ""
    Case 6  ' runtime
        SysCmdVB = False
    Case 7  ' Access version
        SysCmdVB = "8.0"
    Case 8, 9  ' ini file, Access directory
        SysCmdVB = App.Path
    Case 10  ' object state: 1 when a form of that name is loaded
        SysCmdVB = 0
        For Each frm In Forms
            If StrComp(frm.Name, CStr(varArg2), vbTextCompare) = 0 Then SysCmdVB = 1
        Next frm
    Case 13  ' workgroup file
        SysCmdVB = DBEngine.SystemDB
    End Select
End Function

Private Sub ShowStatus(ByVal strText As String)
    Dim frm As Object
    On Error Resume Next
    For Each frm In Forms
        If frm.Name = "MDIParent" Then frm.sbStatus.SimpleText = strText
    Next frm
End Sub

' The row source a list or grid carries in its Tag, after an optional tip and
' "~": "Jet  source", or "SQLPassthrough  query ~ SQL" for a saved pass-through
' query, whose name is returned.
Private Function SourceFromTag(ByVal strTag As String, blnPassthrough As Boolean) As String
    Dim lngPos As Long
    lngPos = InStr(strTag, "SQLPassthrough  ")
    blnPassthrough = lngPos > 0
    If blnPassthrough Then
        SourceFromTag = gettoken(Mid$(strTag, lngPos + 16), 1, " ~ ")
        Exit Function
    End If
    lngPos = InStr(strTag, "Jet  ")
    If lngPos > 0 Then SourceFromTag = Mid$(strTag, lngPos + 5)
End Function

' The rows of a table, query or SELECT as item texts, their fields joined by
' strSeparator; a value list is split at ";" into rows of one field.
Private Function ItemTexts(ByVal strSource As String, ctl As Object, ByVal strKind As String, _
                           ByVal strSeparator As String) As Variant
    Dim astrItems() As String, lngCount As Long, rs As Recordset, intField As Integer
    Dim strItem As String, blnPassthrough As Boolean
    Dim lngStart As Long, lngNext As Long
    ReDim astrItems(0)
    lngCount = 0
    On Error GoTo Done
    If strKind = "String" Then
        lngStart = 1
        Do While lngStart <= Len(strSource)
            lngNext = InStr(lngStart, strSource, ";")
            If lngNext = 0 Then lngNext = Len(strSource) + 1
            strItem = Mid$(strSource, lngStart, lngNext - lngStart)
            If Len(strItem) >= 2 And Left$(strItem, 1) = Chr$(34) And Right$(strItem, 1) = Chr$(34) Then
                strItem = Mid$(strItem, 2, Len(strItem) - 2)
            End If
            lngCount = lngCount + 1
            ReDim Preserve astrItems(lngCount)
            astrItems(lngCount) = strItem
            lngStart = lngNext + 1
        Loop
    Else
        ' A pass-through query runs on its server through its saved definition.
        strItem = SourceFromTag(ctl.Tag, blnPassthrough)
        If blnPassthrough Or Len(strSource) = 0 Then strSource = strItem
        If blnPassthrough Then
            Set rs = db.QueryDefs(strSource).OpenRecordset(dbOpenSnapshot)
        Else
            Set rs = db.OpenRecordset(strSource, dbOpenSnapshot)
        End If
        Do While Not rs.EOF
            lngCount = lngCount + 1
            ReDim Preserve astrItems(lngCount)
            strItem = ""
            For intField = 0 To rs.Fields.Count - 1
                If intField > 0 Then strItem = strItem & strSeparator
                strItem = strItem & rs.Fields(intField).Value
            Next intField
            astrItems(lngCount) = strItem
            rs.MoveNext
        Loop
        rs.Close
    End If
Done:
    ItemTexts = astrItems
End Function

' Sheridan Data Widgets grids and combos in AddItem mode; their field
' separator is "~".
Public Function additems(ByVal strSource As String, ctl As Object, ByVal strKind As String) As Variant
    Dim varItems As Variant, lngItem As Long
    On Error Resume Next
    varItems = ItemTexts(strSource, ctl, strKind, "~")
    ctl.RemoveAll
    For lngItem = 1 To UBound(varItems)
        ctl.AddItem varItems(lngItem)
    Next lngItem
    additems = UBound(varItems)
End Function

' GreenTree DataList lists and combos: columns separated by tabs.
Public Function additemsGT(ByVal strSource As String, ctl As Object, ByVal strKind As String) As Variant
    Dim varItems As Variant, lngItem As Long
    On Error Resume Next
    varItems = ItemTexts(strSource, ctl, strKind, vbTab)
    ctl.Clear
    For lngItem = 1 To UBound(varItems)
        ctl.AddItem varItems(lngItem)
    Next lngItem
    additemsGT = UBound(varItems)
End Function

' Standard list and combo boxes: one visible column; of two columns the
' numeric one is the hidden key and goes to ItemData.
Public Function additemsMS(ByVal strSource As String, ctl As Object, ByVal strKind As String) As Variant
    Dim varItems As Variant, lngItem As Long, strFirst As String, strSecond As String
    On Error Resume Next
    varItems = ItemTexts(strSource, ctl, strKind, vbTab)
    ctl.Clear
    For lngItem = 1 To UBound(varItems)
        strFirst = gettoken(varItems(lngItem), 1, vbTab)
        strSecond = gettoken(varItems(lngItem), 2, vbTab)
        If InStr(varItems(lngItem), vbTab) = 0 Then
            ctl.AddItem strFirst
        ElseIf IsNumeric(strFirst) Then
            ctl.AddItem strSecond
            ctl.ItemData(ctl.NewIndex) = CLng(strFirst)
        Else
            ctl.AddItem strFirst
            If IsNumeric(strSecond) Then ctl.ItemData(ctl.NewIndex) = CLng(strSecond)
        End If
    Next lngItem
    additemsMS = UBound(varItems)
End Function
