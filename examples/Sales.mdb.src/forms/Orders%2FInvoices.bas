Version =20
VersionRequired =20
Begin Form
    RecordSelectors = NotDefault
    NavigationButtons = NotDefault
    AutoCenter = NotDefault
    DividingLines = NotDefault
    DefaultView =0
    ScrollBars =0
    ViewsAllowed =1
    BorderStyle =1
    GridX =24
    GridY =24
    Width =7440
    ItemSuffix =27
    HelpContextId =2100
    Caption ="Find an Invoice"
    OnLoad ="[Event Procedure]"
    Begin
        Begin Label
            BackStyle =0
            Height =240
        End
        Begin Rectangle
            SpecialEffect =3
            BackStyle =0
        End
        Begin CommandButton
            Height =360
            FontWeight =400
        End
        Begin TextBox
            SpecialEffect =2
            Height =285
        End
        Begin ToggleButton
            FontWeight =400
        End
        Begin Section
            Height =5760
            BackColor =-2147483633
            Name ="Detail"
            Begin
                Begin Label
                    Left =120
                    Top =120
                    Width =4320
                    Height =360
                    FontSize =12
                    FontWeight =700
                    Name ="lblFindTitle"
                    Caption ="Find an Invoice"
                End
                Begin ListBox
                    ColumnCount =2
                    Left =240
                    Top =960
                    Width =2160
                    Height =1140
                    Name ="lstShippers"
                    RowSourceType ="Table/Query"
                    RowSource ="qryShippersList"
                    ColumnWidths ="0;2160"
                    AfterUpdate ="[Event Procedure]"
                    Begin
                        Begin Label
                            Left =240
                            Top =690
                            Width =1200
                            Name ="lblShippers"
                            Caption ="Shipper:"
                        End
                    End
                End
                Begin TextBox
                    Left =3360
                    Top =960
                    Width =1320
                    TabIndex =1
                    Name ="txtFromDate"
                    Format ="Short Date"
                    InputMask ="99/99/0000;0;_"
                    DefaultValue ="=DateSerial(Year(Date()),1,1)"
                    Begin
                        Begin Label
                            Left =2520
                            Top =960
                            Width =780
                            Name ="lblFromDate"
                            Caption ="From:"
                        End
                    End
                End
                Begin TextBox
                    Left =3360
                    Top =1320
                    Width =1320
                    TabIndex =2
                    Name ="txtToDate"
                    Format ="Short Date"
                    DefaultValue ="=Date()"
                    Begin
                        Begin Label
                            Left =2520
                            Top =1320
                            Width =780
                            Name ="lblToDate"
                            Caption ="To:"
                        End
                    End
                End
                Begin CommandButton
                    Left =3360
                    Top =1740
                    Width =1320
                    TabIndex =3
                    Name ="cmdSearch"
                    Caption ="&Search"
                    OnClick ="[Event Procedure]"
                End
                Begin OptionGroup
                    Left =4920
                    Top =840
                    Width =2280
                    Height =1320
                    TabIndex =4
                    Name ="grpSortOrder"
                    DefaultValue ="1"
                    AfterUpdate ="[Event Procedure]"
                    Begin
                        Begin Label
                            Left =5040
                            Top =720
                            Width =720
                            Name ="lblSortOrder"
                            Caption ="Sort by"
                        End
                        Begin ToggleButton
                            Left =5040
                            Top =960
                            Width =2040
                            Height =300
                            OptionValue =1
                            Name ="tglByDate"
                            Caption ="Order &Date"
                        End
                        Begin ToggleButton
                            Left =5040
                            Top =1320
                            Width =2040
                            Height =300
                            TabIndex =1
                            OptionValue =2
                            Name ="tglByCustomer"
                            Caption ="C&ustomer"
                        End
                        Begin ToggleButton
                            Left =5040
                            Top =1680
                            Width =2040
                            Height =300
                            TabIndex =2
                            OptionValue =3
                            Name ="tglByNumber"
                            Caption ="Order N&umber"
                        End
                    End
                End
                Begin ListBox
                    ColumnHeads = NotDefault
                    ColumnCount =4
                    Left =120
                    Top =2700
                    Width =7200
                    Height =2400
                    TabIndex =5
                    Name ="lstInvoices"
                    RowSourceType ="Table/Query"
                    RowSource ="SELECT Orders.OrderID, Orders.OrderDate, Customers.CompanyName, Orders.ShippedDa"
                        "te FROM Customers INNER JOIN Orders ON Customers.CustomerID = Orders.CustomerID "
                        "ORDER BY Orders.OrderDate DESC;"
                    ColumnWidths ="900;1200;3600;1200"
                    OnDblClick ="[Event Procedure]"
                    Begin
                        Begin Label
                            Left =120
                            Top =2400
                            Width =1440
                            Name ="lblInvoices"
                            Caption ="Invoices:"
                        End
                    End
                End
                Begin CommandButton
                    Left =120
                    Top =5280
                    Width =1560
                    TabIndex =6
                    Name ="cmdOpenOrder"
                    Caption ="&Open Order"
                    OnClick ="[Event Procedure]"
                End
                Begin CommandButton
                    Left =1800
                    Top =5280
                    Width =1560
                    TabIndex =7
                    Name ="cmdPreviewInvoice"
                    Caption ="Pre&view Invoice"
                    OnClick ="[Event Procedure]"
                End
                Begin CommandButton
                    Left =6120
                    Top =5280
                    Width =1200
                    TabIndex =8
                    Name ="cmdCloseInvoices"
                    Caption ="&Close"
                    OnClick ="mcrNavigation.CloseForm"
                End
                Begin Rectangle
                    Left =120
                    Top =600
                    Width =7200
                    Height =1680
                    Name ="rctFilter"
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
