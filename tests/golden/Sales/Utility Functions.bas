Attribute VB_Name = "Utility_Functions"
'VLRN Option Compare Database
Option Explicit

' General helpers for forms, macros, menus and toolbars.

' True when the form is open in Form view or Datasheet view
Public Function IsLoaded(ByVal strFormName As String) As Boolean
    Const conObjStateClosed = 0
    Const conDesignView = 0

    If SysCmdVB(10, acForm, strFormName) <> conObjStateClosed Then
        If GetFormFromName(strFormName).CurrentView <> conDesignView Then
            IsLoaded = True
        End If
    End If
End Function

' Status bar text, called from event properties as =ShowStatus("...")
Public Function ShowStatus(ByVal varText As Variant) As Boolean
    If Len(Nz(varText, "")) = 0 Then
        SysCmd 5
    Else
        SysCmd 4, varText
    End If
    ShowStatus = True
End Function

Public Function ClearStatus() As Boolean
    ClearStatus = ShowStatus(Null)
End Function

Public Function ShowAbout()
    'VLRN MsgBox APP_TITLE & " version " & APP_VERSION & vbCrLf & "Signed in as " & CurrentUser() & " since " & Format(gdtmStarted, "Short Time"), vbInformation, "About " & APP_TITLE
End Function

' Opens the Orders form; over the Customers form it shows that customer's orders
Public Function OpenOrders()
    If IsLoaded("Customers") Then
        If Not IsNull(Customers!txtCustomerID) Then
            Orders.Show	'VLRN DoCmd.OpenForm "Orders", , , "[CustomerID]=" & Forms!Customers!txtCustomerID
            Exit Function
        End If
    End If
    Orders.Show	'VLRN DoCmd.OpenForm "Orders"
End Function

Public Function OpenInvoiceFinder()
    Orders_Invoices.Show	'VLRN DoCmd.OpenForm "Orders/Invoices"
End Function

Public Function OpenReportOptions()
    Report_Options.Show vbModal 	'VLRN DoCmd.OpenForm "Report Options", , , , , acDialog
End Function

' List-filling function of the quarter list on the Report Options form
Public Function FillQuarterList(ctl As Control, varID As Variant, lngRow As Long, lngCol As Long, intCode As Integer) As Variant
    Dim varReturn As Variant

    Select Case intCode
        Case 0	'VLRN Case acLBInitialize
            varReturn = True
        Case 1	'VLRN Case acLBOpen
            varReturn = Timer
        Case 3	'VLRN Case acLBGetRowCount
            varReturn = 4
        Case 4	'VLRN Case acLBGetColumnCount
            varReturn = 2
        Case 5	'VLRN Case acLBGetColumnWidth
            ' -1 keeps the width of the ColumnWidths property
            varReturn = -1
        Case 6	'VLRN Case acLBGetValue
            If lngCol = 0 Then
                varReturn = lngRow + 1
            Else
                varReturn = "Quarter " & (lngRow + 1) & " (" & Format(DateSerial(2000, lngRow * 3 + 1, 1), "mmm") & " - " & Format(DateSerial(2000, lngRow * 3 + 3, 1), "mmm") & ")"
            End If
        Case 9	'VLRN Case acLBEnd
            ' nothing to release
    End Select
    FillQuarterList = varReturn
End Function
