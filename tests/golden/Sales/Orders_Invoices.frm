VERSION 5.00
Object="{8D650141-6025-11D1-BC40-0000C042AEC0}#3.0#0"; "SSDW3B32.OCX"
Begin VB.Form Orders_Invoices
   BorderStyle = 1
   Caption ="Find an Invoice"
   ClientHeight = 5760
   ClientLeft = 250
   ClientTop = 500
   ClientWidth = 7440
   Height = 5760
   Left = 250
   LinkTopic = "Orders_Invoices"
   MaxButton = True
   MinButton = True
   ShowInTaskbar = 0
   Top = 500
   Width = 7440
   BackColor= &H8000000F&
   ControlBox=True
   BeginProperty Font
      Name = "Arial"
      charset = 0
      weight = 400
      Size = 8
      underline = 0
      italic = 0
      strikethrough = 0
   EndProperty
   ForeColor=&H00000000&
   HelpContextID=2100
   Begin VB.Label lblFindTitle
      BackColor= &HFFFFFF&
      BackStyle=0
      BorderStyle=0
      Caption="Find an Invoice"
      ForeColor= &H0&
      BeginProperty Font
         Name = "MS Sans Serif"
         charset = 0
         weight = 700
         Size = 12
         underline = 0
         italic = 0
         strikethrough = 0
      EndProperty
      Alignment =0
      Height = 360
      Left = 120
      Top = 120
      Width = 4320
   End
   Begin SSDataWidgets_B.SSDBGrid lstShippers
      Bindings = "Orders_Invoices.frx":0000
      Height = 1140
      Left = 240
      TabIndex =0
      Top = 960
      Width = 2160
      HelpContextID = 0
      _Version = 131072
      DataMode=0
      BeginProperty HeadFont {0BE35203-8F91-11CE-9DE3-00AA004BB851}
         Name = "Arial"
         charset = 0
         weight = 400
         Size = 8
         underline = 0
         italic = 0
         strikethrough = 0
      EndProperty
      RecordSelectors = 0
      GroupHeaders = 0
      ColumnHeaders = 0
      FieldSeparator = "~"
      DividerType = 1
      RowSelectionStyle = 1
      SelectTypeRow = 1
      AllowUpdate = 0
      SelectByCell = -1
      MaxSelectedRows = 1
      ForeColorEven = 0
      BackColorOdd = 16777215
      RowHeight = 450
      Columns.count = 2
      Columns(0).Width = 0
      Columns(0).Visible = 0
      Columns(0).Caption = "ShipperID"
      Columns(0).Name = "ShipperID"
      Columns(0).DataField = "ShipperID"
      Columns(0).DataType = 8
      Columns(0).FieldLen = 4096
      Columns(1).Width = 2160
      Columns(1).Caption = "CompanyName"
      Columns(1).Name = "CompanyName"
      Columns(1).DataField = "CompanyName"
      Columns(1).DataType = 8
      Columns(1).FieldLen = 4096
      _ExtentX = 3809.16
      _ExtentY = 2010.39
      _StockProps = 79
      BeginProperty Font
         Name = "MS Sans Serif"
         charset = 0
         weight = 400
         Size = 8
         underline = 0
         italic = 0
         strikethrough = 0
      EndProperty
      TabStop =True
      BackColor= &HFFFFFF&
      ForeColor= &H0&
      Tag="Jet  qryShippersList"
   End
   Begin VB.Data datlstShippers
      Caption = "datlstShippers"
      Connect = "Access"
      DatabaseName = "Sales.mdb"
      Exclusive = 0
      Height = 300
      Left = 240
      Options = 0
      ReadOnly = 1
      RecordsetType = 2
      RecordSource = "qryShippersList"
      Top = 2100
      Width = 1215
      Visible = False
   End
   Begin VB.Label lblShippers
      BackColor= &HFFFFFF&
      BackStyle=0
      BorderStyle=0
      Caption="Shipper:"
      ForeColor= &H0&
      BeginProperty Font
         Name = "MS Sans Serif"
         charset = 0
         weight = 400
         Size = 8
         underline = 0
         italic = 0
         strikethrough = 0
      EndProperty
      Alignment =0
      Height = 240
      Left = 240
      Top = 690
      Width = 1200
   End
   Begin VB.TextBox txtFromDate
      BorderStyle=1
      Alignment =0
      Height = 285
      Left = 3360
      Top = 960
      Width = 1320
      Text = ""
      Locked =0
      HelpContextID = 0
      TabIndex =1
      BackColor= &HFFFFFF&
      ForeColor= &H0&
      BeginProperty Font
         Name = "MS Sans Serif"
         charset = 0
         weight = 400
         Size = 8
         underline = 0
         italic = 0
         strikethrough = 0
      EndProperty
      ScrollBars = 0
   End
   Begin VB.Label lblFromDate
      BackColor= &HFFFFFF&
      BackStyle=0
      BorderStyle=0
      Caption="From:"
      ForeColor= &H0&
      BeginProperty Font
         Name = "MS Sans Serif"
         charset = 0
         weight = 400
         Size = 8
         underline = 0
         italic = 0
         strikethrough = 0
      EndProperty
      Alignment =0
      Height = 240
      Left = 2520
      Top = 960
      Width = 780
   End
   Begin VB.TextBox txtToDate
      BorderStyle=1
      Alignment =0
      Height = 285
      Left = 3360
      Top = 1320
      Width = 1320
      Text = ""
      Locked =0
      HelpContextID = 0
      TabIndex =2
      BackColor= &HFFFFFF&
      ForeColor= &H0&
      BeginProperty Font
         Name = "MS Sans Serif"
         charset = 0
         weight = 400
         Size = 8
         underline = 0
         italic = 0
         strikethrough = 0
      EndProperty
      ScrollBars = 0
   End
   Begin VB.Label lblToDate
      BackColor= &HFFFFFF&
      BackStyle=0
      BorderStyle=0
      Caption="To:"
      ForeColor= &H0&
      BeginProperty Font
         Name = "MS Sans Serif"
         charset = 0
         weight = 400
         Size = 8
         underline = 0
         italic = 0
         strikethrough = 0
      EndProperty
      Alignment =0
      Height = 240
      Left = 2520
      Top = 1320
      Width = 780
   End
   Begin VB.CommandButton cmdSearch
      Caption = "&Search"
      BeginProperty Font
         Name = "MS Sans Serif"
         charset = 0
         weight = 400
         Size = 8
         underline = 0
         italic = 0
         strikethrough = 0
      EndProperty
      Height = 360
      Left = 3360
      TabIndex = 3
      Top = 1740
      Width = 1320
      HelpContextID = 0
   End
   Begin VB.Frame grpgrpSortOrder
      Caption =  "Sort by"
      BackColor= &HFFFFFF&
      ForeColor= &H0&
      Height = 1470
      Left = 4920
      TabIndex = 4
      HelpContextID = 0
      Top = 690
      Width = 2280
      Begin VB.OptionButton grpSortOrder
         Caption =  "Order &Date"
         ForeColor= &H0&
         Width = 2040
         Height = 300
         Style = 1
         Left = 170
         Index = 1
         TabIndex = 94
         Top = 270
      End
      Begin VB.OptionButton grpSortOrder
         Caption =  "C&ustomer"
         ForeColor= &H0&
         Width = 2040
         Height = 300
         Style = 1
         Left = 170
         Index = 2
         TabIndex = 94
         Top = 630
      End
      Begin VB.OptionButton grpSortOrder
         Caption =  "Order N&umber"
         ForeColor= &H0&
         Width = 2040
         Height = 300
         Style = 1
         Left = 170
         Index = 3
         TabIndex = 94
         Top = 990
      End
   End
   Begin SSDataWidgets_B.SSDBGrid lstInvoices
      Bindings = "Orders_Invoices.frx":0017
      Height = 2400
      Left = 120
      TabIndex =5
      Top = 2700
      Width = 7200
      HelpContextID = 0
      _Version = 131072
      DataMode=0
      BeginProperty HeadFont {0BE35203-8F91-11CE-9DE3-00AA004BB851}
         Name = "Arial"
         charset = 0
         weight = 400
         Size = 8
         underline = 0
         italic = 0
         strikethrough = 0
      EndProperty
      RecordSelectors = 0
      GroupHeaders = 0
      FieldSeparator = "~"
      DividerType = 1
      RowSelectionStyle = 1
      SelectTypeRow = 1
      AllowUpdate = 0
      SelectByCell = -1
      MaxSelectedRows = 1
      ForeColorEven = 0
      BackColorOdd = 16777215
      RowHeight = 450
      Columns.count = 4
      Columns(0).Width = 900
      Columns(0).Caption = "OrderID"
      Columns(0).Name = "OrderID"
      Columns(0).DataField = "OrderID"
      Columns(0).DataType = 8
      Columns(0).FieldLen = 4096
      Columns(1).Width = 1200
      Columns(1).Caption = "OrderDate"
      Columns(1).Name = "OrderDate"
      Columns(1).DataField = "OrderDate"
      Columns(1).DataType = 8
      Columns(1).FieldLen = 4096
      Columns(2).Width = 3600
      Columns(2).Caption = "CompanyName"
      Columns(2).Name = "CompanyName"
      Columns(2).DataField = "CompanyName"
      Columns(2).DataType = 8
      Columns(2).FieldLen = 4096
      Columns(3).Width = 1200
      Columns(3).Caption = "ShippedDate"
      Columns(3).Name = "ShippedDate"
      Columns(3).DataField = "ShippedDate"
      Columns(3).DataType = 8
      Columns(3).FieldLen = 4096
      _ExtentX = 12697.2
      _ExtentY = 4232.4
      _StockProps = 79
      BeginProperty Font
         Name = "MS Sans Serif"
         charset = 0
         weight = 400
         Size = 8
         underline = 0
         italic = 0
         strikethrough = 0
      EndProperty
      TabStop =True
      BackColor= &HFFFFFF&
      ForeColor= &H0&
      Tag="Jet  SELECT Orders.OrderID, Orders.OrderDate, Customers.CompanyName, Orders.ShippedDate FROM Customers INNER JOIN Orders ON Customers.CustomerID = Orders.CustomerID ORDER BY Orders.OrderDate DESC;"
   End
   Begin VB.Data datlstInvoices
      Caption = "datlstInvoices"
      Connect = "Access"
      DatabaseName = "Sales.mdb"
      Exclusive = 0
      Height = 300
      Left = 120
      Options = 0
      ReadOnly = 1
      RecordsetType = 2
      RecordSource = "SELECT Orders.OrderID, Orders.OrderDate, Customers.CompanyName, Orders.ShippedDate FROM Customers INNER JOIN Orders ON Customers.CustomerID = Orders.CustomerID ORDER BY Orders.OrderDate DESC;"
      Top = 5100
      Width = 1215
      Visible = False
   End
   Begin VB.Label lblInvoices
      BackColor= &HFFFFFF&
      BackStyle=0
      BorderStyle=0
      Caption="Invoices:"
      ForeColor= &H0&
      BeginProperty Font
         Name = "MS Sans Serif"
         charset = 0
         weight = 400
         Size = 8
         underline = 0
         italic = 0
         strikethrough = 0
      EndProperty
      Alignment =0
      Height = 240
      Left = 120
      Top = 2400
      Width = 1440
   End
   Begin VB.CommandButton cmdOpenOrder
      Caption = "&Open Order"
      BeginProperty Font
         Name = "MS Sans Serif"
         charset = 0
         weight = 400
         Size = 8
         underline = 0
         italic = 0
         strikethrough = 0
      EndProperty
      Height = 360
      Left = 120
      TabIndex = 6
      Top = 5280
      Width = 1560
      HelpContextID = 0
   End
   Begin VB.CommandButton cmdPreviewInvoice
      Caption = "Pre&view Invoice"
      BeginProperty Font
         Name = "MS Sans Serif"
         charset = 0
         weight = 400
         Size = 8
         underline = 0
         italic = 0
         strikethrough = 0
      EndProperty
      Height = 360
      Left = 1800
      TabIndex = 7
      Top = 5280
      Width = 1560
      HelpContextID = 0
   End
   Begin VB.CommandButton cmdCloseInvoices
      Caption = "&Close"
      BeginProperty Font
         Name = "MS Sans Serif"
         charset = 0
         weight = 400
         Size = 8
         underline = 0
         italic = 0
         strikethrough = 0
      EndProperty
      Height = 360
      Left = 6120
      TabIndex = 8
      Top = 5280
      Width = 1200
      HelpContextID = 0
   End
   Begin VB.Shape rctFilter
      Height = 1680
      Left = 120
      Top = 600
      Width = 7200
      FillColor = &HFFFFFF&
      FillStyle = 1
      BorderStyle = 1
      BorderColor = &H0&
   End
End
DIM OpenArgsF as string
'VLRN Option Compare Database
Option Explicit

' Orders/Invoices: finds invoices by shipper and order date.
' OpenArgs may hold a customer number (double-click on the Customers form).

Private Const SQL_BASE As String = "SELECT Orders.OrderID, Orders.OrderDate, Customers.CompanyName, Orders.ShippedDate FROM Customers INNER JOIN Orders ON Customers.CustomerID = Orders.CustomerID"

Private Sub Form_Load()
    Dim vReturnValue as variant
    vReturnValue=InitialValues()
    Me.Move (Screen.Width - Me.Width) / 2, (Screen.Height - Me.Height) / 2
    RebuildInvoiceList
End Sub

Private Sub RebuildInvoiceList()
    Dim strWhere As String
    Dim strOrder As String

    strWhere = " WHERE Orders.OrderDate Between #" & Format(Nz(Me!txtFromDate, #1/1/1990#), "mm/dd/yyyy") & "# And #" & Format(Nz(Me!txtToDate, Date), "mm/dd/yyyy") & "#"
    If Not IsNull(Me!lstShippers) Then strWhere = strWhere & " AND Orders.ShipVia=" & Me!lstShippers
    If Not IsNull(Me.OpenArgs) Then strWhere = strWhere & " AND Orders.CustomerID=" & Me.OpenArgs

    Select Case grpSortOrder(OptionGroupValue(Me.grpSortOrder)).Index
        Case 1
            strOrder = " ORDER BY Orders.OrderDate DESC;"
        Case 2
            strOrder = " ORDER BY Customers.CompanyName, Orders.OrderDate DESC;"
        Case Else
            strOrder = " ORDER BY Orders.OrderID;"
    End Select
    'VLRN Me!lstInvoices.RowSource = SQL_BASE & strWhere & strOrder
    datlstInvoices.Refresh	'VLRN Me!lstInvoices.Requery
End Sub

Private Sub lstShippers_AfterUpdate(RtnDispErrMsg As Integer)
    RebuildInvoiceList
End Sub

Private Sub grpSortOrder_AfterUpdate(Index as Integer)
    RebuildInvoiceList
End Sub

Private Sub cmdSearch_Click()
    RebuildInvoiceList
End Sub

Private Sub lstInvoices_DblClick()
    cmdOpenOrder_Click
End Sub

Private Sub cmdOpenOrder_Click()
    If IsNull(Me!lstInvoices) Then
        MsgBox "Select an invoice first.", vbInformation, "Invoices"
        Exit Sub
    End If
    Load Orders
    Orders.Openargs = "Invoices"
    Orders.Show	'VLRN DoCmd.OpenForm "Orders", acNormal, , "[OrderID]=" & Me!lstInvoices, , , "Invoices"
End Sub

Private Sub cmdPreviewInvoice_Click()
    If Not IsNull(Me!lstInvoices) Then
        'VLRN DoCmd.OpenReport "Invoice", acViewPreview, , "[OrderID]=" & Me!lstInvoices
    End If
End Sub

Private Sub grpSortOrder_Click(Index as Integer)

    Call grpSortOrder_AfterUpdate(Index)
End Sub

Private Sub cmdCloseInvoices_Click()
    Call mcrNavigation_CloseForm
End Sub
Property Let OpenArgs(strOpenArgs as string)
    OpenArgsF=strOpenArgs
End Property

Property Get OpenArgs() as string
    OpenArgs=OpenArgsF
End Property
Function InitialValues()
    datlstShippers.DatabaseName = db.Name
    txtFromDate.Text = DateSerial(Year(Date()),1,1)
    txtToDate.Text = Date()
    datlstInvoices.DatabaseName = db.Name
End Function
