Version =20
VersionRequired =20
Begin Form
    AutoCenter = NotDefault
    DefaultView =0
    ScrollBars =2
    ViewsAllowed =1
    Cycle =1
    GridX =24
    GridY =24
    Width =7920
    ItemSuffix =47
    HelpContextId =4000
    RecSrcDt = Begin
        0x9a999999f57ce140
    End
    RecordSource ="qryProductList"
    Caption ="Products"
    OnCurrent ="[Event Procedure]"
    OnOpen ="[Event Procedure]"
    OnActivate ="=ShowStatus(\"Products: Page Down shows stock and pricing\")"
    OnDeactivate ="=ClearStatus()"
    Begin
        Begin Label
            BackStyle =0
            Height =240
        End
        Begin CommandButton
            Height =360
            FontWeight =400
        End
        Begin TextBox
            SpecialEffect =2
            Height =285
        End
        Begin ComboBox
            SpecialEffect =2
            Height =285
        End
        Begin Section
            Height =9000
            BackColor =-2147483633
            Name ="Detail"
            Begin
                Begin Label
                    Left =120
                    Top =120
                    Width =3600
                    Height =360
                    FontSize =12
                    FontWeight =700
                    Name ="lblGeneral"
                    Caption ="General"
                End
                Begin Label
                    Left =180
                    Top =600
                    Width =1500
                    Name ="lblProductID"
                    Caption ="Product ID:"
                End
                Begin TextBox
                    Enabled = NotDefault
                    Locked = NotDefault
                    TabStop = NotDefault
                    Left =1740
                    Top =600
                    Width =1080
                    Name ="txtProductID"
                    ControlSource ="ProductID"
                End
                Begin Label
                    Left =180
                    Top =960
                    Width =1500
                    Name ="lblProductName"
                    Caption ="Product name:"
                End
                Begin TextBox
                    Left =1740
                    Top =960
                    Width =3480
                    TabIndex =1
                    Name ="txtProductName"
                    ControlSource ="ProductName"
                    OnExit ="[Event Procedure]"
                End
                Begin Label
                    Left =180
                    Top =1320
                    Width =1500
                    Name ="lblCategoryID"
                    Caption ="Category:"
                End
                Begin ComboBox
                    LimitToList = NotDefault
                    ColumnCount =2
                    Left =1740
                    Top =1320
                    Width =2160
                    TabIndex =2
                    Name ="cboCategoryID"
                    ControlSource ="CategoryID"
                    RowSourceType ="Table/Query"
                    RowSource ="qryCategoryList"
                    ColumnWidths ="0;2160"
                    AfterUpdate ="[Event Procedure]"
                End
                Begin Label
                    Left =2000
                    Top =1710
                    Width =1440
                    Name ="lblDiscontinued"
                    Caption ="Discontinued"
                End
                Begin CheckBox
                    Left =1740
                    Top =1740
                    Width =260
                    Height =240
                    TabIndex =3
                    Name ="chkDiscontinued"
                    ControlSource ="Discontinued"
                    AfterUpdate ="=ShowStatus(\"Discontinued products are not offered on new orders\")"
                End
                Begin Image
                    PictureType =1
                    SizeMode =3
                    Left =5460
                    Top =600
                    Width =2280
                    Height =1800
                    Name ="imgCategory"
                    Picture ="C:\\Sales\\Bitmaps\\products.bmp"
                End
                Begin PageBreak
                    Left =120
                    Top =3000
                    Name ="pbrStock"
                End
                Begin Label
                    Left =120
                    Top =3120
                    Width =3600
                    Height =360
                    FontSize =12
                    FontWeight =700
                    Name ="lblStock"
                    Caption ="Stock and Pricing"
                End
                Begin Label
                    Left =180
                    Top =3600
                    Width =1500
                    Name ="lblUnitPrice"
                    Caption ="Unit price:"
                End
                Begin TextBox
                    Left =1740
                    Top =3600
                    Width =1440
                    TabIndex =4
                    Name ="txtUnitPrice"
                    ControlSource ="UnitPrice"
                    Format ="Currency"
                    AfterUpdate ="[Event Procedure]"
                End
                Begin Label
                    Left =180
                    Top =3960
                    Width =1500
                    Name ="lblUnitsInStock"
                    Caption ="In stock:"
                End
                Begin TextBox
                    Left =1740
                    Top =3960
                    Width =1080
                    TabIndex =5
                    Name ="txtUnitsInStock"
                    ControlSource ="UnitsInStock"
                End
                Begin Label
                    Left =180
                    Top =4680
                    Width =1500
                    Name ="lblReorderLevel"
                    Caption ="Reorder level:"
                End
                Begin TextBox
                    Left =1740
                    Top =4680
                    Width =1080
                    TabIndex =6
                    Name ="txtReorderLevel"
                    ControlSource ="ReorderLevel"
                    ValidationRule =">=0"
                    ValidationText ="The reorder level cannot be negative."
                End
                Begin Label
                    Left =180
                    Top =5040
                    Width =1500
                    Name ="lblStockValue"
                    Caption ="Stock value:"
                End
                Begin TextBox
                    Locked = NotDefault
                    TabStop = NotDefault
                    Left =1740
                    Top =5040
                    Width =1440
                    TabIndex =7
                    Name ="txtStockValue"
                    ControlSource ="=[UnitsInStock]*[UnitPrice]"
                    Format ="Currency"
                End
                Begin CommandButton
                    Left =3600
                    Top =3600
                    Width =1800
                    TabIndex =8
                    Name ="cmdRaisePrices"
                    Caption ="Raise &Prices 5%"
                    OnClick ="mcrPriceUpdate"
                    ControlTipText ="Raise the price of every current product by five percent"
                End
                Begin CommandButton
                    Left =5580
                    Top =3600
                    Width =1800
                    TabIndex =9
                    Name ="cmdReorderList"
                    Caption ="&Reorder List"
                    OnClick ="[Event Procedure]"
                End
                Begin Label
                    Left =3600
                    Top =4020
                    Width =4200
                    Name ="lblRecentOrders"
                    Caption ="Recent orders (double-click to open):"
                End
                Begin ListBox
                    ColumnHeads = NotDefault
                    ColumnCount =3
                    Left =3600
                    Top =4320
                    Width =4200
                    Height =1440
                    TabIndex =10
                    Name ="lstRecentOrders"
                    RowSourceType ="Table/Query"
                    RowSource ="SELECT [Order Details].OrderID, Orders.OrderDate, [Order Details].Quantity FROM "
                        "Orders INNER JOIN [Order Details] ON Orders.OrderID = [Order Details].OrderID WH"
                        "ERE [Order Details].ProductID=[Forms]![Products]![txtProductID] ORDER BY Orders."
                        "OrderDate DESC;"
                    ColumnWidths ="1080;1440;1080"
                    OnDblClick ="[Event Procedure]"
                End
                Begin PageBreak
                    Left =120
                    Top =6000
                    Name ="pbrDescription"
                End
                Begin Label
                    Left =120
                    Top =6120
                    Width =3600
                    Height =360
                    FontSize =12
                    FontWeight =700
                    Name ="lblDescriptionTitle"
                    Caption ="Description and Price Sheet"
                End
                Begin Label
                    Left =120
                    Top =6540
                    Width =1440
                    Name ="lblDescription"
                    Caption ="Description:"
                End
                Begin TextBox
                    EnterKeyBehavior = NotDefault
                    ScrollBars =2
                    Left =120
                    Top =6840
                    Width =3600
                    Height =1800
                    TabIndex =11
                    Name ="txtDescription"
                    ControlSource ="Description"
                End
                Begin UnboundObjectFrame
                    SizeMode =3
                    Left =3960
                    Top =6840
                    Width =3840
                    Height =1800
                    TabIndex =12
                    Name ="oleRateSheet"
                    OLEClass ="Microsoft Excel Worksheet"
                    Class ="Excel.Sheet.8"
                    SourceDoc ="C:\\Sales\\Docs\\PriceList.xls"
                    OleData = Begin
                        0x2008020000000000c0000000000000460000010034000000751a0000670c0000 ,
                        0x50726963654c6973742e786c7300000306090c0f1215181b1e2124272a2d3033 ,
                        0x36393c3f
                    End
                End
                Begin CommandButton
                    Left =6600
                    Top =8640
                    Width =1200
                    Height =300
                    TabIndex =13
                    Name ="cmdCloseProducts"
                    Caption ="&Close"
                    OnClick ="mcrNavigation.CloseForm"
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
