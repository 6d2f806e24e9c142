VERSION 4.00
Begin VB.Form Lists
   BorderStyle = 2
   Caption ="Lists"
   ClientHeight = 2600
   ClientLeft = 250
   ClientTop = 500
   ClientWidth = 7200
   Height = 2600
   Left = 250
   LinkTopic = "Lists"
   MaxButton = True
   MinButton = True
   Top = 500
   Width = 7200
   BackColor= &HC0C0C0&
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
   HelpContextID=0
   Begin VB.Data datLists
      Caption = "datLists"
      Connect = "Access"
      DatabaseName = "Lists.mdb"
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
   Begin DataList.GTList lstProducts
      Bindings = "Lists.frx":0000
      Height = 1763.5
      Left = 100
      TabIndex = 0
      Top = 100
      Width = 4408.75
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
      CDs.Count = 2
      CDs.CD(0).SubItemSource = 0
      CDs.CD(0).WordWrap = 0
      CDs.CD(0).CaptionWordWrap = 0
      CDs.CD(0).FontDefined = -1
      CDs.CD(0).DataField="ProductID"
      CDs.CD(0).Caption="ProductID"
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
      CDs.CD(1).DataField="ProductName"
      CDs.CD(1).Caption="ProductName"
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
      _ExtentX = 4408.75
      _ExtentY = 1763.5
      _StockProps = 81
      BackColor = -2147483643
      TabStop =True
      BackColor= &HFFFFFF&
      ForeColor= &H0&
      Tag="Jet  SELECT ProductID, ProductName FROM Products"
   End
   Begin VB.Data datlstProducts
      Caption = "datlstProducts"
      Connect = "Access"
      DatabaseName = "Lists.mdb"
      Exclusive = 0
      Height = 300
      Left = 100
      Options = 0
      ReadOnly = 1
      RecordsetType = 2
      RecordSource = "SELECT ProductID, ProductName FROM Products"
      Top = 1100
      Width = 1215
      Visible = False
   End
   Begin DataList.GTList lstSizes
      Height = 1763.5
      Left = 2800
      TabIndex = 1
      Top = 100
      Width = 2645.25
      _Version =   65536
      HelpContextID = 0
      AllowColumnDragDrop = 0
      DefColCaptionBorderStyle = 3
      MultiSelect = 1
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
      CDs.Count = 1
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
      CDs.CD(0).Width = 1500
      CDs.CD(0).KEY = ""
      LImgs.Count = 1
      GridLineType = 2
      _ExtentX = 2645.25
      _ExtentY = 1763.5
      _StockProps = 81
      BackColor = -2147483643
      TabStop =True
      BackColor= &HFFFFFF&
      ForeColor= &H0&
      Tag="Jet  Small;Medium;Large"
   End
   Begin DataList.GTList lstRemote
      Bindings = "Lists.frx":0017
      Height = 1763.5
      Left = 4500
      TabIndex = 2
      Top = 100
      Width = 4408.75
      _Version =   65536
      HelpContextID = 0
      AllowColumnDragDrop = 0
      DefColCaptionBorderStyle = 3
      MultiSelect = 0
      Enabled = 0
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
      CDs.CD(0).DataField=""
      CDs.CD(0).Caption=""
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
      CDs.CD(1).DataField=""
      CDs.CD(1).Caption=""
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
      CDs.CD(1).Width = 2000
      CDs.CD(1).KEY = ""
      LImgs.Count = 1
      GridLineType = 2
      _ExtentX = 4408.75
      _ExtentY = 1763.5
      _StockProps = 81
      BackColor = -2147483643
      TabStop =True
      BackColor= &HFFFFFF&
      ForeColor= &H0&
      Tag="SQLPassthrough  qryRemoteProducts ~ SELECT ProductID, ProductName FROM dbo.Products"
   End
   Begin VB.Data datlstRemote
      Caption = "datlstRemote"
      Connect = "Access"
      DatabaseName = "Lists.mdb"
      Exclusive = 0
      Height = 300
      Left = 4500
      Options = 0
      ReadOnly = 1
      RecordsetType = 2
      RecordSource = "qryRemoteProducts"
      Top = 1100
      Width = 1215
      Visible = False
   End
   Begin DataList.GTCombo cboProduct
      Bindings = "Lists.frx":002C
      Height = 502.5975
      Left = 1200
      TabIndex = 3
      Top = 1300
      Width = 4408.75
      _Version = 65536
      HelpContextID = 0
      AllowColumnDragDrop = 0
      DefColCaptionBorderStyle = 3
      ColumnCaptions =0
      DataSource ="datLists"
      DataField ="ProductID"
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
      DataFieldList="ProductID"
      DataFieldDisplay="ProductName"
      CDs.CD(0).SubItemSource = 0
      CDs.CD(0).WordWrap = 0
      CDs.CD(0).CaptionWordWrap = 0
      CDs.CD(0).FontDefined = -1
      CDs.CD(0).DataField="ProductID"
      CDs.CD(0).Caption="ProductID"
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
      CDs.CD(1).DataField="ProductName"
      CDs.CD(1).Caption="ProductName"
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
      CDs.CD(1).Width = 2000
      CDs.CD(1).KEY = ""
      ComboStyle = 0
      _ExtentX = 4408.75
      _ExtentY = 502.5975
   End
   Begin VB.Data datcboProduct
      Caption = "datcboProduct"
      Connect = "Access"
      DatabaseName = "Lists.mdb"
      Exclusive = 0
      Height = 300
      Left = 1200
      Options = 0
      ReadOnly = 1
      RecordsetType = 2
      RecordSource = "SELECT ProductID, ProductName FROM Products"
      Top = 1585
      Width = 1215
      Visible = False
   End
   Begin VB.Label lblProduct
      BackColor= &HFFFFFF&
      BackStyle=0
      BorderStyle=0
      Caption="Product:"
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
      Left = 100
      Top = 1300
      Width = 900
   End
   Begin DataList.GTCombo cboSize
      Height = 502.5975
      Left = 1200
      TabIndex = 4
      Top = 1700
      Width = 2645.25
      _Version = 65536
      HelpContextID = 0
      AllowColumnDragDrop = 0
      DefColCaptionBorderStyle = 3
      ColumnCaptions =0
      DataSource ="datLists"
      DataField ="Size"
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
      CDs.Count = 1
      DataFieldDisplay=""
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
      CDs.CD(0).Width = 1500
      CDs.CD(0).KEY = ""
      ComboStyle = 2
      _ExtentX = 2645.25
      _ExtentY = 502.5975
   End
   Begin VB.Label lblSize
      BackColor= &HFFFFFF&
      BackStyle=0
      BorderStyle=0
      Caption="Size:"
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
      Left = 100
      Top = 1700
      Width = 900
   End
   Begin DataList.GTCombo cboFind
      Bindings = "Lists.frx":0042
      Height = 502.5975
      Left = 1200
      TabIndex = 5
      Top = 2100
      Width = 4408.75
      _Version = 65536
      HelpContextID = 0
      AllowColumnDragDrop = 0
      DefColCaptionBorderStyle = 3
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
      CDs.Count = 3
      DataFieldList="ProductName"
      DataFieldDisplay="ProductName"
      CDs.CD(0).SubItemSource = 0
      CDs.CD(0).WordWrap = 0
      CDs.CD(0).CaptionWordWrap = 0
      CDs.CD(0).FontDefined = -1
      CDs.CD(0).DataField="ProductID"
      CDs.CD(0).Caption="ProductID"
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
      CDs.CD(1).DataField="ProductName"
      CDs.CD(1).Caption="ProductName"
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
      CDs.CD(1).Width = 1800
      CDs.CD(1).KEY = ""
      CDs.CD(2).SubItemSource = 2
      CDs.CD(2).SubColumn = 2
      CDs.CD(2).WordWrap = 0
      CDs.CD(2).CaptionWordWrap = 0
      CDs.CD(2).FontDefined = -1
      CDs.CD(2).DataField="Price"
      CDs.CD(2).Caption="Price"
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
      CDs.CD(2).Width = 0
      CDs.CD(2).Visible = 0
      CDs.CD(2).KEY = ""
      ComboStyle = 2
      _ExtentX = 4408.75
      _ExtentY = 502.5975
   End
   Begin VB.Data datcboFind
      Caption = "datcboFind"
      Connect = "Access"
      DatabaseName = "Lists.mdb"
      Exclusive = 0
      Height = 300
      Left = 1200
      Options = 0
      ReadOnly = 1
      RecordsetType = 2
      RecordSource = "Products"
      Top = 2385
      Width = 1215
      Visible = False
   End
   Begin VB.Label lblFind
      BackColor= &HFFFFFF&
      BackStyle=0
      BorderStyle=0
      Caption="Find:"
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
      Left = 100
      Top = 2100
      Width = 900
   End
End
DIM OpenArgsF as string
'VLRN Option Compare Database
Option Explicit

Private Sub cboFind_AfterUpdate()
    'VLRN Me.RecordsetClone.FindFirst "[ProductID] = " & Me!cboFind
End Sub
Function InitializeListBoxes()
    On Error Resume Next
    gvarreturn = additemsGT("Small;Medium;Large", me!lstSizes, "String")
End Function
Function InitializeComboBoxes()
    gvarreturn = additemsGT("Small;Medium;Large", me!cboSize, "String")
End Function
Private Sub datLists_Reposition()
End Sub
Function InitialDataCtlCaptions()
    On Error Resume Next
    datLists.Recordset.movenext
    datLists.Recordset.moveFirst
End Function

Private Sub cboFind_Click()

    Call cboFind_AfterUpdate
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
    vReturnValue=InitializeListBoxes()
    vReturnValue=InitializeComboBoxes()
    vReturnValue=InitialDataCtlCaptions()
End Sub
Private Sub Form_Activate()
    Dim vReturnValue as variant
    vReturnValue=InitialDataCtlCaptions()
End Sub
Function InitialValues()
    datLists.DatabaseName = db.Name
    datlstProducts.DatabaseName = db.Name
    datlstRemote.DatabaseName = db.Name
    datcboProduct.DatabaseName = db.Name
    datcboFind.DatabaseName = db.Name
End Function
