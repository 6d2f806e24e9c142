Attribute VB_Name = "Utility Functions"
Option Compare Database
Option Explicit

' General helpers for forms, macros, menus and toolbars.

' True when the form is open in Form view or Datasheet view
Public Function IsLoaded(ByVal strFormName As String) As Boolean
    Const conObjStateClosed = 0
    Const conDesignView = 0

    If SysCmd(acSysCmdGetObjectState, acForm, strFormName) <> conObjStateClosed Then
        If Forms(strFormName).CurrentView <> conDesignView Then
            IsLoaded = True
        End If
    End If
End Function

' Status bar text, called from event properties as =ShowStatus("...")
Public Function ShowStatus(ByVal varText As Variant) As Boolean
    If Len(Nz(varText, "")) = 0 Then
        SysCmd acSysCmdClearStatus
    Else
        SysCmd acSysCmdSetStatus, varText
    End If
    ShowStatus = True
End Function

Public Function ClearStatus() As Boolean
    ClearStatus = ShowStatus(Null)
End Function

Public Function ShowAbout()
    MsgBox APP_TITLE & " version " & APP_VERSION & vbCrLf & "Signed in as " & CurrentUser() & " since " & Format(gdtmStarted, "Short Time"), vbInformation, "About " & APP_TITLE
End Function

' Opens the Orders form; over the Customers form it shows that customer's orders
Public Function OpenOrders()
    If IsLoaded("Customers") Then
        If Not IsNull(Forms!Customers!txtCustomerID) Then
            DoCmd.OpenForm "Orders", , , "[CustomerID]=" & Forms!Customers!txtCustomerID
            Exit Function
        End If
    End If
    DoCmd.OpenForm "Orders"
End Function

Public Function OpenInvoiceFinder()
    DoCmd.OpenForm "Orders/Invoices"
End Function

Public Function OpenReportOptions()
    DoCmd.OpenForm "Report Options", , , , , acDialog
End Function

' List-filling function of the quarter list on the Report Options form
Public Function FillQuarterList(ctl As Control, varID As Variant, lngRow As Long, lngCol As Long, intCode As Integer) As Variant
    Dim varReturn As Variant

    Select Case intCode
        Case acLBInitialize
            varReturn = True
        Case acLBOpen
            varReturn = Timer
        Case acLBGetRowCount
            varReturn = 4
        Case acLBGetColumnCount
            varReturn = 2
        Case acLBGetColumnWidth
            ' -1 keeps the width of the ColumnWidths property
            varReturn = -1
        Case acLBGetValue
            If lngCol = 0 Then
                varReturn = lngRow + 1
            Else
                varReturn = "Quarter " & (lngRow + 1) & " (" & Format(DateSerial(2000, lngRow * 3 + 1, 1), "mmm") & " - " & Format(DateSerial(2000, lngRow * 3 + 3, 1), "mmm") & ")"
            End If
        Case acLBEnd
            ' nothing to release
    End Select
    FillQuarterList = varReturn
End Function
