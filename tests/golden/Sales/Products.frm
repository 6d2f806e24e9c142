DIM OpenArgsF as string
Option Compare Database
Option Explicit

' Products: three screens (general, stock and pricing, description),
' separated by page breaks.

Private Sub Form_Open(Cancel As Integer)
    ' Only managers may change prices
    If CurrentUser() <> "Admin" And CurrentUser() <> "Manager" Then
        Me!txtUnitPrice.Locked = True
        Me!cmdRaisePrices.Enabled = False
    End If
End Sub

Private Sub Form_Current()
    Me!lstRecentOrders.Requery
End Sub

Private Sub txtProductName_Exit(Cancel As Integer)
    If Not IsNull(Me!txtProductName) Then Me!txtProductName = Trim(Me!txtProductName)
End Sub

Private Sub cboCategoryID_AfterUpdate()
    ' Every category has its own picture
    Me!imgCategory.Picture = "C:\Sales\Bitmaps\cat" & Me!cboCategoryID & ".bmp"
End Sub

Private Sub txtUnitPrice_AfterUpdate()
    Me!txtStockValue.Requery
End Sub

Private Sub lstRecentOrders_DblClick(Cancel As Integer)
    If Not IsNull(Me!lstRecentOrders) Then
        DoCmd.OpenForm "Orders", , , , , , CStr(Me!lstRecentOrders)
    End If
End Sub

Private Sub cmdReorderList_Click()
    DoCmd.OpenQuery "qryProductsToReorder", acViewNormal, acReadOnly
End Sub
Property Let OpenArgs(strOpenArgs as string)
    OpenArgsF=strOpenArgs
End Property

Property Get OpenArgs() as string
    OpenArgs=OpenArgsF
End Property
