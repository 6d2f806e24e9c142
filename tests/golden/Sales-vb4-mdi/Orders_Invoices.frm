DIM OpenArgsF as string
Option Compare Database
Option Explicit

' Orders/Invoices: finds invoices by shipper and order date.
' OpenArgs may hold a customer number (double-click on the Customers form).

Private Const SQL_BASE As String = "SELECT Orders.OrderID, Orders.OrderDate, Customers.CompanyName, Orders.ShippedDate FROM Customers INNER JOIN Orders ON Customers.CustomerID = Orders.CustomerID"

Private Sub Form_Load()
    RebuildInvoiceList
End Sub

Private Sub RebuildInvoiceList()
    Dim strWhere As String
    Dim strOrder As String

    strWhere = " WHERE Orders.OrderDate Between #" & Format(Nz(Me!txtFromDate, #1/1/1990#), "mm/dd/yyyy") & "# And #" & Format(Nz(Me!txtToDate, Date), "mm/dd/yyyy") & "#"
    If Not IsNull(Me!lstShippers) Then strWhere = strWhere & " AND Orders.ShipVia=" & Me!lstShippers
    If Not IsNull(Me.OpenArgs) Then strWhere = strWhere & " AND Orders.CustomerID=" & Me.OpenArgs

    Select Case Me!grpSortOrder
        Case 1
            strOrder = " ORDER BY Orders.OrderDate DESC;"
        Case 2
            strOrder = " ORDER BY Customers.CompanyName, Orders.OrderDate DESC;"
        Case Else
            strOrder = " ORDER BY Orders.OrderID;"
    End Select
    Me!lstInvoices.RowSource = SQL_BASE & strWhere & strOrder
    Me!lstInvoices.Requery
End Sub

Private Sub lstShippers_AfterUpdate()
    RebuildInvoiceList
End Sub

Private Sub grpSortOrder_AfterUpdate()
    RebuildInvoiceList
End Sub

Private Sub cmdSearch_Click()
    RebuildInvoiceList
End Sub

Private Sub lstInvoices_DblClick(Cancel As Integer)
    cmdOpenOrder_Click
End Sub

Private Sub cmdOpenOrder_Click()
    If IsNull(Me!lstInvoices) Then
        MsgBox "Select an invoice first.", vbInformation, "Invoices"
        Exit Sub
    End If
    DoCmd.OpenForm "Orders", acNormal, , "[OrderID]=" & Me!lstInvoices, , , "Invoices"
End Sub

Private Sub cmdPreviewInvoice_Click()
    If Not IsNull(Me!lstInvoices) Then
        DoCmd.OpenReport "Invoice", acViewPreview, , "[OrderID]=" & Me!lstInvoices
    End If
End Sub
Property Let OpenArgs(strOpenArgs as string)
    OpenArgsF=strOpenArgs
End Property

Property Get OpenArgs() as string
    OpenArgs=OpenArgsF
End Property
