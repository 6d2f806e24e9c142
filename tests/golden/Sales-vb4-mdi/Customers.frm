VERSION 4.00
Begin VB.Form Customers
   BorderStyle = 2
   Caption ="Customers"
   ClientHeight = 7500
   ClientLeft = 250
   ClientTop = 500
   ClientWidth = 8760
   Height = 7500
   Left = 250
   LinkTopic = "Customers"
   MaxButton = True
   MinButton = True
   Top = 500
   Width = 8760
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
   HelpContextID=3000
   Begin VB.Data datCustomers
      Caption = "datCustomers"
      Connect = "Access"
      DatabaseName = "Sales.mdb"
      Exclusive = 0
      Height = 300
      Left = 0
      Options = 0
      ReadOnly = 0
      RecordsetType = 1
      RecordSource = "Customers"
      Top = 0
      Width = 2700
      Visible = True
   End
   Begin VB.TextBox txtCustomerID
      DataSource ="datCustomers"
      DataField ="CustomerID"
      BorderStyle=1
      Alignment =0
      Height = 285
      Left = 1500
      Top = 660
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
         Name = "Tahoma"
         charset = 0
         weight = 400
         Size = 8
         underline = 0
         italic = 0
         strikethrough = 0
      EndProperty
      ScrollBars = 0
   End
   Begin VB.Label lblCustomerID
      BackColor= &HFFFFFF&
      BackStyle=0
      BorderStyle=0
      Caption="Customer ID:"
      ForeColor= &H0&
      BeginProperty Font
         Name = "Tahoma"
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
      Top = 660
      Width = 1320
   End
   Begin VB.TextBox txtCompanyName
      DataSource ="datCustomers"
      DataField ="CompanyName"
      BorderStyle=1
      Alignment =0
      Height = 285
      Left = 1500
      Top = 1020
      Width = 2880
      Text = ""
      Locked =0
      HelpContextID = 0
      TabIndex =1
      BackColor= &HFFFFFF&
      ForeColor= &H0&
      BeginProperty Font
         Name = "Tahoma"
         charset = 0
         weight = 400
         Size = 8
         underline = 0
         italic = 0
         strikethrough = 0
      EndProperty
      ScrollBars = 0
   End
   Begin VB.Label lblCompanyName
      BackColor= &HFFFFFF&
      BackStyle=0
      BorderStyle=0
      Caption="Company:"
      ForeColor= &H0&
      BeginProperty Font
         Name = "Tahoma"
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
      Top = 1020
      Width = 1320
   End
   Begin VB.TextBox txtContactName
      DataSource ="datCustomers"
      DataField ="ContactName"
      BorderStyle=1
      Alignment =0
      Height = 285
      Left = 1500
      Top = 1380
      Width = 2880
      Text = ""
      Locked =0
      HelpContextID = 0
      TabIndex =2
      BackColor= &HFFFFFF&
      ForeColor= &H0&
      BeginProperty Font
         Name = "Tahoma"
         charset = 0
         weight = 400
         Size = 8
         underline = 0
         italic = 0
         strikethrough = 0
      EndProperty
      ScrollBars = 0
   End
   Begin VB.Label lblContactName
      BackColor= &HFFFFFF&
      BackStyle=0
      BorderStyle=0
      Caption="Contact:"
      ForeColor= &H0&
      BeginProperty Font
         Name = "Tahoma"
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
      Top = 1380
      Width = 1320
   End
   Begin VB.TextBox txtContactTitle
      DataSource ="datCustomers"
      DataField ="ContactTitle"
      BorderStyle=1
      Alignment =0
      Height = 285
      Left = 1500
      Top = 1740
      Width = 2880
      Text = ""
      Locked =0
      HelpContextID = 0
      TabIndex =3
      BackColor= &HFFFFFF&
      ForeColor= &H0&
      BeginProperty Font
         Name = "Tahoma"
         charset = 0
         weight = 400
         Size = 8
         underline = 0
         italic = 0
         strikethrough = 0
      EndProperty
      ScrollBars = 0
   End
   Begin VB.Label lblContactTitle
      BackColor= &HFFFFFF&
      BackStyle=0
      BorderStyle=0
      Caption="Title:"
      ForeColor= &H0&
      BeginProperty Font
         Name = "Tahoma"
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
      Top = 1740
      Width = 1320
   End
   Begin VB.TextBox txtAddress
      DataSource ="datCustomers"
      DataField ="Address"
      BorderStyle=1
      Alignment =0
      Height = 555
      Left = 1500
      Top = 2100
      Width = 2880
      Text = ""
      Locked =0
      HelpContextID = 0
      TabIndex =4
      BackColor= &HFFFFFF&
      ForeColor= &H0&
      BeginProperty Font
         Name = "Tahoma"
         charset = 0
         weight = 400
         Size = 8
         underline = 0
         italic = 0
         strikethrough = 0
      EndProperty
      ScrollBars = 0
   End
   Begin VB.Label lblAddress
      BackColor= &HFFFFFF&
      BackStyle=0
      BorderStyle=0
      Caption="Address:"
      ForeColor= &H0&
      BeginProperty Font
         Name = "Tahoma"
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
      Top = 2100
      Width = 1320
   End
   Begin VB.TextBox txtCity
      DataSource ="datCustomers"
      DataField ="City"
      BorderStyle=1
      Alignment =0
      Height = 285
      Left = 1500
      Top = 2760
      Width = 2160
      Text = ""
      Locked =0
      HelpContextID = 0
      TabIndex =5
      BackColor= &HFFFFFF&
      ForeColor= &H0&
      BeginProperty Font
         Name = "Tahoma"
         charset = 0
         weight = 400
         Size = 8
         underline = 0
         italic = 0
         strikethrough = 0
      EndProperty
      ScrollBars = 0
   End
   Begin VB.Label lblCity
      BackColor= &HFFFFFF&
      BackStyle=0
      BorderStyle=0
      Caption="City:"
      ForeColor= &H0&
      BeginProperty Font
         Name = "Tahoma"
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
      Top = 2760
      Width = 1320
   End
   Begin VB.TextBox txtPostalCode
      DataSource ="datCustomers"
      DataField ="PostalCode"
      BorderStyle=1
      Alignment =0
      Height = 285
      Left = 1500
      Top = 3120
      Width = 1440
      Text = ""
      Locked =0
      HelpContextID = 0
      TabIndex =6
      BackColor= &HFFFFFF&
      ForeColor= &H0&
      BeginProperty Font
         Name = "Tahoma"
         charset = 0
         weight = 400
         Size = 8
         underline = 0
         italic = 0
         strikethrough = 0
      EndProperty
      ScrollBars = 0
   End
   Begin VB.Label lblPostalCode
      BackColor= &HFFFFFF&
      BackStyle=0
      BorderStyle=0
      Caption="Postal code:"
      ForeColor= &H0&
      BeginProperty Font
         Name = "Tahoma"
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
      Top = 3120
      Width = 1320
   End
   Begin SSDataWidgets_B.SSDBCombo cboCountry
      DataFieldList="Column 0"
      Height = 502.5975
      Left = 1500
      TabIndex =7
      Top = 3480
      Width = 3809.16
      HelpContextID = 0
      _Version = 131078
      DataMode=2
      Cols=1
      Rows=8
      AllowInput=1
      DataSource ="datCustomers"
      DataField ="Country"
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
         Name = "Tahoma"
         charset = 0
         weight = 400
         Size = 8
         underline = 0
         italic = 0
         strikethrough = 0
      EndProperty
   End
   Begin VB.Label lblCountry
      BackColor= &HFFFFFF&
      BackStyle=0
      BorderStyle=0
      Caption="Country:"
      ForeColor= &H0&
      BeginProperty Font
         Name = "Tahoma"
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
      Top = 3480
      Width = 1320
   End
   Begin VB.TextBox txtPhone
      DataSource ="datCustomers"
      DataField ="Phone"
      BorderStyle=1
      Alignment =0
      Height = 285
      Left = 1500
      Top = 3840
      Width = 2160
      Text = ""
      Locked =0
      HelpContextID = 0
      TabIndex =8
      BackColor= &HFFFFFF&
      ForeColor= &H0&
      BeginProperty Font
         Name = "Tahoma"
         charset = 0
         weight = 400
         Size = 8
         underline = 0
         italic = 0
         strikethrough = 0
      EndProperty
      ScrollBars = 0
   End
   Begin VB.Label lblPhone
      BackColor= &HFFFFFF&
      BackStyle=0
      BorderStyle=0
      Caption="Phone:"
      ForeColor= &H0&
      BeginProperty Font
         Name = "Tahoma"
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
      Top = 3840
      Width = 1320
   End
   Begin DataList.GTList lstCustomerType
      Height = 1375.53
      Left = 5820
      TabIndex = 9
      Top = 660
      Width = 3174.3
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
      CDs.CD(0).Caption = "Col 0"
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
      CDs.CD(1).Caption = "Col 1"
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
      LImgs.Count = 1
      GridLineType = 2
      _ExtentX = 3174.3
      _ExtentY = 1375.53
      _StockProps = 81
      BackColor = -2147483643
      TabStop =True
      BackColor= &HFFFFFF&
      ForeColor= &H0&
      Tag="Jet  1;Retail;2;Wholesale;3;Distributor"
   End
   Begin VB.Label lblCustomerType
      BackColor= &HFFFFFF&
      BackStyle=0
      BorderStyle=0
      Caption="Type:"
      ForeColor= &H0&
      BeginProperty Font
         Name = "Tahoma"
         charset = 0
         weight = 400
         Size = 8
         underline = 0
         italic = 0
         strikethrough = 0
      EndProperty
      Alignment =0
      Height = 240
      Left = 4560
      Top = 660
      Width = 1200
   End
   Begin VB.CheckBox chkActive
      Caption =  ""
      Value = 1
      BeginProperty Font
         charset = 0
         underline = 0
         italic = 0
         strikethrough = 0
      EndProperty
      Height = 240
      Left = 5820
      TabIndex = 10
      Top = 1620
      Width = 260
      HelpContextID = 0
      DataSource ="datCustomers"
      DataField ="Active"
   End
   Begin VB.Label lblActive
      BackColor= &HFFFFFF&
      BackStyle=0
      BorderStyle=0
      Caption="Active customer"
      ForeColor= &H0&
      BeginProperty Font
         Name = "Tahoma"
         charset = 0
         weight = 400
         Size = 8
         underline = 0
         italic = 0
         strikethrough = 0
      EndProperty
      Alignment =0
      Height = 240
      Left = 6080
      Top = 1590
      Width = 1800
   End
   Begin VB.CheckBox chkCreditApproved
      Caption =  ""
      Value = 2
      BeginProperty Font
         charset = 0
         underline = 0
         italic = 0
         strikethrough = 0
      EndProperty
      Height = 240
      Left = 5820
      TabIndex = 11
      Top = 1920
      Width = 260
      HelpContextID = 0
      DataSource ="datCustomers"
      DataField ="CreditApproved"
   End
   Begin VB.Label lblCreditApproved
      BackColor= &HFFFFFF&
      BackStyle=0
      BorderStyle=0
      Caption="Credit approved"
      ForeColor= &H0&
      BeginProperty Font
         Name = "Tahoma"
         charset = 0
         weight = 400
         Size = 8
         underline = 0
         italic = 0
         strikethrough = 0
      EndProperty
      Alignment =0
      Height = 240
      Left = 6080
      Top = 1890
      Width = 1800
   End
   Begin VB.OptionButton optPreferred
      Left = 5820
      TabIndex = 12
      Top = 2220
      Height = 210
      Caption =  "Preferred customer"
      Width = 2070
      BackColor= &HFFFFFF&
      ForeColor= &H0&
   End
   Begin VB.OptionButton tglShowAll
      Left = 5820
      TabIndex = 13
      Top = 2580
      Caption =  "Show &Inactive"
      ForeColor= &H0&
      Width = 2070
      Height = 210
   End
   Begin  VB.OLE objLogo
      Height = 1440
      Left = 5820
      Top = 3420
      Width = 2760
      HelpContextID = 0
      DataSource ="datCustomers"
      DataField ="Logo"
      TabIndex = 14
   End
   Begin VB.Label lblLogo
      BackColor= &HFFFFFF&
      BackStyle=0
      BorderStyle=0
      Caption="Logo:"
      ForeColor= &H0&
      BeginProperty Font
         Name = "Tahoma"
         charset = 0
         weight = 400
         Size = 8
         underline = 0
         italic = 0
         strikethrough = 0
      EndProperty
      Alignment =0
      Height = 240
      Left = 4560
      Top = 3420
      Width = 1200
   End
   Begin VB.Data datCustomer_Statistics
      Caption = "datCustomer_Statistics"
      Connect = "Access"
      DatabaseName = "Sales.mdb"
      Exclusive = 0
      Height = 300
      Left = 120
      Options = 0
      ReadOnly = 0
      RecordsetType = 1
      Top = 5220
      Width = 2700
      Visible = True
   End
   Begin VB.TextBox txtOrderCount
      DataSource ="datCustomer_Statistics"
      DataField ="OrderCount"
      BorderStyle=1
      Alignment =0
      Height = 285
      Left = 1440
      Top = 5280
      Width = 900
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
   Begin VB.Label lblOrderCount
      BackColor= &HFFFFFF&
      BackStyle=0
      BorderStyle=0
      Caption="Orders:"
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
      Top = 5280
      Width = 1140
   End
   Begin VB.TextBox txtTotalSales
      DataSource ="datCustomer_Statistics"
      DataField ="TotalSales"
      BorderStyle=1
      Alignment =0
      Height = 285
      Left = 1440
      Top = 5640
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
   Begin VB.Label lblTotalSales
      BackColor= &HFFFFFF&
      BackStyle=0
      BorderStyle=0
      Caption="Total sales:"
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
      Top = 5640
      Width = 1140
   End
   Begin VB.TextBox txtAverageOrder
      BorderStyle=1
      Alignment =0
      Height = 285
      Left = 4320
      Top = 5280
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
   Begin VB.Label lblAverageOrder
      BackColor= &HFFFFFF&
      BackStyle=0
      BorderStyle=0
      Caption="Average order:"
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
      Left = 3000
      Top = 5280
      Width = 1260
   End
   Begin VB.TextBox txtCreditLimit
      DataSource ="datCustomer_Statistics"
      DataField ="CreditLimit"
      BorderStyle=1
      Alignment =0
      Height = 285
      Left = 4320
      Top = 5640
      Width = 1440
      Text = ""
      Locked =0
      HelpContextID = 0
      TabIndex =3
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
   Begin VB.Label lblCreditLimit
      BackColor= &HFFFFFF&
      BackStyle=0
      BorderStyle=0
      Caption="Credit limit:"
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
      Left = 3000
      Top = 5640
      Width = 1260
   End
   Begin VB.Label lblCreditUsage
      BackColor= &HFFFFFF&
      BackStyle=0
      BorderStyle=0
      Caption="Credit used:"
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
      Left = 3000
      Top = 6000
      Width = 1260
   End
   Begin ComctlLib.ProgressBar ocxCreditUsage
      Height = 300
      Left = 4320
      TabIndex = 4
      Top = 6000
      Width = 3960
      Visible = True
      HelpContextID = 0
   End
   Begin VB.Label lblCustomerStats
      BackColor= &HFFFFFF&
      BackStyle=0
      BorderStyle=0
      Caption="Order history"
      ForeColor= &H0&
      BeginProperty Font
         Name = "Tahoma"
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
      Top = 4980
      Width = 2160
   End
   Begin VB.CommandButton cmdNewCustomer
      Caption = "&New Customer"
      BeginProperty Font
         Name = "Tahoma"
         charset = 0
         weight = 400
         Size = 8
         underline = 0
         italic = 0
         strikethrough = 0
      EndProperty
      Height = 360
      Left = 120
      TabIndex = 16
      Top = 6660
      Width = 1440
      HelpContextID = 0
   End
   Begin VB.CommandButton cmdOrdersForCustomer
      Caption = "View &Orders"
      BeginProperty Font
         Name = "Tahoma"
         charset = 0
         weight = 400
         Size = 8
         underline = 0
         italic = 0
         strikethrough = 0
      EndProperty
      Height = 360
      Left = 1680
      TabIndex = 17
      Top = 6660
      Width = 1440
      HelpContextID = 0
   End
   Begin VB.CommandButton cmdCloseCustomers
      Caption = "&Close"
      BeginProperty Font
         Name = "Tahoma"
         charset = 0
         weight = 400
         Size = 8
         underline = 0
         italic = 0
         strikethrough = 0
      EndProperty
      Height = 360
      Left = 7440
      TabIndex = 18
      Top = 6660
      Width = 1200
      HelpContextID = 0
   End
   Begin VB.Frame Section
      Caption =  ""
      BackColor= &HFFFFFF&
      Height = 540
      Left = 0
      Index = 3
      Top = 0
      Width = 8760
      BorderStyle = 0
      Visible = 0
      Begin VB.Label lblPrintTitle
         BackColor= &HFFFFFF&
         BackStyle=0
         BorderStyle=0
         Caption="Customer List"
         ForeColor= &H0&
         BeginProperty Font
            Name = "Tahoma"
            charset = 0
            weight = 700
            Size = 14
            underline = 0
            italic = 0
            strikethrough = 0
         EndProperty
         Alignment =0
         Height = 360
         Left = 120
         Top = 60
         Width = 4320
      End
      Begin VB.Line linHeader
         BorderColor =  &H0&
         X1 =120
         X2 =8640
         Y1 =480
         Y2 =480
      End
   End
   Begin VB.Frame Section
      Caption =  ""
      BackColor= &HFFFFFF&
      Height = 360
      Left = 0
      Index = 4
      Tag ="PrintOnly"
      Top = 7140
      Width = 8760
      BorderStyle = 0
      Visible = 0
      Begin VB.TextBox txtPageNumber
         BorderStyle=0
         Alignment =1
         Height = 240
         Left = 6840
         Top = 60
         Width = 1800
         Text = ""
         Locked =0
         HelpContextID = 0
         TabIndex =0
         BackColor= &HFFFFFF&
         ForeColor= &H0&
         BeginProperty Font
            Name = "Tahoma"
            charset = 0
            weight = 400
            Size = 8
            underline = 0
            italic = 0
            strikethrough = 0
         EndProperty
         ScrollBars = 0
      End
   End
End
DIM OpenArgsF as string
'VLRN Option Compare Database
Option Explicit

' Customers: one customer per page, the order statistics below.

Private Const HIGHLIGHT_COLOR As Long = 13434879   ' light yellow
Private Const NORMAL_COLOR As Long = 16777215

Private Sub Form_Load()
    Dim vReturnValue as variant
    vReturnValue=InitialValues()
    vReturnValue=InitializeListBoxes()
    vReturnValue=InitializeComboBoxes()
    Me.Move (Screen.Width - Me.Width) / 2, (Screen.Height - Me.Height) / 2
    ' The Orders form passes the name typed into its customer box
    If Not IsNull(Me.OpenArgs) Then
        'VLRN DoCmd.GoToRecord , , acNewRec
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
    'VLRN Set rs = Me.RecordsetClone
    rs.FindFirst "[CompanyName]=""" & Me!txtCompanyName & """ AND [CustomerID]<>" & Nz(Me!txtCustomerID, 0)
    If Not rs.NoMatch Then
        If MsgBox("Another customer is already called " & Me!txtCompanyName & "." & vbCrLf & "Keep this name?", vbQuestion + vbYesNo, "Customers") = vbNo Then
            Cancel = True
        End If
    End If
    rs.Close
End Sub

Private Sub txtCompanyName_DblClick()
    ' Show the invoices of this customer
    If Not IsNull(Me!txtCustomerID) Then
        Load Orders_Invoices
        Orders_Invoices.Openargs = CStr(Me!txtCustomerID)
        Orders_Invoices.Show	'VLRN DoCmd.OpenForm "Orders/Invoices", , , , , , CStr(Me!txtCustomerID)
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
        'VLRN Me.FilterOn = False
        Me!tglShowAll.Caption = "Hide &Inactive"
    Else
        Me.Filter = "[Active]=True"
        'VLRN Me.FilterOn = True
        Me!tglShowAll.Caption = "Show &Inactive"
    End If
End Sub

Private Sub cmdNewCustomer_Click()
    'VLRN DoCmd.GoToRecord , , acNewRec
    Screen.ActiveForm.Controls("txtCompanyName").SetFocus	'VLRN DoCmd.GoToControl "txtCompanyName"
End Sub

Private Sub cmdOrdersForCustomer_Click()
    Orders.Show	'VLRN DoCmd.OpenForm "Orders", , , "[CustomerID]=" & Me!txtCustomerID
    Orders!cboCustomerID.SetFocus
End Sub

' The code of the subform Customer Statistics, whose controls this form shows
' Order statistics of the customer shown on the Customers form.
Private Sub Customer_Statistics_Form_Current()
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
Function InitializeListBoxes()
    On Error Resume Next
    gvarreturn = additemsGT("1;Retail;2;Wholesale;3;Distributor", me!lstCustomerType, "String")
End Function
Function InitializeComboBoxes()
    gvarreturn = additems("USA;Canada;Mexico;UK;France;Germany;Brazil", me!cboCountry, "String")
End Function
Private Sub datCustomers_Reposition()
    'VLRN txtPageNumber.text ="Page " & [Page]
    datCustomer_Statistics.RecordSource="Select * from [qryCustomerTotals] Where [qryCustomerTotals].[CustomerID]=" & SqlValue(datCustomers.Recordset.Fields("CustomerID").Value)
    datCustomer_Statistics.refresh
    If Not (datCustomer_Statistics.Recordset.BOF And datCustomer_Statistics.Recordset.EOF) Then datCustomer_Statistics.Recordset.MoveLast: datCustomer_Statistics.Recordset.MoveFirst
    Call Form_Current
End Sub
Private Sub datCustomer_Statistics_Reposition()
    txtAverageOrder.text =IIf(datCustomer_Statistics.Recordset.Fields("OrderCount")>0,datCustomer_Statistics.Recordset.Fields("TotalSales")/datCustomer_Statistics.Recordset.Fields("OrderCount"),0)
    Call Customer_Statistics_Form_Current
End Sub
Function InitialDataCtlCaptions()
    On Error Resume Next
    datCustomers.Recordset.movenext
    datCustomers.Recordset.moveFirst
    datCustomer_Statistics.Recordset.movenext
    datCustomer_Statistics.Recordset.moveFirst
End Function

Private Sub txtContactTitle_GotFocus()
    Dim varReturn as variant
    gvarReturn =ShowStatus("Job title of the contact person")
End Sub

Private Sub txtContactTitle_LostFocus()
    Dim varReturn as variant
    gvarReturn =ClearStatus
End Sub

Private Sub lstCustomerType_Click()

    Call lstCustomerType_AfterUpdate
End Sub

Private Sub optPreferred_Click()

    Call optPreferred_AfterUpdate
End Sub

Private Sub tglShowAll_Click()

    Call tglShowAll_AfterUpdate
End Sub

Private Sub cmdCloseCustomers_Click()
    Call mcrNavigation_CloseForm
End Sub

Private Sub Form_Unload(Cancel As Integer)
    Call mcrNavigation_ReturnToSwitchboard
End Sub
Property Let OpenArgs(strOpenArgs as string)
    OpenArgsF=strOpenArgs
End Property

Property Get OpenArgs() as string
    OpenArgs=OpenArgsF
End Property
Private Sub Form_Activate()
    Dim vReturnValue as variant
    vReturnValue=InitialDataCtlCaptions()
End Sub
Function InitialValues()
    datCustomers.DatabaseName = db.Name
    datCustomer_Statistics.DatabaseName = db.Name
End Function
