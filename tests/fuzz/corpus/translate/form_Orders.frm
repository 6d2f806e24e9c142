VERSION 5.00
Begin VB.Form Orders
   Caption = "Orders"
   Begin VB.TextBox Total
      Left = 10
   End
End
Private Sub Form_Load()
Dim rs As Recordset
rs.Total = Forms!Orders!Total
If IsNull(Me!Total) Then DoCmd.Close
End Sub
'