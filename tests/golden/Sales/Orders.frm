VERSION 5.00
Object="{BDC217C8-ED16-11CD-956C-0000C04E4C0A}#1.0#0"; "TABCTL32.OCX"
Object="{8D650141-6025-11D1-BC40-0000C042AEC0}#3.0#0"; "SSDW3B32.OCX"
Object="{0BA686C6-F7D3-101A-993E-0000C0EF6F5E}#1.0#0"; "THREED32.OCX"
Begin VB.Form Orders
   BorderStyle = 2
   Caption ="Orders"
   ClientHeight = 7080
   ClientLeft = 250
   ClientTop = 500
   ClientWidth = 9840
   Height = 7080
   Left = 250
   LinkTopic = "Orders"
   MaxButton = True
   MinButton = True
   ShowInTaskbar = 0
   Top = 500
   Width = 9840
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
   HelpContextID=2000
   Begin VB.Data datOrders
      Caption = "datOrders"
      Connect = "Access"
      DatabaseName = "Sales.mdb"
      Exclusive = 0
      Height = 300
      Left = 0
      Options = 0
      ReadOnly = 0
      RecordsetType = 1
      RecordSource = "Orders"
      Top = 0
      Width = 2700
      Visible = True
   End
   Begin TabDlg.SSTab tabOrder
      Height = 5280
      Left = 120
      Top = 1080
      Width = 9600
      _ExtentX =17352.84
      _ExtentY = 9311.28
      _Version = 262144
      Tabs = 3
      TabHeight = 520
      HelpContextID = 0
      TabIndex = 0
      TabCaption(0) = "Order"
      TabPicture(0)  = "Orders.frx":0000
      TabCaption(1) = "Ship To"
      TabPicture(1)  = "Orders.frx":001C
      TabCaption(2) = "Line Items"
      TabPicture(2)  = "Orders.frx":0038
      Tab(0).ControlEnabled =-1
      Tab(1).ControlEnabled =0
      Tab(2).ControlEnabled =0
      Tab(0).Control(0)="txtOrderDate"
      Tab(0).Control(1)="lblOrderDate"
      Tab(0).Control(2)="txtRequiredDate"
      Tab(0).Control(3)="lblRequiredDate"
      Tab(0).Control(4)="txtShippedDate"
      Tab(0).Control(5)="lblShippedDate"
      Tab(0).Control(6)="cboEmployeeID"
      Tab(0).Control(7)="datcboEmployeeID"
      Tab(0).Control(8)="lblEmployeeID"
      Tab(0).Control(9)="txtFreight"
      Tab(0).Control(10)="lblFreight"
      Tab(0).Control(11)="grpgrpShipVia"
      Tab(1).Control(0)="txtShipName"
      Tab(1).Control(1)="lblShipName"
      Tab(1).Control(2)="txtShipAddress"
      Tab(1).Control(3)="lblShipAddress"
      Tab(1).Control(4)="txtShipCity"
      Tab(1).Control(5)="lblShipCity"
      Tab(1).Control(6)="cboShipCountry"
      Tab(1).Control(7)="lblShipCountry"
      Tab(2).Control(0)="Orders_Subform"
      Tab(2).Control(1)="datOrders_Subform"
      Tab(2).Control(2)="lblOrderDetails"
      Tab(2).Control(3)="cmdRequeryLines"
      Tab(2).Control(4)="txtOrderSubtotal"
      Tab(2).Control(5)="lblOrderSubtotal"
      Tab(0).ControlCount= 12
      Tab(1).ControlCount= 8
      Tab(2).ControlCount= 6
      Begin VB.TextBox txtOrderDate
         DataSource ="datOrders"
         DataField ="OrderDate"
         BorderStyle=1
         Alignment =0
         Height = 285
         Left = 1620
         Top = 600
         Width = 1440
         Text = ""
         Locked =0
         HelpContextID = 0
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
      Begin VB.Label lblOrderDate
         BackColor= &HFFFFFF&
         BackStyle=0
         BorderStyle=0
         Caption="Order date:"
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
         Top = 600
         Width = 1320
      End
      Begin VB.TextBox txtRequiredDate
         DataSource ="datOrders"
         DataField ="RequiredDate"
         BorderStyle=1
         Alignment =0
         Height = 285
         Left = 1620
         Top = 960
         Width = 1440
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
      Begin VB.Label lblRequiredDate
         BackColor= &HFFFFFF&
         BackStyle=0
         BorderStyle=0
         Caption="Required:"
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
         Top = 960
         Width = 1320
      End
      Begin VB.TextBox txtShippedDate
         DataSource ="datOrders"
         DataField ="ShippedDate"
         BorderStyle=1
         Alignment =0
         Height = 285
         Left = 1620
         Top = 1320
         Width = 1440
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
      Begin VB.Label lblShippedDate
         BackColor= &HFFFFFF&
         BackStyle=0
         BorderStyle=0
         Caption="Shipped:"
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
         Top = 1320
         Width = 1320
      End
      Begin SSDataWidgets_B.SSDBCombo cboEmployeeID
         Bindings = "Orders.frx":0054
         DataFieldList ="EmployeeID"
         DataSourceList ="datcboEmployeeID"
         Height = 285
         Left = 1620
         TabIndex =3
         Top = 1680
         Width = 2520
         HelpContextID = 0
         _Version = 131078
         DataMode=0
         Cols=3
         Rows=8
         AllowInput=1
         DataSource ="datOrders"
         DataField ="EmployeeID"
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
         Columns.count = 3
         Columns(0).Width = 0
         Columns(0).Visible = 0
         Columns(0).Caption = "EmployeeID"
         Columns(0).Name = "EmployeeID"
         Columns(0).DataField = "EmployeeID"
         Columns(0).DataType = 8
         Columns(0).FieldLen = 4096
         Columns(1).Width = 2160
         Columns(1).Caption = "EmployeeName"
         Columns(1).Name = "EmployeeName"
         Columns(1).DataField = "EmployeeName"
         Columns(1).DataType = 8
         Columns(1).FieldLen = 4096
         Columns(2).Width = 1800
         Columns(2).Caption = "Title"
         Columns(2).Name = "Title"
         Columns(2).DataField = "Title"
         Columns(2).DataType = 8
         Columns(2).FieldLen = 4096
         _ExtentX = 4444.02
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
      Begin VB.Data datcboEmployeeID
         Caption = "datcboEmployeeID"
         Connect = "Access"
         DatabaseName = "Sales.mdb"
         Exclusive = 0
         Height = 300
         Left = 1620
         Options = 0
         ReadOnly = 1
         RecordsetType = 2
         RecordSource = "SELECT Employees.EmployeeID, [LastName] & "", "" & [FirstName] AS EmployeeName, Employees.Title FROM Employees ORDER BY Employees.LastName, Employees.FirstName;"
         Top = 1965
         Width = 1215
         Visible = False
      End
      Begin VB.Label lblEmployeeID
         BackColor= &HFFFFFF&
         BackStyle=0
         BorderStyle=0
         Caption="Salesperson:"
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
         Top = 1680
         Width = 1320
      End
      Begin VB.TextBox txtFreight
         DataSource ="datOrders"
         DataField ="Freight"
         BorderStyle=1
         Alignment =0
         Height = 285
         Left = 1620
         Top = 2040
         Width = 1440
         Text = "0"
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
      Begin VB.Label lblFreight
         BackColor= &HFFFFFF&
         BackStyle=0
         BorderStyle=0
         Caption="Freight:"
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
         Top = 2040
         Width = 1320
      End
      Begin VB.Frame grpgrpShipVia
         Caption =  "Ship via"
         BackColor= &HFFFFFF&
         ForeColor= &H0&
         Height = 1590
         Left = 4800
         TabIndex = 5
         HelpContextID = 0
         Top = 570
         Width = 3240
         Begin VB.OptionButton grpShipVia
            Height = 210
            Left = 290
            Index = 1
            TabIndex = 94
            Top = 390
            Caption =  "Speedy Express"
            Width = 2070
            BackColor= &HFFFFFF&
            ForeColor= &H0&
         End
         Begin VB.OptionButton grpShipVia
            Height = 210
            Left = 290
            Index = 2
            TabIndex = 94
            Top = 750
            Caption =  "United Package"
            Width = 2070
            BackColor= &HFFFFFF&
            ForeColor= &H0&
         End
         Begin VB.OptionButton grpShipVia
            Height = 210
            Left = 290
            Index = 3
            TabIndex = 94
            Top = 1110
            Caption =  "Federal Shipping"
            Width = 2070
            BackColor= &HFFFFFF&
            ForeColor= &H0&
         End
      End
      Begin VB.TextBox txtShipName
         DataSource ="datOrders"
         DataField ="ShipName"
         BorderStyle=1
         Alignment =0
         Height = 285
         Left = -73380
         Top = 600
         Width = 3600
         Text = ""
         Locked =0
         HelpContextID = 0
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
      Begin VB.Label lblShipName
         BackColor= &HFFFFFF&
         BackStyle=0
         BorderStyle=0
         Caption="Name:"
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
         Left = -74760
         Top = 600
         Width = 1320
      End
      Begin VB.TextBox txtShipAddress
         DataSource ="datOrders"
         DataField ="ShipAddress"
         BorderStyle=1
         Alignment =0
         Height = 555
         Left = -73380
         Top = 960
         Width = 3600
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
      Begin VB.Label lblShipAddress
         BackColor= &HFFFFFF&
         BackStyle=0
         BorderStyle=0
         Caption="Address:"
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
         Left = -74760
         Top = 960
         Width = 1320
      End
      Begin VB.TextBox txtShipCity
         DataSource ="datOrders"
         DataField ="ShipCity"
         BorderStyle=1
         Alignment =0
         Height = 285
         Left = -73380
         Top = 1620
         Width = 2160
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
      Begin VB.Label lblShipCity
         BackColor= &HFFFFFF&
         BackStyle=0
         BorderStyle=0
         Caption="City:"
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
         Left = -74760
         Top = 1620
         Width = 1320
      End
      Begin SSDataWidgets_B.SSDBCombo cboShipCountry
         DataFieldList="Column 0"
         Height = 285
         Left = -73380
         TabIndex =3
         Top = 1980
         Width = 2160
         HelpContextID = 0
         _Version = 131078
         DataMode=2
         Cols=1
         Rows=8
         AllowInput=1
         DataSource ="datOrders"
         DataField ="ShipCountry"
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
         Columns.count = 1
         Columns(0).Width = 2160
         Columns(0).Caption = "col0"
         Columns(0).Name = "col0"
         Columns(0).DataField = "Column 0"
         Columns(0).DataType = 8
         Columns(0).FieldLen = 4096
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
      Begin VB.Label lblShipCountry
         BackColor= &HFFFFFF&
         BackStyle=0
         BorderStyle=0
         Caption="Country:"
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
         Left = -74760
         Top = 1980
         Width = 1320
      End
      Begin SSDataWidgets_B.SSDBGrid Orders_Subform
         Bindings = "Orders.frx":006D
         Height = 3300
         Left = -74760
         TabIndex =0
         Top = 840
         Width = 9120
         _Version = 131072
         DataMode=0
         BeginProperty HeadFont {0BE35203-8F91-11CE-9DE3-00AA004BB851}
            Name = " Arial"
            charset = 0
            weight = 400
            Size = 8
            underline = 0
            italic = 0
            strikethrough = 0
         EndProperty
         RecordSelectors = 1
         GroupHeaders = 0
         ColumnHeaders = -1
         FieldSeparator = "~"
         DividerType = 3
         RowSelectionStyle = 1
         SelectTypeRow = 1
         AllowUpdate = 1
         SelectByCell = -1
         MaxSelectedRows = 1
         ForeColorEven = 0
         BackColorOdd = 16777215
         RowHeight = 450
         Columns.count = 5
         Columns(0).Width = 5713.74
         Columns(0).Caption = "ProductID"
         Columns(0).Name = "ProductID"
         Columns(0).DataField = "ProductID"
         Columns(0).DataType = 8
         Columns(0).FieldLen = 4096
         Columns(1).Width = 2539.44
         Columns(1).Caption = "UnitPrice"
         Columns(1).Name = "UnitPrice"
         Columns(1).DataField = "UnitPrice"
         Columns(1).DataType = 8
         Columns(1).FieldLen = 4096
         Columns(1).NumberFormat = "Currency"
         Columns(2).Width = 2539.44
         Columns(2).Caption = "Quantity"
         Columns(2).Name = "Quantity"
         Columns(2).DataField = "Quantity"
         Columns(2).DataType = 8
         Columns(2).FieldLen = 4096
         Columns(3).Width = 2539.44
         Columns(3).Caption = "Discount"
         Columns(3).Name = "Discount"
         Columns(3).DataField = "Discount"
         Columns(3).DataType = 8
         Columns(3).FieldLen = 4096
         Columns(3).NumberFormat = "Percent"
         Columns(4).Width = 2539.44
         Columns(4).Caption = "=[Quantity]*[UnitPrice]"
         Columns(4).Name = "=[Quantity]*[UnitPrice]"
         Columns(4).DataField = "=[Quantity]*[UnitPrice]"
         Columns(4).DataType = 8
         Columns(4).FieldLen = 4096
         Columns(4).NumberFormat = "Currency"
         _ExtentX = 16083.12
         _ExtentY = 5819.55
         _StockProps = 79
         BeginProperty Font {0BE35203-8F91-11CE-9DE3-00AA004BB851}
            Name = " Arial "
            charset = 0
            weight = 400
            Size = 8.25
            underline = 0
            italic = 0
            strikethrough = 0
         EndProperty
         TabStop =True
         BackColor= &HFFFFFF&
         ForeColor= &H0&
         Tag="~Jet  SELECT [Order Details].OrderID, [Order Details].ProductID, [Order Details].UnitPrice, [Order Details].Quantity, [Order Details].Discount FROM [Order Details] ORDER BY [Order Details].ProductID;"
      End
      Begin VB.Data datOrders_Subform
         Caption = "datOrders_Subform"
         Connect = "Access"
         DatabaseName = "Sales.mdb"
         Exclusive = 0
         Height = 300
         Left = -74760
         Options = 0
         ReadOnly = 0
         RecordsetType = 1
         Top = 840
         Width = 2700
         Visible = True
      End
      Begin VB.Label lblOrderDetails
         BackColor= &HFFFFFF&
         BackStyle=0
         BorderStyle=0
         Caption="Products ordered:"
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
         Left = -74760
         Top = 540
         Width = 2400
      End
      Begin VB.CommandButton cmdRequeryLines
         Caption = "Re&calculate"
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
         Left = -74760
         TabIndex = 1
         Top = 4380
         Width = 1440
         HelpContextID = 0
      End
      Begin VB.TextBox txtOrderSubtotal
         BorderStyle=1
         Alignment =0
         Height = 285
         Left = -67200
         Top = 4380
         Width = 1560
         Text = ""
         Locked =1
         HelpContextID = 0
         TabStop = 0
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
      Begin VB.Label lblOrderSubtotal
         BackColor= &HFFFFFF&
         BackStyle=0
         BorderStyle=0
         Caption="Subtotal:"
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
         Left = -68340
         Top = 4380
         Width = 1080
      End
   End
   Begin VB.Frame Section
      Caption =  ""
      BackColor= &HC0C0C0&
      Height = 960
      Left = 0
      Index = 1
      Top = 0
      Width = 9840
      BorderStyle = 0
      Begin VB.Label lblOrdersTitle
         BackColor= &HFFFFFF&
         BackStyle=0
         BorderStyle=0
         Caption="Orders"
         ForeColor= &H0&
         BeginProperty Font
            Name = "MS Sans Serif"
            charset = 0
            weight = 700
            Size = 14
            underline = 0
            italic = 0
            strikethrough = 0
         EndProperty
         Alignment =0
         Height = 420
         Left = 120
         Top = 60
         Width = 2880
      End
      Begin VB.TextBox txtOrderID
         DataSource ="datOrders"
         DataField ="OrderID"
         BorderStyle=1
         Alignment =0
         Height = 285
         Left = 8160
         Top = 120
         Width = 1440
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
      Begin VB.Label lblOrderID
         BackColor= &HFFFFFF&
         BackStyle=0
         BorderStyle=0
         Caption="Order ID:"
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
         Left = 7020
         Top = 120
         Width = 1080
      End
      Begin SSDataWidgets_B.SSDBCombo cboCustomerID
         Bindings = "Orders.frx":0087
         DataFieldList ="CustomerID"
         DataSourceList ="datcboCustomerID"
         Height = 285
         Left = 1440
         TabIndex =1
         Top = 540
         Width = 4320
         HelpContextID = 0
         _Version = 131078
         DataMode=0
         Cols=2
         Rows=8
         AllowInput=0
         DataSource ="datOrders"
         DataField ="CustomerID"
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
         Columns(0).Caption = "CustomerID"
         Columns(0).Name = "CustomerID"
         Columns(0).DataField = "CustomerID"
         Columns(0).DataType = 8
         Columns(0).FieldLen = 4096
         Columns(1).Width = 4320
         Columns(1).Caption = "CompanyName"
         Columns(1).Name = "CompanyName"
         Columns(1).DataField = "CompanyName"
         Columns(1).DataType = 8
         Columns(1).FieldLen = 4096
         _ExtentX = 7618.32
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
      Begin VB.Data datcboCustomerID
         Caption = "datcboCustomerID"
         Connect = "Access"
         DatabaseName = "Sales.mdb"
         Exclusive = 0
         Height = 300
         Left = 1440
         Options = 0
         ReadOnly = 1
         RecordsetType = 2
         RecordSource = "SELECT Customers.CustomerID, Customers.CompanyName FROM Customers ORDER BY Customers.CompanyName;"
         Top = 825
         Width = 1215
         Visible = False
      End
      Begin VB.Label lblCustomerID
         BackColor= &HFFFFFF&
         BackStyle=0
         BorderStyle=0
         Caption="Customer:"
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
         Top = 540
         Width = 1200
      End
   End
   Begin VB.Frame Section
      Caption =  ""
      BackColor= &H8000000F&
      Height = 600
      Left = 0
      Index = 2
      Tag ="NavigationBar"
      Top = 6480
      Width = 9840
      BorderStyle = 0
      Begin VB.CommandButton cmdPrev
         Caption = "&Prev"
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
         TabIndex = 0
         Top = 120
         Width = 840
         HelpContextID = 0
         ToolTipText ="Previous order"
      End
      Begin Threed.SSCommand cmdNext
         _Version = 65536
         _StockProps = 78
         ForeColor= &H800000&
         Caption = "&Next"
         _ExtentX = 688
         _ExtentY = 529
         BeginProperty Font {0BE35203-8F91-11CE-9DE3-00AA004BB851}
            Name = "MS Sans Serif"
            charset = 0
            weight = 400
            Size = 8
            underline = 0
            italic = 0
            strikethrough = 0
         EndProperty
         AutoSize = 0
         Height = 360
         Left = 1020
         TabIndex = 1
         Top = 120
         Width = 840
         HelpContextID = 0
         ToolTipText ="Next order"
      End
      Begin VB.CommandButton cmdNewOrder
         Caption = "Ne&w Order"
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
         Left = 2100
         TabIndex = 2
         Top = 120
         Width = 1320
         HelpContextID = 0
      End
      Begin Threed.SSCommand cmdDeleteOrder
         _Version = 65536
         _StockProps = 78
         ForeColor= &HFF&
         Caption = "&Delete Order"
         _ExtentX = 2327.82
         _ExtentY = 634.86
         BeginProperty Font {0BE35203-8F91-11CE-9DE3-00AA004BB851}
            Name = "MS Sans Serif"
            charset = 0
            weight = 400
            Size = 8
            underline = 0
            italic = 0
            strikethrough = 0
         EndProperty
         AutoSize = 0
         Height = 360
         Left = 3540
         TabIndex = 3
         Top = 120
         Width = 1320
         HelpContextID = 0
      End
      Begin VB.CommandButton cmdPrintInvoice
         Caption = "Print &Invoice"
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
         Left = 4980
         TabIndex = 4
         Top = 120
         Width = 1440
         HelpContextID = 0
      End
      Begin VB.CommandButton cmdClose
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
         Left = 8400
         TabIndex = 5
         Top = 120
         Width = 1200
         HelpContextID = 0
      End
   End
   Begin ComctlLib.Toolbar Sales_Toolbar
      Align = 1
      Height = 420
      Left = 0
      TabIndex = 0
      Top = 0
      Width = 6690
      _ExtentX = 11800
      _ExtentY = 741
      Appearance = 1
      BeginProperty Buttons {0713E452-850A-101B-AFC0-4210102A8DA7}
         NumButtons = 5
         BeginProperty button1 {0713F354-850A-101B-AFC0-4210102A8DA7}
            Caption = "Orders"
            Key = "Orders"
            ToolTipText = "Open the Orders form"
            Object.Tag = ""
         EndProperty
         BeginProperty button2 {0713F354-850A-101B-AFC0-4210102A8DA7}
            Caption = "Customers"
            Key = "Customers"
            ToolTipText = "Open the Customers form"
            Object.Tag = ""
         EndProperty
         BeginProperty button3 {0713F354-850A-101B-AFC0-4210102A8DA7}
            Caption = "Print Invoice"
            Key = "Print Invoice"
            ToolTipText = "Preview the invoice of the current order"
            Object.Tag = ""
         EndProperty
         BeginProperty button4 {0713F354-850A-101B-AFC0-4210102A8DA7}
            Caption = "Line Items"
            Key = "Line Items"
            ToolTipText = "Recalculate the line items"
            Object.Tag = ""
         EndProperty
         BeginProperty button5 {0713F354-850A-101B-AFC0-4210102A8DA7}
            Caption = "Close"
            Key = "Close"
            ToolTipText = "Close the active form"
            Object.Tag = ""
         EndProperty
      EndProperty
   End
End
DIM OpenArgsF as string
'VLRN Option Compare Database
Option Explicit

' Orders: order entry with the ship-to address and the line items.
' Opened from the switchboard, the menus, the Customers form and the
' invoice finder. OpenArgs may hold "NewOrder" or an order number.

Private Sub Form_Open(Cancel As Integer)
    Dim rs As Recordset

    If IsNull(Me.OpenArgs) Then Exit Sub
    Select Case Me.OpenArgs
        Case "NewOrder"
            'VLRN DoCmd.GoToRecord , , acNewRec
        Case "Invoices"
            ' the invoice finder has already filtered the form
        Case Else
            ' an order number: move to that order
            If IsNumeric(Me.OpenArgs) Then
                'VLRN Set rs = Me.RecordsetClone
                rs.FindFirst "[OrderID]=" & Me.OpenArgs
                'VLRN If Not rs.NoMatch Then Me.Bookmark = rs.Bookmark
                rs.Close
            End If
    End Select
End Sub

Private Sub Form_Current()
    ' Keep the caption and the buttons in step with the record
    If Me.NewRecord Then
        Me.Caption = "Orders - new order"
        Me!cmdDeleteOrder.Enabled = False
    Else
        Me.Caption = "Orders - order " & Me!OrderID
        Me!cmdDeleteOrder.Enabled = True
    End If
    Me!tabOrder.Value = 0
End Sub

Private Sub Form_BeforeUpdate(Cancel As Integer)
    If IsNull(Me!cboCustomerID) Then
        MsgBox "Every order needs a customer.", vbExclamation, "Orders"
        Cancel = True	'VLRN DoCmd.CancelEvent
        Me!cboCustomerID.SetFocus
        Exit Sub
    End If
    If IsNull(Me!OrderDate) Then Me!OrderDate = Date
End Sub

Private Sub Form_Error(DataErr As Integer, Response As Integer)
    ' 3314: a required field was left empty
    If DataErr = 3314 Then
        MsgBox "Please fill in the customer and the order date.", vbExclamation, "Orders"
        Response = acDataErrContinue
    Else
        Response = acDataErrDisplay
    End If
End Sub

Private Sub Form_Unload(Cancel As Integer)
    ' Remove order lines that were left with a quantity of zero
    'VLRN DoCmd.SetWarnings False
    db.Execute "qryDeleteEmptyOrderLines"	'VLRN DoCmd.OpenQuery "qryDeleteEmptyOrderLines"
    'VLRN DoCmd.SetWarnings True
End Sub

Private Sub cboCustomerID_NotInList(NewData As String, Response As Integer)
    Dim strMsg As String

    strMsg = "'" & NewData & "' is not a customer yet." & vbCrLf & "Add the new customer now?"
    If MsgBox(strMsg, vbQuestion + vbYesNo, "Unknown Customer") = vbYes Then
        Load Customers
        Customers.Openargs = NewData
        Customers.Show vbModal 	'VLRN DoCmd.OpenForm "Customers", , , , acFormAdd, acDialog, NewData
        Response = acDataErrAdded
    Else
        Response = acDataErrContinue
        'VLRN Me!cboCustomerID.Undo
    End If
End Sub

Private Sub cboCustomerID_AfterUpdate()
    ' Ship to the customer's address unless the order already has one
    If IsNull(Me!ShipName) Then CopyCustomerAddress
End Sub

Private Sub txtRequiredDate_BeforeUpdate(Cancel As Integer)
    If Not IsNull(Me!txtRequiredDate) And Not IsNull(Me!txtOrderDate) Then
        If Me!txtRequiredDate < Me!txtOrderDate Then
            MsgBox "The required date cannot lie before the order date.", vbExclamation, "Orders"
            Cancel = True
        End If
    End If
End Sub

Private Sub grpShipVia_AfterUpdate(Index as Integer)
    Dim curRate As Currency

    ' Base freight of each shipper; the user may still change it
    Select Case grpShipVia(OptionGroupValue(Me.grpShipVia)).Index
        Case 1
            curRate = 12.5
        Case 2
            curRate = 9.75
        Case 3
            curRate = 18
        Case Else
            curRate = 0
    End Select
    If Nz(Me!txtFreight, 0) = 0 Then Me!txtFreight = curRate
    Call mcrOrders_RequeryDetails
End Sub

Private Sub CopyCustomerAddress()
    Dim rs As Recordset

    If IsNull(Me!cboCustomerID) Then Exit Sub
    Set rs = DB.OpenRecordset("SELECT * FROM Customers WHERE CustomerID=" & Me!cboCustomerID, dbOpenSnapshot)
    If Not rs.EOF Then
        Me!ShipName = rs!CompanyName
        Me!ShipAddress = rs!Address
        Me!ShipCity = rs!City
        Me!ShipRegion = rs!Region
        Me!ShipPostalCode = rs!PostalCode
        Me!ShipCountry = rs.Fields("Country")
    End If
    rs.Close
End Sub

Private Sub tabOrder_Change()
    ' Refresh the line items when their page comes up
    If Me!tabOrder.Value = 2 Then
        datOrders_Subform.Refresh	'VLRN Me!sfrmOrderDetails.Requery
        'VLRN Me!txtOrderSubtotal.Requery
    End If
End Sub

Private Sub cmdPrev_Click()
    'VLRN If Me.CurrentRecord > 1 Then
    'VLRN DoCmd.GoToRecord , , acPrevious
    'VLRN End If
End Sub

Private Sub cmdNext_Click()
    'VLRN If Not Me.NewRecord Then
    'VLRN DoCmd.GoToRecord , , acNext
    'VLRN End If
End Sub

Private Sub cmdNewOrder_Click()
    'VLRN DoCmd.GoToRecord , , acNewRec
    Screen.ActiveForm.Controls("cboCustomerID").SetFocus	'VLRN DoCmd.GoToControl "cboCustomerID"
End Sub

Private Sub cmdDeleteOrder_Click()
    If MsgBox("Delete order " & Me!OrderID & " with all its lines?", vbQuestion + vbYesNo, "Delete Order") = vbYes Then
        'VLRN DoCmd.SetWarnings False
        'VLRN DoCmd.RunCommand acCmdDeleteRecord
        'VLRN DoCmd.SetWarnings True
    End If
End Sub

Private Sub cmdPrintInvoice_Click()
    'VLRN If Me.Dirty Then
    'VLRN DoCmd.RunCommand acCmdSaveRecord
    'VLRN End If
    'VLRN DoCmd.OpenReport "Invoice", acViewPreview, , "[OrderID]=" & Me!OrderID
    'VLRN Reports!Invoice.Caption = "Invoice for order " & Me!OrderID
End Sub
Function InitializeComboBoxes()
    gvarreturn = additems("USA;Canada;Mexico;UK;France;Germany;Brazil", me!cboShipCountry, "String")
End Function
Private Sub datOrders_Reposition()
    'VLRN txtOrderSubtotal.text =DSum("[Quantity]*[UnitPrice]*(1-[Discount])","Order Details","[OrderID]=" & Nz([OrderID],0))
    datOrders_Subform.RecordSource="Select * from [qrydatOrders1] Where [qrydatOrders1].[OrderID]=" & SqlValue(datOrders.Recordset.Fields("OrderID").Value)
    datOrders_Subform.refresh
    If Not (datOrders_Subform.Recordset.BOF And datOrders_Subform.Recordset.EOF) Then datOrders_Subform.Recordset.MoveLast: datOrders_Subform.Recordset.MoveFirst
    grpShipVia(datOrders.recordset.Fields("ShipVia")).value = true
    Call Form_Current
End Sub
Private Sub datOrders_Subform_Reposition()
End Sub
Function InitialDataCtlCaptions()
    On Error Resume Next
    datOrders.Recordset.movenext
    datOrders.Recordset.moveFirst
    datOrders_Subform.Recordset.movenext
    datOrders_Subform.Recordset.moveFirst
End Function

Private Sub cboEmployeeID_GotFocus()
    Dim varReturn as variant

    varReturn =ShowStatus("Choose the salesperson who took the order")
End Sub

Private Sub cboEmployeeID_LostFocus()
    Dim varReturn as variant

    varReturn =ClearStatus
End Sub

Private Sub grpShipVia_Click(Index as Integer)

    Call grpShipVia_AfterUpdate(Index)
End Sub

Private Sub grpShipVia_LostFocus(Index as Integer)
    mcrOrders_ValidateShipVia
End Sub

Private Sub cmdRequeryLines_Click()
    Call mcrOrders_RequeryDetails
End Sub

Private Sub cboCustomerID_Click()

    Call cboCustomerID_AfterUpdate
End Sub

Private Sub cboCustomerID_LostFocus()
    If Not cboCustomerID.IsItemInList Then
        Call cboCustomerID_NotInList(cboCustomerID.Text, 0)
    End If

End Sub

Private Sub cmdClose_Click()
    Call mcrNavigation_CloseForm
End Sub

Private Sub Form_Activate()
    Dim vReturnValue as variant
    vReturnValue=InitialDataCtlCaptions()
    Call mcrOrders_ShowOrderToolbar
End Sub

Private Sub Form_Deactivate()
    Call mcrOrders_HideOrderToolbar
End Sub

Private Sub Form_Initialize()
    Call Form_Open(0)
End Sub

Private Sub datOrders_Error(DataErr As Integer, Response As Integer)
    Call Form_Error(DataErr, Response)
End Sub

Private Sub datOrders_Validate(Action As Integer, Save As Integer)
    Dim varReturn as variant

    Select Case Action
        Case vbDataActionUpdate
            Call Form_BeforeUpdate(0)
        Case Else
    End Select
End Sub
Private Sub Sales_Toolbar_ButtonClick(ByVal Button As Button)
    Select Case Button.Key
        Case "Orders"
            OpenOrders
        Case "Customers"
            mcrNavigation_OpenCustomers
        Case "Print Invoice"
            PrintCurrentInvoice
        Case "Line Items"
            mcrOrders_RequeryDetails
        Case "Close"
            mcrNavigation_CloseForm
    End Select
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
    vReturnValue=InitializeComboBoxes()
    vReturnValue=InitialDataCtlCaptions()
    Me.Move (Screen.Width - Me.Width) / 2, (Screen.Height - Me.Height) / 2
End Sub
Function InitialValues()
    datOrders.DatabaseName = db.Name
    txtOrderDate.Text = Date()
    datcboEmployeeID.DatabaseName = db.Name
    datOrders_Subform.DatabaseName = db.Name
    datcboCustomerID.DatabaseName = db.Name
End Function
