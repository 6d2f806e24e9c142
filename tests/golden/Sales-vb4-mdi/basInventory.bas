Attribute VB_Name = "basInventory"
'VLRN Option Compare Database
Option Explicit

' Stock checks, with a progress meter in the status bar.

Public Function ReorderCheck() As Integer
    'VLRN Dim db As Database
    Dim rs As Recordset
    Dim lngCount As Long
    Dim lngDone As Long
    Dim intLow As Integer
    Dim varReturn As Variant

    'VLRN Set db = CurrentDb()
    Set rs = db.OpenRecordset("SELECT * FROM Products WHERE Discontinued=False", dbOpenSnapshot)
    If rs.EOF Then
        rs.Close
        Exit Function
    End If
    rs.MoveLast
    lngCount = rs.RecordCount
    rs.MoveFirst

    varReturn = SysCmdVB(1, "Checking stock levels...", lngCount)
    Do While Not rs.EOF
        If rs!UnitsInStock + rs!UnitsOnOrder <= rs.Fields("ReorderLevel").Value Then
            intLow = intLow + 1
        End If
        lngDone = lngDone + 1
        varReturn = SysCmdVB(2, lngDone)
        rs.MoveNext
    Loop
    rs.Close
    varReturn = SysCmdVB(3)

    If intLow > 0 Then
        If MsgBox(intLow & " products should be reordered. Show them now?", vbQuestion + vbYesNo, "Stock") = vbYes Then
            'VLRN DoCmd.OpenQuery "qryProductsToReorder", acViewNormal, acReadOnly
        End If
    Else
        MsgBox "All products are sufficiently in stock.", vbInformation, "Stock"
    End If
    ReorderCheck = intLow
End Function

' Moves delivered units from the order count onto the shelf
Public Function ReceiveStock(ByVal lngProductID As Long, ByVal intUnits As Integer) As Boolean
    Dim rs As Recordset

    Set rs = DB.OpenRecordset("Products", dbOpenDynaset)
    rs.FindFirst "ProductID=" & lngProductID
    If rs.NoMatch Then
        ReceiveStock = False
    Else
        rs.Edit
        rs!UnitsInStock = rs!UnitsInStock + intUnits
        If rs!UnitsOnOrder >= intUnits Then
            rs!UnitsOnOrder = rs!UnitsOnOrder - intUnits
        Else
            rs!UnitsOnOrder = 0
        End If
        rs.Update
        ReceiveStock = True
        'VLRN If IsLoaded("Products") Then Forms!Products.Requery
    End If
    rs.Close
End Function
