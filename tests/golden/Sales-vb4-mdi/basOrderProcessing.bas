Attribute VB_Name = "basOrderProcessing"
'VLRN Option Compare Database
Option Explicit

' Order totals, shipping, invoices and the customer mailing list.

' Sum of the lines of one order, discount included
Public Function OrderTotal(ByVal lngOrderID As Long) As Currency
    'VLRN Dim db As Database
    Dim rs As Recordset
    Dim curTotal As Currency

    'VLRN Set db = CurrentDb()
    Set rs = db.OpenRecordset("SELECT * FROM [Order Details] WHERE OrderID=" & lngOrderID, dbOpenSnapshot)
    Do Until rs.EOF
        curTotal = curTotal + rs.Fields("UnitPrice") * rs!Quantity * (1 - rs!Discount)
        rs.MoveNext
    Loop
    rs.Close
    OrderTotal = curTotal
End Function

' Records > Standard Shipping: United Package is the standard carrier
Public Function UseStandardShipping()
    If IsLoaded("Orders") Then
        Orders!grpShipVia = 2
        'VLRN Forms!Orders!txtFreight.Requery
    End If
End Function

Public Function MarkOrderShipped(ByVal lngOrderID As Long) As Boolean
    'VLRN Dim db As Database
    Dim rs As Recordset

    'VLRN Set db = CurrentDb()
    Set rs = db.OpenRecordset("Orders", dbOpenDynaset)
    rs.FindFirst "[OrderID]=" & lngOrderID
    If Not rs.NoMatch Then
        rs.Edit
        rs!ShippedDate = Date
        rs.Update
        MarkOrderShipped = True
    End If
    rs.Close
End Function

' A new order for a customer, due in two weeks; returns its number
Public Function AddFollowUpOrder(ByVal lngCustomerID As Long) As Long
    Dim rs As Recordset

    Set rs = DB.OpenRecordset("Orders", dbOpenDynaset)
    rs.AddNew
    rs!CustomerID = lngCustomerID
    rs("OrderDate") = Date
    rs!RequiredDate = Date + 14
    rs.Update
    'VLRN rs.Bookmark = rs.LastModified
    AddFollowUpOrder = rs!OrderID
    rs.Close
End Function

Public Function PrintCurrentInvoice()
    If Not IsLoaded("Orders") Then
        MsgBox "Open an order first.", vbInformation, APP_TITLE
        Exit Function
    End If
    'VLRN DoCmd.OpenReport "Invoice", acViewPreview, , "[OrderID]=" & Forms("Orders")!OrderID
End Function

Public Function PreviewSalesByCategory()
    'VLRN DoCmd.OpenReport "Sales by Category", acViewPreview
End Function

Public Function PrintSalesByCategory()
    'VLRN DoCmd.OpenReport "Sales by Category", acViewNormal
End Function

' Builds the Customer Mailing List table, or adds the new customers to it
Public Function UpdateMailingList()
    Dim tdf As TableDef
    Dim blnExists As Boolean

    For Each tdf In DB.TableDefs
        If tdf.Name = "Customer Mailing List" Then blnExists = True
    Next tdf

    'VLRN DoCmd.SetWarnings False
    If blnExists Then
        db.Execute "qryAppendMailingList"	'VLRN DoCmd.OpenQuery "qryAppendMailingList"
    Else
        db.Execute "qryMakeMailingList"	'VLRN DoCmd.OpenQuery "qryMakeMailingList"
    End If
    'VLRN DoCmd.SetWarnings True
    MsgBox "The mailing list is up to date.", vbInformation, APP_TITLE
End Function
