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
   Begin DataList.GTList lstShippers
      Bindings = "Orders_Invoices.frx":0000
      Height = 2010.39
      Left = 240
      TabIndex = 0
      Top = 960
      Width = 3809.16
      _Version =   65536
      HelpContextID = 0
      AllowColumnDragDrop = 0
      DefColCaptionBorderStyle = 3
      MultiSelect = 0
      ColumnCaptions =0
      BeginProperty DefColCaptionFont {0BE35203-8F91-11CE-9DE3-00AA004BB851}
         Name = "MS Sans Serif"
         charset = 0
         weight = 400
         Size = 8.25
         underline = 0
         italic = 0
         strikethrough = 0
      EndProperty
      BeginProperty DefFont {0BE35203-8F91-11CE-9DE3-00AA004BB851}
         Name = "MS Sans Serif"
         charset = 0
         weight = 400
         Size = 8.25
         underline = 0
         italic = 0
         strikethrough = 0
      EndProperty
      BeginProperty ScrollTipFont {0BE35203-8F91-11CE-9DE3-00AA004BB851}
         Name = "MS Sans Serif"
         charset = 0
         weight = 400
         Size = 8.25
         underline = 0
         italic = 0
         strikethrough = 0
      EndProperty
      BeginProperty ExtendTipFont {0BE35203-8F91-11CE-9DE3-00AA004BB851}
         Name = "MS Sans Serif"
         charset = 0
         weight = 400
         Size = 8.25
         underline = 0
         italic = 0
         strikethrough = 0
      EndProperty
      CDs.Count = 2
      CDs.CD(0).SubItemSource = 0
      CDs.CD(0).WordWrap = 0
      CDs.CD(0).CaptionWordWrap = 0
      CDs.CD(0).FontDefined = -1
      CDs.CD(0).DataField="ShipperID"
      CDs.CD(0).Caption="ShipperID"
      BeginProperty CDs.CD(0).Font {0BE35203-8F91-11CE-9DE3-00AA004BB851}
         Name = "MS Sans Serif"
         charset = 0
         weight = 400
         Size = 8.25
         underline = 0
         italic = 0
         strikethrough = 0
      EndProperty
      CDs.CD(0).CaptionFontDefined = -1
      BeginProperty CDs.CD(0).CaptionFont {0BE35203-8F91-11CE-9DE3-00AA004BB851}
         Name = "MS Sans Serif"
         charset = 0
         weight = 400
         Size = 8.25
         underline = 0
         italic = 0
         strikethrough = 0
      EndProperty
      CDs.CD(0).Width = 0
      CDs.CD(0).Visible = 0
      CDs.CD(0).KEY = ""
      CDs.CD(1).SubItemSource = 1
      CDs.CD(1).SubColumn = 1
      CDs.CD(1).WordWrap = 0
      CDs.CD(1).CaptionWordWrap = 0
      CDs.CD(1).FontDefined = -1
      CDs.CD(1).DataField="CompanyName"
      CDs.CD(1).Caption="CompanyName"
      BeginProperty CDs.CD(1).Font {0BE35203-8F91-11CE-9DE3-00AA004BB851}
         Name = "MS Sans Serif"
         charset = 0
         weight = 400
         Size = 8.25
         underline = 0
         italic = 0
         strikethrough = 0
      EndProperty
      CDs.CD(1).CaptionFontDefined = -1
      BeginProperty CDs.CD(1).CaptionFont {0BE35203-8F91-11CE-9DE3-00AA004BB851}
         Name = "MS Sans Serif"
         charset = 0
         weight = 400
         Size = 8.25
         underline = 0
         italic = 0
         strikethrough = 0
      EndProperty
      CDs.CD(1).Width = 2160
      CDs.CD(1).KEY = ""
      LImgs.Count = 1
      GridLineType = 2
      _ExtentX = 3809.16
      _ExtentY = 2010.39
      _StockProps = 81
      BackColor = -2147483643
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
   Begin DataList.GTList lstInvoices
      Bindings = "Orders_Invoices.frx":0017
      Height = 4232.4
      Left = 120
      TabIndex = 5
      Top = 2700
      Width = 12697.2
      _Version =   65536
      HelpContextID = 0
      AllowColumnDragDrop = 0
      DefColCaptionBorderStyle = 3
      MultiSelect = 0
      ColumnCaptions =-1
      BeginProperty DefColCaptionFont {0BE35203-8F91-11CE-9DE3-00AA004BB851}
         Name = "MS Sans Serif"
         charset = 0
         weight = 400
         Size = 8.25
         underline = 0
         italic = 0
         strikethrough = 0
      EndProperty
      BeginProperty DefFont {0BE35203-8F91-11CE-9DE3-00AA004BB851}
         Name = "MS Sans Serif"
         charset = 0
         weight = 400
         Size = 8.25
         underline = 0
         italic = 0
         strikethrough = 0
      EndProperty
      BeginProperty ScrollTipFont {0BE35203-8F91-11CE-9DE3-00AA004BB851}
         Name = "MS Sans Serif"
         charset = 0
         weight = 400
         Size = 8.25
         underline = 0
         italic = 0
         strikethrough = 0
      EndProperty
      BeginProperty ExtendTipFont {0BE35203-8F91-11CE-9DE3-00AA004BB851}
         Name = "MS Sans Serif"
         charset = 0
         weight = 400
         Size = 8.25
         underline = 0
         italic = 0
         strikethrough = 0
      EndProperty
      CDs.Count = 4
      CDs.CD(0).SubItemSource = 0
      CDs.CD(0).WordWrap = 0
      CDs.CD(0).CaptionWordWrap = 0
      CDs.CD(0).FontDefined = -1
      CDs.CD(0).DataField="OrderID"
      CDs.CD(0).Caption="OrderID"
      BeginProperty CDs.CD(0).Font {0BE35203-8F91-11CE-9DE3-00AA004BB851}
         Name = "MS Sans Serif"
         charset = 0
         weight = 400
         Size = 8.25
         underline = 0
         italic = 0
         strikethrough = 0
      EndProperty
      CDs.CD(0).CaptionFontDefined = -1
      BeginProperty CDs.CD(0).CaptionFont {0BE35203-8F91-11CE-9DE3-00AA004BB851}
         Name = "MS Sans Serif"
         charset = 0
         weight = 400
         Size = 8.25
         underline = 0
         italic = 0
         strikethrough = 0
      EndProperty
      CDs.CD(0).Width = 900
      CDs.CD(0).KEY = ""
      CDs.CD(1).SubItemSource = 1
      CDs.CD(1).SubColumn = 1
      CDs.CD(1).WordWrap = 0
      CDs.CD(1).CaptionWordWrap = 0
      CDs.CD(1).FontDefined = -1
      CDs.CD(1).DataField="OrderDate"
      CDs.CD(1).Caption="OrderDate"
      BeginProperty CDs.CD(1).Font {0BE35203-8F91-11CE-9DE3-00AA004BB851}
         Name = "MS Sans Serif"
         charset = 0
         weight = 400
         Size = 8.25
         underline = 0
         italic = 0
         strikethrough = 0
      EndProperty
      CDs.CD(1).CaptionFontDefined = -1
      BeginProperty CDs.CD(1).CaptionFont {0BE35203-8F91-11CE-9DE3-00AA004BB851}
         Name = "MS Sans Serif"
         charset = 0
         weight = 400
         Size = 8.25
         underline = 0
         italic = 0
         strikethrough = 0
      EndProperty
      CDs.CD(1).Width = 1200
      CDs.CD(1).KEY = ""
      CDs.CD(2).SubItemSource = 2
      CDs.CD(2).SubColumn = 2
      CDs.CD(2).WordWrap = 0
      CDs.CD(2).CaptionWordWrap = 0
      CDs.CD(2).FontDefined = -1
      CDs.CD(2).DataField="CompanyName"
      CDs.CD(2).Caption="CompanyName"
      BeginProperty CDs.CD(2).Font {0BE35203-8F91-11CE-9DE3-00AA004BB851}
         Name = "MS Sans Serif"
         charset = 0
         weight = 400
         Size = 8.25
         underline = 0
         italic = 0
         strikethrough = 0
      EndProperty
      CDs.CD(2).CaptionFontDefined = -1
      BeginProperty CDs.CD(2).CaptionFont {0BE35203-8F91-11CE-9DE3-00AA004BB851}
         Name = "MS Sans Serif"
         charset = 0
         weight = 400
         Size = 8.25
         underline = 0
         italic = 0
         strikethrough = 0
      EndProperty
      CDs.CD(2).Width = 3600
      CDs.CD(2).KEY = ""
      CDs.CD(3).SubItemSource = 3
      CDs.CD(3).SubColumn = 3
      CDs.CD(3).WordWrap = 0
      CDs.CD(3).CaptionWordWrap = 0
      CDs.CD(3).FontDefined = -1
      CDs.CD(3).DataField="ShippedDate"
      CDs.CD(3).Caption="ShippedDate"
      BeginProperty CDs.CD(3).Font {0BE35203-8F91-11CE-9DE3-00AA004BB851}
         Name = "MS Sans Serif"
         charset = 0
         weight = 400
         Size = 8.25
         underline = 0
         italic = 0
         strikethrough = 0
      EndProperty
      CDs.CD(3).CaptionFontDefined = -1
      BeginProperty CDs.CD(3).CaptionFont {0BE35203-8F91-11CE-9DE3-00AA004BB851}
         Name = "MS Sans Serif"
         charset = 0
         weight = 400
         Size = 8.25
         underline = 0
         italic = 0
         strikethrough = 0
      EndProperty
      CDs.CD(3).Width = 1200
      CDs.CD(3).KEY = ""
      LImgs.Count = 1
      GridLineType = 2
      _ExtentX = 12697.2
      _ExtentY = 4232.4
      _StockProps = 81
      BackColor = -2147483643
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
    Orders.Openargs = "Invoices"
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
    datlstInvoices.DatabaseName = db.Name
End Function
