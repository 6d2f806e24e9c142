VERSION 4.00
Begin VB.Form Products
   BorderStyle = 2
   Caption ="Products"
   ClientHeight = 3520
   ClientLeft = 250
   ClientTop = 500
   ClientWidth = 7920
   Height = 3520
   Left = 250
   LinkTopic = "Products"
   MaxButton = True
   MinButton = True
   Top = 500
   Width = 7920
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
   HelpContextID=4000
   Begin VB.Data datProducts
      Caption = "datProducts"
      Connect = "Access"
      DatabaseName = "Sales.mdb"
      Exclusive = 0
      Height = 300
      Left = 0
      Options = 0
      ReadOnly = 0
      RecordsetType = 1
      RecordSource = "qryProductList"
      Top = 0
      Width = 2700
      Visible = True
   End
   Begin TabDlg.SSTab SSTab1
      Height = 3520
      Left = 0
      TabIndex = 0
      Top = 0
      Width = 13966.92
      _ExtentX =13966.92
      _ExtentY = 6207.52
      _Version = 262144
      Tabs = 3
      TabHeight = 520
      TabCaption(0) = "Tab 0"
      TabPicture(0)  = "Products.frx":0000
      Tab(0).ControlEnabled =-1
      TabCaption(1) = "Tab 1"
      TabPicture(1)  = "Products.frx":001C
      Tab(1).ControlEnabled =0
      TabCaption(2) = "Tab 2"
      TabPicture(2)  = "Products.frx":0038
      Tab(2).ControlEnabled =0
      Tab(0).Control(0)="lblGeneral"
      Tab(0).Control(1)="lblProductID"
      Tab(0).Control(2)="txtProductID"
      Tab(0).Control(3)="lblProductName"
      Tab(0).Control(4)="txtProductName"
      Tab(0).Control(5)="lblCategoryID"
      Tab(0).Control(6)="cboCategoryID"
      Tab(0).Control(7)="datcboCategoryID"
      Tab(0).Control(8)="lblDiscontinued"
      Tab(0).Control(9)="chkDiscontinued"
      Tab(0).Control(10)="imgCategory"
      Tab(1).Control(0)="lblStock"
      Tab(1).Control(1)="lblUnitPrice"
      Tab(1).Control(2)="txtUnitPrice"
      Tab(1).Control(3)="lblUnitsInStock"
      Tab(1).Control(4)="txtUnitsInStock"
      Tab(1).Control(5)="lblReorderLevel"
      Tab(1).Control(6)="txtReorderLevel"
      Tab(1).Control(7)="lblStockValue"
      Tab(1).Control(8)="txtStockValue"
      Tab(1).Control(9)="cmdRaisePrices"
      Tab(1).Control(10)="cmdReorderList"
      Tab(1).Control(11)="lblRecentOrders"
      Tab(1).Control(12)="lstRecentOrders"
      Tab(1).Control(13)="datlstRecentOrders"
      Tab(2).Control(0)="lblDescriptionTitle"
      Tab(2).Control(1)="lblDescription"
      Tab(2).Control(2)="txtDescription"
      Tab(2).Control(3)="cmdCloseProducts"
      Tab(0).ControlCount= 11
      Tab(1).ControlCount= 14
      Tab(2).ControlCount= 4
      Begin VB.Label lblGeneral
         BackColor= &HFFFFFF&
         BackStyle=0
         BorderStyle=0
         Caption="General"
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
         Top = 640
         Width = 3600
      End
      Begin VB.Label lblProductID
         BackColor= &HFFFFFF&
         BackStyle=0
         BorderStyle=0
         Caption="Product ID:"
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
         Left = 180
         Top = 1120
         Width = 1500
      End
      Begin VB.TextBox txtProductID
         DataSource ="datProducts"
         DataField ="ProductID"
         BorderStyle=1
         Alignment =0
         Height = 285
         Left = 1740
         Top = 1120
         Width = 1080
         Text = ""
         Enabled = 0
         Locked =1
         HelpContextID = 0
         TabStop = 0
         TabIndex =0
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
      Begin VB.Label lblProductName
         BackColor= &HFFFFFF&
         BackStyle=0
         BorderStyle=0
         Caption="Product name:"
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
         Left = 180
         Top = 1480
         Width = 1500
      End
      Begin VB.TextBox txtProductName
         DataSource ="datProducts"
         DataField ="ProductName"
         BorderStyle=1
         Alignment =0
         Height = 285
         Left = 1740
         Top = 1480
         Width = 3480
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
      Begin VB.Label lblCategoryID
         BackColor= &HFFFFFF&
         BackStyle=0
         BorderStyle=0
         Caption="Category:"
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
         Left = 180
         Top = 1840
         Width = 1500
      End
      Begin SSDataWidgets_B.SSDBCombo cboCategoryID
         Bindings = "Products.frx":0054
         DataFieldList ="CategoryID"
         DataSourceList ="datcboCategoryID"
         Height = 502.5975
         Left = 1740
         TabIndex =2
         Top = 1840
         Width = 3809.16
         HelpContextID = 0
         _Version = 131078
         DataMode=0
         Cols=2
         Rows=8
         AllowInput=0
         DataSource ="datProducts"
         DataField ="CategoryID"
         BeginProperty HeadFont {0BE35203-8F91-11CE-9DE3-00AA004BB851}
            Name = "Arial"
            charset = 0
            weight = 400
            Size = 8
            underline = 0
            italic = 0
            strikethrough = 0
         EndProperty
         GroupHeaders = 0
         ColumnHeaders = 0
         FieldSeparator = "~"
         DividerType = 1
         RowHeight= 400
         ForeColorEven = 0
         BackColorOdd = 16777215
         Columns.count = 2
         Columns(0).Width = 0
         Columns(0).Visible = 0
         Columns(0).Caption = "CategoryID"
         Columns(0).Name = "CategoryID"
         Columns(0).DataField = "CategoryID"
         Columns(0).DataType = 8
         Columns(0).FieldLen = 4096
         Columns(1).Width = 2160
         Columns(1).Caption = "CategoryName"
         Columns(1).Name = "CategoryName"
         Columns(1).DataField = "CategoryName"
         Columns(1).DataType = 8
         Columns(1).FieldLen = 4096
         _ExtentX = 3809.16
         _ExtentY=502.5975
         _StockProps     =   93
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
      End
      Begin VB.Data datcboCategoryID
         Caption = "datcboCategoryID"
         Connect = "Access"
         DatabaseName = "Sales.mdb"
         Exclusive = 0
         Height = 300
         Left = 1740
         Options = 0
         ReadOnly = 1
         RecordsetType = 2
         RecordSource = "qryCategoryList"
         Top = 2125
         Width = 1215
         Visible = False
      End
      Begin VB.Label lblDiscontinued
         BackColor= &HFFFFFF&
         BackStyle=0
         BorderStyle=0
         Caption="Discontinued"
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
         Left = 2000
         Top = 2230
         Width = 1440
      End
      Begin VB.CheckBox chkDiscontinued
         Caption =  ""
         Value = 0
         BeginProperty Font
            charset = 0
            underline = 0
            italic = 0
            strikethrough = 0
         EndProperty
         Height = 240
         Left = 1740
         TabIndex = 3
         Top = 2260
         Width = 260
         HelpContextID = 0
         DataSource ="datProducts"
         DataField ="Discontinued"
      End
      Begin VB.PictureBox imgCategory
         BeginProperty Font
            charset = 0
            underline = 0
            italic = 0
            strikethrough = 0
         EndProperty
         Height = 1800
         Left = 5460
         ScaleHeight = 6180
         ScaleWidth = 7410
         Top = 1120
         Width = 2280
      End
      Begin VB.Label lblStock
         BackColor= &HFFFFFF&
         BackStyle=0
         BorderStyle=0
         Caption="Stock and Pricing"
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
         Left = -74880
         Top = 640
         Width = 3600
      End
      Begin VB.Label lblUnitPrice
         BackColor= &HFFFFFF&
         BackStyle=0
         BorderStyle=0
         Caption="Unit price:"
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
         Left = -74820
         Top = 1120
         Width = 1500
      End
      Begin VB.TextBox txtUnitPrice
         DataSource ="datProducts"
         DataField ="UnitPrice"
         BorderStyle=1
         Alignment =0
         Height = 285
         Left = -73260
         Top = 1120
         Width = 1440
         Text = ""
         Locked =0
         HelpContextID = 0
         TabIndex =4
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
      Begin VB.Label lblUnitsInStock
         BackColor= &HFFFFFF&
         BackStyle=0
         BorderStyle=0
         Caption="In stock:"
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
         Left = -74820
         Top = 1480
         Width = 1500
      End
      Begin VB.TextBox txtUnitsInStock
         DataSource ="datProducts"
         DataField ="UnitsInStock"
         BorderStyle=1
         Alignment =0
         Height = 285
         Left = -73260
         Top = 1480
         Width = 1080
         Text = ""
         Locked =0
         HelpContextID = 0
         TabIndex =5
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
      Begin VB.Label lblReorderLevel
         BackColor= &HFFFFFF&
         BackStyle=0
         BorderStyle=0
         Caption="Reorder level:"
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
         Left = -74820
         Top = 2200
         Width = 1500
      End
      Begin VB.TextBox txtReorderLevel
         DataSource ="datProducts"
         DataField ="ReorderLevel"
         BorderStyle=1
         Alignment =0
         Height = 285
         Left = -73260
         Top = 2200
         Width = 1080
         Text = ""
         Locked =0
         HelpContextID = 0
         TabIndex =6
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
      Begin VB.Label lblStockValue
         BackColor= &HFFFFFF&
         BackStyle=0
         BorderStyle=0
         Caption="Stock value:"
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
         Left = -74820
         Top = 2560
         Width = 1500
      End
      Begin VB.TextBox txtStockValue
         BorderStyle=1
         Alignment =0
         Height = 285
         Left = -73260
         Top = 2560
         Width = 1440
         Text = ""
         Locked =1
         HelpContextID = 0
         TabStop = 0
         TabIndex =7
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
      Begin VB.CommandButton cmdRaisePrices
         Caption = "Raise &Prices 5%"
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
         Left = -71400
         TabIndex = 8
         Top = 1120
         Width = 1800
         HelpContextID = 0
      End
      Begin VB.CommandButton cmdReorderList
         Caption = "&Reorder List"
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
         Left = -69420
         TabIndex = 9
         Top = 1120
         Width = 1800
         HelpContextID = 0
      End
      Begin VB.Label lblRecentOrders
         BackColor= &HFFFFFF&
         BackStyle=0
         BorderStyle=0
         Caption="Recent orders (double-click to open):"
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
         Left = -71400
         Top = 1540
         Width = 4200
      End
      Begin DataList.GTList lstRecentOrders
         Bindings = "Products.frx":006D
         Height = 2539.44
         Left = -71400
         TabIndex = 10
         Top = 1840
         Width = 7406.7
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
         CDs.Count = 3
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
         CDs.CD(0).Width = 1080
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
         CDs.CD(1).Width = 1440
         CDs.CD(1).KEY = ""
         CDs.CD(2).SubItemSource = 2
         CDs.CD(2).SubColumn = 2
         CDs.CD(2).WordWrap = 0
         CDs.CD(2).CaptionWordWrap = 0
         CDs.CD(2).FontDefined = -1
         CDs.CD(2).DataField="Quantity"
         CDs.CD(2).Caption="Quantity"
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
         CDs.CD(2).Width = 1080
         CDs.CD(2).KEY = ""
         LImgs.Count = 1
         GridLineType = 2
         _ExtentX = 7406.7
         _ExtentY = 2539.44
         _StockProps = 81
         BackColor = -2147483643
         TabStop =True
         BackColor= &HFFFFFF&
         ForeColor= &H0&
         Tag="Jet  SELECT [Order Details].OrderID, Orders.OrderDate, [Order Details].Quantity FROM Orders INNER JOIN [Order Details] ON Orders.OrderID = [Order Details].OrderID WHERE [Order Details].ProductID=[Forms]![Products]![txtProductID] ORDER BY Orders.OrderDate DESC;"
      End
      Begin VB.Data datlstRecentOrders
         Caption = "datlstRecentOrders"
         Connect = "Access"
         DatabaseName = "Sales.mdb"
         Exclusive = 0
         Height = 300
         Left = -71400
         Options = 0
         ReadOnly = 1
         RecordsetType = 2
         RecordSource = "SELECT [Order Details].OrderID, Orders.OrderDate, [Order Details].Quantity FROM Orders INNER JOIN [Order Details] ON Orders.OrderID = [Order Details].OrderID WHERE [Order Details].ProductID=[Forms]![Products]![txtProductID] ORDER BY Orders.OrderDate DESC;"
         Top = 3280
         Width = 1215
         Visible = False
      End
      Begin VB.Label lblDescriptionTitle
         BackColor= &HFFFFFF&
         BackStyle=0
         BorderStyle=0
         Caption="Description and Price Sheet"
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
         Left = -74880
         Top = 640
         Width = 3600
      End
      Begin VB.Label lblDescription
         BackColor= &HFFFFFF&
         BackStyle=0
         BorderStyle=0
         Caption="Description:"
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
         Left = -74880
         Top = 1060
         Width = 1440
      End
      Begin VB.TextBox txtDescription
         DataSource ="datProducts"
         DataField ="Description"
         BorderStyle=1
         Alignment =0
         Height = 1800
         Left = -74880
         Top = 1360
         Width = 3600
         Text = ""
         Locked =0
         HelpContextID = 0
         TabIndex =11
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
         ScrollBars = 2
      End
      Begin VB.CommandButton cmdCloseProducts
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
         Height = 300
         Left = -68400
         TabIndex = 13
         Top = 3160
         Width = 1200
         HelpContextID = 0
      End
   End
End
DIM OpenArgsF as string
'VLRN Option Compare Database
Option Explicit

' Products: three screens (general, stock and pricing, description),
' separated by page breaks.

Private Sub Form_Open(Cancel As Integer)
    ' Only managers may change prices
    'VLRN If CurrentUser() <> "Admin" And CurrentUser() <> "Manager" Then
    'VLRN Me!txtUnitPrice.Locked = True
    'VLRN Me!cmdRaisePrices.Enabled = False
    'VLRN End If
End Sub

Private Sub Form_Current()
    datlstRecentOrders.Refresh	'VLRN Me!lstRecentOrders.Requery
End Sub

Private Sub txtProductName_Exit(Cancel As Integer)
    If Not IsNull(Me!txtProductName) Then Me!txtProductName = Trim(Me!txtProductName)
End Sub

Private Sub cboCategoryID_AfterUpdate()
    ' Every category has its own picture
    Me!imgCategory.Picture = "C:\Sales\Bitmaps\cat" & Me!cboCategoryID & ".bmp"
End Sub

Private Sub txtUnitPrice_AfterUpdate()
    'VLRN Me!txtStockValue.Requery
End Sub

Private Sub lstRecentOrders_DblClick()
    If Not IsNull(Me!lstRecentOrders) Then
        Load Orders
        Orders.Openargs = CStr(Me!lstRecentOrders)
        Orders.Show	'VLRN DoCmd.OpenForm "Orders", , , , , , CStr(Me!lstRecentOrders)
    End If
End Sub

Private Sub cmdReorderList_Click()
    'VLRN DoCmd.OpenQuery "qryProductsToReorder", acViewNormal, acReadOnly
End Sub
Function InitializeButtons()
    On Error Resume Next
    imgCategory.picture =loadpicture(app.path & "\bitmaps\products.bmp")
End Function
Private Sub datProducts_Reposition()
    txtStockValue.text =datProducts.Recordset.Fields("UnitsInStock")*datProducts.Recordset.Fields("UnitPrice")
    Call Form_Current
End Sub
Function InitialDataCtlCaptions()
    On Error Resume Next
    datProducts.Recordset.movenext
    datProducts.Recordset.moveFirst
End Function

Private Sub txtProductName_LostFocus()
    Call txtProductName_Exit(0)
End Sub

Private Sub cboCategoryID_Click()

    Call cboCategoryID_AfterUpdate
End Sub

Private Sub chkDiscontinued_LostFocus()
    Dim varReturn as variant

    gvarReturn =ShowStatus("Discontinued products are not offered on new orders")

End Sub

Private Sub cmdRaisePrices_Click()
    Call mcrPriceUpdate
End Sub

Private Sub cmdCloseProducts_Click()
    Call mcrNavigation_CloseForm
End Sub

Private Sub Form_Activate()
    Dim vReturnValue as variant
    vReturnValue=InitialDataCtlCaptions()
    Dim varReturn as variant
    varReturn =ShowStatus("Products: Page Down shows stock and pricing")
End Sub

Private Sub Form_Deactivate()
    Dim varReturn as variant
    varReturn =ClearStatus
End Sub

Private Sub Form_Initialize()
    Call Form_Open(0)
End Sub
Property Let OpenArgs(strOpenArgs as string)
    OpenArgsF=strOpenArgs
End Property

Property Get OpenArgs() as string
    OpenArgs=OpenArgsF
End Property
Private Sub Form_Load()
    Dim vReturnValue as variant
    vReturnValue=InitialValues()
    vReturnValue=InitializeButtons()
    vReturnValue=InitialDataCtlCaptions()
    Me.Move (Screen.Width - Me.Width) / 2, (Screen.Height - Me.Height) / 2
End Sub
Function InitialValues()
    datProducts.DatabaseName = db.Name
    datcboCategoryID.DatabaseName = db.Name
    datlstRecentOrders.DatabaseName = db.Name
End Function
