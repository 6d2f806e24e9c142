VERSION 5.00
Object="{8D650141-6025-11D1-BC40-0000C042AEC0}#3.0#0"; "SSDW3B32.OCX"
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
   ShowInTaskbar = 0
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
   Begin SSDataWidgets_B.SSDBGrid lstProducts
      Bindings = "Lists.frx":0000
      Height = 1000
      Left = 100
      TabIndex =0
      Top = 100
      Width = 2500
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
      Columns.count = 2
      Columns(0).Width = 0
      Columns(0).Visible = 0
      Columns(0).Caption = "ProductID"
      Columns(0).Name = "ProductID"
      Columns(0).DataField = "ProductID"
      Columns(0).DataType = 8
      Columns(0).FieldLen = 4096
      Columns(1).Width = 1440
      Columns(1).Caption = "ProductName"
      Columns(1).Name = "ProductName"
      Columns(1).DataField = "ProductName"
      Columns(1).DataType = 8
      Columns(1).FieldLen = 4096
      _ExtentX = 4408.75
      _ExtentY = 1763.5
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
   Begin SSDataWidgets_B.SSDBGrid lstSizes
      Height = 1000
      Left = 2800
      TabIndex =1
      Top = 100
      Width = 1500
      HelpContextID = 0
      _Version = 131072
      DataMode=2
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
      SelectTypeRow = 2
      AllowUpdate = 0
      SelectByCell = -1
      MaxSelectedRows = 1
      ForeColorEven = 0
      BackColorOdd = 16777215
      RowHeight = 450
      Columns.count = 1
      Columns(0).Width = 1500
      Columns(0).Caption = "col0"
      Columns(0).Name = "col0"
      Columns(0).DataField = "Column 0"
      Columns(0).DataType = 8
      Columns(0).FieldLen = 4096
      _ExtentX = 2645.25
      _ExtentY = 1763.5
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
      Tag="Jet  Small;Medium;Large"
      ToolTipText ="Pick sizes"
   End
   Begin SSDataWidgets_B.SSDBGrid lstRemote
      Bindings = "Lists.frx":0017
      Height = 1000
      Left = 4500
      TabIndex =2
      Enabled = 0
      Top = 100
      Width = 2500
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
      Columns(0).Caption = ""
      Columns(0).Name = ""
      Columns(0).DataField = ""
      Columns(0).DataType = 8
      Columns(0).FieldLen = 4096
      Columns(1).Width = 2000
      Columns(1).Caption = ""
      Columns(1).Name = ""
      Columns(1).DataField = ""
      Columns(1).DataType = 8
      Columns(1).FieldLen = 4096
      _ExtentX = 4408.75
      _ExtentY = 1763.5
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
   Begin SSDataWidgets_B.SSDBCombo cboProduct
      Bindings = "Lists.frx":002C
      DataFieldList ="ProductID"
      DataSourceList ="datcboProduct"
      Height = 285
      Left = 1200
      TabIndex =3
      Top = 1300
      Width = 2500
      HelpContextID = 0
      _Version = 131078
      DataMode=0
      Cols=2
      Rows=8
      AllowInput=1
      DataSource ="datLists"
      DataField ="ProductID"
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
      Columns(0).Caption = "ProductID"
      Columns(0).Name = "ProductID"
      Columns(0).DataField = "ProductID"
      Columns(0).DataType = 8
      Columns(0).FieldLen = 4096
      Columns(1).Width = 2000
      Columns(1).Caption = "ProductName"
      Columns(1).Name = "ProductName"
      Columns(1).DataField = "ProductName"
      Columns(1).DataType = 8
      Columns(1).FieldLen = 4096
      _ExtentX = 4408.75
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
   Begin SSDataWidgets_B.SSDBCombo cboSize
      DataFieldList="Column 0"
      Height = 285
      Left = 1200
      TabIndex =4
      Top = 1700
      Width = 1500
      HelpContextID = 0
      _Version = 131078
      DataMode=2
      Cols=1
      Rows=8
      AllowInput=0
      DataSource ="datLists"
      DataField ="Size"
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
      Columns(0).Width = 1500
      Columns(0).Caption = "col0"
      Columns(0).Name = "col0"
      Columns(0).DataField = "Column 0"
      Columns(0).DataType = 8
      Columns(0).FieldLen = 4096
      _ExtentX = 2645.25
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
   Begin SSDataWidgets_B.SSDBCombo cboFind
      Bindings = "Lists.frx":0042
      DataFieldList ="ProductName"
      DataSourceList ="datcboFind"
      Height = 285
      Left = 1200
      TabIndex =5
      Top = 2100
      Width = 2500
      HelpContextID = 0
      _Version = 131078
      DataMode=0
      Cols=3
      Rows=8
      AllowInput=0
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
      Columns(0).Caption = "ProductID"
      Columns(0).Name = "ProductID"
      Columns(0).DataField = "ProductID"
      Columns(0).DataType = 8
      Columns(0).FieldLen = 4096
      Columns(1).Width = 1800
      Columns(1).Caption = "ProductName"
      Columns(1).Name = "ProductName"
      Columns(1).DataField = "ProductName"
      Columns(1).DataType = 8
      Columns(1).FieldLen = 4096
      Columns(2).Width = 0
      Columns(2).Visible = 0
      Columns(2).Caption = "Price"
      Columns(2).Name = "Price"
      Columns(2).DataField = "Price"
      Columns(2).DataType = 8
      Columns(2).FieldLen = 4096
      _ExtentX = 4408.75
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
    gvarreturn = additems("Small;Medium;Large", me!lstSizes, "String")
End Function
Function InitializeComboBoxes()
    gvarreturn = additems("Small;Medium;Large", me!cboSize, "String")
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
