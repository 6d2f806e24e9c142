DIM OpenArgsF as string
Option Compare Database
Option Explicit

' Report Options: picks the report, the range of shipping dates and the output.

Private Sub Form_Load()
    Me!calStartDate.Value = DateSerial(Year(Date), 1, 1)
    Me!calEndDate.Value = Date
    Me!grpOutput = 1
    Me!cboReport = 1
End Sub

Private Sub lstQuarter_AfterUpdate()
    Dim intQuarter As Integer

    intQuarter = Me!lstQuarter
    Me!calStartDate.Value = DateSerial(Year(Date), (intQuarter - 1) * 3 + 1, 1)
    Me!calEndDate.Value = DateSerial(Year(Date), intQuarter * 3 + 1, 0)
End Sub

Private Sub cmdOK_Click()
    Dim strReport As String
    Dim strWhere As String

    If Me!calEndDate.Value < Me!calStartDate.Value Then
        MsgBox "The end date lies before the start date.", vbExclamation, "Print Reports"
        Exit Sub
    End If

    If Me!cboReport = 1 Then
        strReport = "Sales by Category"
    Else
        strReport = "Invoice"
    End If
    strWhere = "[ShippedDate] Between #" & Format(Me!calStartDate.Value, "mm/dd/yyyy") & "# And #" & Format(Me!calEndDate.Value, "mm/dd/yyyy") & "#"

    Application.Echo False
    Select Case Me!grpOutput
        Case 1      ' preview
            DoCmd.OpenReport strReport, acViewPreview, , strWhere
            Reports(strReport).Caption = strReport & " (" & Format(Me!calStartDate.Value, "Short Date") & " - " & Format(Me!calEndDate.Value, "Short Date") & ")"
        Case 2      ' printer
            DoCmd.OpenReport strReport, acViewNormal, , strWhere
        Case 3      ' Excel file
            DoCmd.OutputTo acOutputReport, strReport, acFormatXLS, "C:\Sales\Export\" & strReport & ".xls", True
    End Select
    Application.Echo True
    DoCmd.Close acForm, "Report Options"
End Sub

Private Sub cmdCancel_Click()
    DoCmd.Close acForm, Me.Name
End Sub
Property Let OpenArgs(strOpenArgs as string)
    OpenArgsF=strOpenArgs
End Property

Property Get OpenArgs() as string
    OpenArgs=OpenArgsF
End Property
