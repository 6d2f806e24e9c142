DIM OpenArgsF as string
Option Compare Database
Option Explicit

' Order statistics of the customer shown on the Customers form.

Private Sub Form_Current()
    Dim dblUsed As Double

    ' How much of the credit limit the orders use, in percent
    If Nz(Me!CreditLimit, 0) > 0 Then
        dblUsed = Nz(Me!TotalSales, 0) / Me!CreditLimit * 100
        If dblUsed > 100 Then dblUsed = 100
    Else
        dblUsed = 0
    End If
    Me!ocxCreditUsage.Value = dblUsed
End Sub
Property Let OpenArgs(strOpenArgs as string)
    OpenArgsF=strOpenArgs
End Property

Property Get OpenArgs() as string
    OpenArgs=OpenArgsF
End Property
