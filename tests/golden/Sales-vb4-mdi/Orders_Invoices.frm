VERSION 4.00
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
   MDIChild = -1
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
   Begin SSCalendarWidgets_A.SSDateCombo txtFromDate
      Left = 3360
      Top = 960
      _Version = 65536
      Width = 2327.82
      _ExtentX = 2327.82
      Height = 502.5975
      _ExtentY = 502.5975
      _StockProps = 77
      DefaultDate = ""
      MinDate = "1950/1/1"
      MaxDate = "2050/12/31"
      AllowNullDate = -1
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
   Begin SSCalendarWidgets_A.SSDateCombo txtToDate
      Left = 3360
      Top = 1320
      _Version = 65536
      Width = 2327.82
      _ExtentX = 2327.82
      Height = 502.5975
      _ExtentY = 502.5975
      _StockProps = 77
      DefaultDate = ""
      MinDate = "1950/1/1"
      MaxDate = "2050/12/31"
      AllowNullDate = -1
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
         Width = 2310
         Height = 210
         Left = 170
         Index = 1
         TabIndex = 94
         Top = 270
      End
      Begin VB.OptionButton grpSortOrder
         Caption =  "C&ustomer"
         ForeColor= &H0&
         Width = 2310
         Height = 210
         Left = 170
         Index = 2
         TabIndex = 94
         Top = 630
      End
      Begin VB.OptionButton grpSortOrder
         Caption =  "Order N&umber"
         ForeColor= &H0&
         Width = 2310
         Height = 210
         Left = 170
         Index = 3
         TabIndex = 94
         Top = 990
      End
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
    Me!datlstInvoices.Refresh	'VLRN Me!lstInvoices.Requery
End Sub

Private Sub lstShippers_AfterUpdate()
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
    Orders.Openargs =  "Invoices"
    Orders.Show	'VLRN DoCmd.OpenForm "Orders", acNormal, , "[OrderID]=" & Me!lstInvoices, , , "Invoices"
End Sub

Private Sub cmdPreviewInvoice_Click()
    If Not IsNull(Me!lstInvoices) Then
        'VLRN DoCmd.OpenReport "Invoice", acViewPreview, , "[OrderID]=" & Me!lstInvoices
    End If
End Sub

Private Sub lstShippers_Click()

    Call lstShippers_AfterUpdate
End Sub

Private Sub grpSortOrder_Click(Index as Integer)

    Call grpSortOrder_AfterUpdate
End Sub

Private Sub cmdCloseInvoices_Click()
    Call mcrNavigation_CloseForm
End Sub
Property Let OpenArgs(strOpenArgs as string)
    OpenArgsF=strOpenArgs
End Property

Property Get OpenArgs as string
    OpenArgs=OpenArgsF
End Property
