Version =20
VersionRequired =20
Begin Form
    AllowDeletions = NotDefault
    AutoCenter = NotDefault
    DefaultView =0
    ViewsAllowed =1
    GridX =24
    GridY =24
    Width =8760
    ItemSuffix =58
    HelpContextId =3000
    RecSrcDt = Begin
        0x1cc7711c8c7ee140
    End
    RecordSource ="Customers"
    Caption ="Customers"
    OnCurrent ="[Event Procedure]"
    OnLoad ="[Event Procedure]"
    OnClose ="mcrNavigation.ReturnToSwitchboard"
    PrtMip = Begin
        0xa0050000a0050000a0050000a005000000000000201c0000e010000001000000 ,
        0x010000006801000000000000a10700000100000001000000
    End
    Begin
        Begin Label
            BackStyle =0
            Height =240
            FontName ="Tahoma"
        End
        Begin CommandButton
            Height =360
            FontWeight =400
            FontName ="Tahoma"
        End
        Begin CheckBox
            SpecialEffect =2
            LabelX =260
        End
        Begin TextBox
            SpecialEffect =2
            Height =285
            FontName ="Tahoma"
        End
        Begin ComboBox
            SpecialEffect =2
            Height =285
            FontName ="Tahoma"
        End
        Begin PageHeader
            Visible = NotDefault
            Height =540
            BackColor =16777215
            Name ="PageHeaderSection"
            Begin
                Begin Label
                    Left =120
                    Top =60
                    Width =4320
                    Height =360
                    FontSize =14
                    FontWeight =700
                    Name ="lblPrintTitle"
                    Caption ="Customer List"
                End
                Begin Line
                    Left =120
                    Top =480
                    Width =8520
                    Height =0
                    Name ="linHeader"
                End
            End
        End
        Begin Section
            Height =6600
            BackColor =-2147483633
            Name ="Detail"
            Begin
                Begin TextBox
                    Enabled = NotDefault
                    Locked = NotDefault
                    TabStop = NotDefault
                    Left =1500
                    Top =120
                    Width =1080
                    Name ="txtCustomerID"
                    ControlSource ="CustomerID"
                    Begin
                        Begin Label
                            Left =120
                            Top =120
                            Width =1320
                            Name ="lblCustomerID"
                            Caption ="Customer ID:"
                        End
                    End
                End
                Begin TextBox
                    Left =1500
                    Top =480
                    Width =2880
                    TabIndex =1
                    Name ="txtCompanyName"
                    ControlSource ="CompanyName"
                    StatusBarText ="Double-click to see the invoices of this customer"
                    BeforeUpdate ="[Event Procedure]"
                    OnDblClick ="[Event Procedure]"
                    Begin
                        Begin Label
                            Left =120
                            Top =480
                            Width =1320
                            Name ="lblCompanyName"
                            Caption ="Company:"
                        End
                    End
                End
                Begin TextBox
                    Left =1500
                    Top =840
                    Width =2880
                    TabIndex =2
                    Name ="txtContactName"
                    ControlSource ="ContactName"
                    OnGotFocus ="[Event Procedure]"
                    OnLostFocus ="[Event Procedure]"
                    Begin
                        Begin Label
                            Left =120
                            Top =840
                            Width =1320
                            Name ="lblContactName"
                            Caption ="Contact:"
                        End
                    End
                End
                Begin TextBox
                    Left =1500
                    Top =1200
                    Width =2880
                    TabIndex =3
                    Name ="txtContactTitle"
                    ControlSource ="ContactTitle"
                    OnEnter ="=ShowStatus(\"Job title of the contact person\")"
                    OnExit ="=ClearStatus()"
                    Begin
                        Begin Label
                            Left =120
                            Top =1200
                            Width =1320
                            Name ="lblContactTitle"
                            Caption ="Title:"
                        End
                    End
                End
                Begin TextBox
                    EnterKeyBehavior = NotDefault
                    Left =1500
                    Top =1560
                    Width =2880
                    Height =555
                    TabIndex =4
                    Name ="txtAddress"
                    ControlSource ="Address"
                    Begin
                        Begin Label
                            Left =120
                            Top =1560
                            Width =1320
                            Name ="lblAddress"
                            Caption ="Address:"
                        End
                    End
                End
                Begin TextBox
                    Left =1500
                    Top =2220
                    Width =2160
                    TabIndex =5
                    Name ="txtCity"
                    ControlSource ="City"
                    Begin
                        Begin Label
                            Left =120
                            Top =2220
                            Width =1320
                            Name ="lblCity"
                            Caption ="City:"
                        End
                    End
                End
                Begin TextBox
                    Left =1500
                    Top =2580
                    Width =1440
                    TabIndex =6
                    Name ="txtPostalCode"
                    ControlSource ="PostalCode"
                    InputMask ="00000\\-9999;;_"
                    OnChange ="[Event Procedure]"
                    Begin
                        Begin Label
                            Left =120
                            Top =2580
                            Width =1320
                            Name ="lblPostalCode"
                            Caption ="Postal code:"
                        End
                    End
                End
                Begin ComboBox
                    ListRows =8
                    Left =1500
                    Top =2940
                    Width =2160
                    TabIndex =7
                    Name ="cboCountry"
                    ControlSource ="Country"
                    RowSourceType ="Value List"
                    RowSource ="USA;Canada;Mexico;UK;France;Germany;Brazil"
                    Begin
                        Begin Label
                            Left =120
                            Top =2940
                            Width =1320
                            Name ="lblCountry"
                            Caption ="Country:"
                        End
                    End
                End
                Begin TextBox
                    Left =1500
                    Top =3300
                    Width =2160
                    TabIndex =8
                    Name ="txtPhone"
                    ControlSource ="Phone"
                    InputMask ="!\\(999\") \"000\\-0000;;_"
                    Begin
                        Begin Label
                            Left =120
                            Top =3300
                            Width =1320
                            Name ="lblPhone"
                            Caption ="Phone:"
                        End
                    End
                End
                Begin ListBox
                    ColumnCount =2
                    Left =5820
                    Top =120
                    Width =1800
                    Height =780
                    TabIndex =9
                    Name ="lstCustomerType"
                    ControlSource ="CustomerType"
                    RowSourceType ="Value List"
                    RowSource ="1;Retail;2;Wholesale;3;Distributor"
                    ColumnWidths ="0;1440"
                    AfterUpdate ="[Event Procedure]"
                    Begin
                        Begin Label
                            Left =4560
                            Top =120
                            Width =1200
                            Name ="lblCustomerType"
                            Caption ="Type:"
                        End
                    End
                End
                Begin CheckBox
                    Left =5820
                    Top =1080
                    Width =260
                    Height =240
                    TabIndex =10
                    Name ="chkActive"
                    ControlSource ="Active"
                    DefaultValue ="-1"
                    Begin
                        Begin Label
                            Left =6080
                            Top =1050
                            Width =1800
                            Name ="lblActive"
                            Caption ="Active customer"
                        End
                    End
                End
                Begin CheckBox
                    TripleState = NotDefault
                    Left =5820
                    Top =1380
                    Width =260
                    Height =240
                    TabIndex =11
                    Name ="chkCreditApproved"
                    ControlSource ="CreditApproved"
                    ControlTipText ="Grey: the credit has not been checked yet"
                    Begin
                        Begin Label
                            Left =6080
                            Top =1350
                            Width =1800
                            Name ="lblCreditApproved"
                            Caption ="Credit approved"
                        End
                    End
                End
                Begin OptionButton
                    Left =5820
                    Top =1680
                    Width =260
                    Height =240
                    TabIndex =12
                    Name ="optPreferred"
                    ControlSource ="Preferred"
                    AfterUpdate ="[Event Procedure]"
                    Begin
                        Begin Label
                            Left =6080
                            Top =1650
                            Width =1800
                            Name ="lblPreferred"
                            Caption ="Preferred customer"
                        End
                    End
                End
                Begin ToggleButton
                    Left =5820
                    Top =2040
                    Width =1800
                    Height =360
                    TabIndex =13
                    Name ="tglShowAll"
                    Caption ="Show &Inactive"
                    AfterUpdate ="[Event Procedure]"
                    ControlTipText ="Also show customers that are no longer active"
                End
                Begin BoundObjectFrame
                    OldBorderStyle =1
                    Left =5820
                    Top =2880
                    Width =2760
                    Height =1440
                    TabIndex =14
                    Name ="objLogo"
                    ControlSource ="Logo"
                    Begin
                        Begin Label
                            Left =4560
                            Top =2880
                            Width =1200
                            Name ="lblLogo"
                            Caption ="Logo:"
                        End
                    End
                End
                Begin Subform
                    Left =120
                    Top =4680
                    Width =8520
                    Height =1260
                    TabIndex =15
                    Name ="sfrmCustomerStats"
                    SourceObject ="Customer Statistics"
                    LinkChildFields ="CustomerID"
                    LinkMasterFields ="CustomerID"
                    Begin
                        Begin Label
                            Left =120
                            Top =4440
                            Width =2160
                            Name ="lblCustomerStats"
                            Caption ="Order history"
                        End
                    End
                End
                Begin CommandButton
                    Left =120
                    Top =6120
                    Width =1440
                    TabIndex =16
                    Name ="cmdNewCustomer"
                    Caption ="&New Customer"
                    OnClick ="[Event Procedure]"
                End
                Begin CommandButton
                    Left =1680
                    Top =6120
                    Width =1440
                    TabIndex =17
                    Name ="cmdOrdersForCustomer"
                    Caption ="View &Orders"
                    OnClick ="[Event Procedure]"
                End
                Begin CommandButton
                    Left =7440
                    Top =6120
                    Width =1200
                    TabIndex =18
                    Name ="cmdCloseCustomers"
                    Caption ="&Close"
                    OnClick ="mcrNavigation.CloseForm"
                End
            End
        End
        Begin PageFooter
            Height =360
            BackColor =16777215
            Name ="PageFooterSection"
            Tag ="PrintOnly"
            Begin
                Begin TextBox
                    OldBorderStyle =0
                    TextAlign =3
                    Left =6840
                    Top =60
                    Width =1800
                    Height =240
                    Name ="txtPageNumber"
                    ControlSource ="=\"Page \" & [Page]"
                End
            End
        End
    End
End
CodeBehindForm
Attribute VB_GlobalNameSpace = False
Attribute VB_Creatable = True
Attribute VB_PredeclaredId = True
Attribute VB_Exposed = False
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
