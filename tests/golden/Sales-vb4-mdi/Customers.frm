DIM OpenArgsF as string
Option Compare Database
Option Explicit

' Customers: one customer per page, the order statistics below.

Private Const HIGHLIGHT_COLOR As Long = 13434879   ' light yellow
Private Const NORMAL_COLOR As Long = 16777215

Private Sub Form_Load()
    ' The Orders form passes the name typed into its customer box
    If Not IsNull(Me.OpenArgs) Then
        DoCmd.GoToRecord , , acNewRec
        Me!txtCompanyName = Me.OpenArgs
    End If
    Me!tglShowAll = False
End Sub

Private Sub Form_Current()
    Me!cmdOrdersForCustomer.Enabled = Not Me.NewRecord
End Sub

Private Sub txtCompanyName_BeforeUpdate(Cancel As Integer)
    Dim rs As Recordset

    ' Warn about a second customer with the same name
    Set rs = Me.RecordsetClone
    rs.FindFirst "[CompanyName]=""" & Me!txtCompanyName & """ AND [CustomerID]<>" & Nz(Me!txtCustomerID, 0)
    If Not rs.NoMatch Then
        If MsgBox("Another customer is already called " & Me!txtCompanyName & "." & vbCrLf & "Keep this name?", vbQuestion + vbYesNo, "Customers") = vbNo Then
            Cancel = True
        End If
    End If
    rs.Close
End Sub

Private Sub txtCompanyName_DblClick(Cancel As Integer)
    ' Show the invoices of this customer
    If Not IsNull(Me!txtCustomerID) Then
        DoCmd.OpenForm "Orders/Invoices", , , , , , CStr(Me!txtCustomerID)
    End If
End Sub

Private Sub txtContactName_GotFocus()
    Me!txtContactName.BackColor = HIGHLIGHT_COLOR
End Sub

Private Sub txtContactName_LostFocus()
    Me!txtContactName.BackColor = NORMAL_COLOR
End Sub

Private Sub txtPostalCode_Change()
    ' Five digits are a ZIP code: assume the United States
    If Len(Me!txtPostalCode.Text) = 5 And IsNull(Me!cboCountry) Then
        Me!cboCountry = "USA"
    End If
End Sub

Private Sub lstCustomerType_AfterUpdate()
    ' Wholesale customers and distributors need a credit check
    If Me!lstCustomerType > 1 And IsNull(Me!chkCreditApproved) Then
        MsgBox "Please have the credit of this customer checked.", vbInformation, "Customers"
    End If
End Sub

Private Sub optPreferred_AfterUpdate()
    If Me!optPreferred Then Me!chkActive = True
End Sub

Private Sub tglShowAll_AfterUpdate()
    If Me!tglShowAll Then
        Me.FilterOn = False
        Me!tglShowAll.Caption = "Hide &Inactive"
    Else
        Me.Filter = "[Active]=True"
        Me.FilterOn = True
        Me!tglShowAll.Caption = "Show &Inactive"
    End If
End Sub

Private Sub cmdNewCustomer_Click()
    DoCmd.GoToRecord , , acNewRec
    DoCmd.GoToControl "txtCompanyName"
End Sub

Private Sub cmdOrdersForCustomer_Click()
    DoCmd.OpenForm "Orders", , , "[CustomerID]=" & Me!txtCustomerID
    Forms!Orders!cboCustomerID.SetFocus
End Sub
Property Let OpenArgs(strOpenArgs as string)
    OpenArgsF=strOpenArgs
End Property

Property Get OpenArgs() as string
    OpenArgs=OpenArgsF
End Property
