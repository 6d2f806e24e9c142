VERSION 4.00
Begin VB.Form Orders_Subform
   BorderStyle = 2
   Caption ="Order Details"
   ClientHeight = 2160
   ClientLeft = 250
   ClientTop = 500
   ClientWidth = 6480
   Height = 2160
   Left = 250
   LinkTopic = "Orders_Subform"
   MaxButton = True
   MinButton = True
   Top = 500
   Width = 6480
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
   HelpContextID=0
   Begin VB.Data datOrders_Subform
      Caption = "datOrders_Subform"
      Connect = "Access"
      DatabaseName = "Sales.mdb"
      Exclusive = 0
      Height = 300
      Left = 0
      Options = 0
      ReadOnly = 0
      RecordsetType = 1
      RecordSource = "SELECT [Order Details].OrderID, [Order Details].ProductID, [Order Details].UnitPrice, [Order Details].Quantity, [Order Details].Discount FROM [Order Details] ORDER BY [Order Details].ProductID;"
      Top = 0
      Width = 1215
      Visible = False
   End
   Begin SSDataWidgets_B.SSDBCombo cboProductID
      Bindings = "Orders Subform.frx":0000
      DataFieldList ="ProductID"
      DataSourceList ="datcboProductID"
      Height = 502.5975
      Left = 1620
      TabIndex =0
      Top = 120
      Width = 5713.74
      HelpContextID = 0
      _Version = 131078
      DataMode=0
      Cols=2
      Rows=8
      AllowInput=0
      DataSource ="datOrders_Subform"
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
      Columns(1).Width = 3240
      Columns(1).Caption = "ProductName"
      Columns(1).Name = "ProductName"
      Columns(1).DataField = "ProductName"
      Columns(1).DataType = 8
      Columns(1).FieldLen = 4096
      _ExtentX = 5713.74
      _ExtentY=502.5975
      _StockProps     =   93
      BackColor= &HFFFFFF&
      ForeColor= &H0&
      BeginProperty Font
         Name = "Arial"
         charset = 0
         weight = 400
         Size = 8
         underline = 0
         italic = 0
         strikethrough = 0
      EndProperty
   End
   Begin VB.Data datcboProductID
      Caption = "datcboProductID"
      Connect = "Access"
      DatabaseName = "Sales.mdb"
      Exclusive = 0
      Height = 300
      Left = 1620
      Options = 0
      ReadOnly = 1
      RecordsetType = 2
      RecordSource = "SELECT Products.ProductID, Products.ProductName FROM Products WHERE Products.Discontinued=False ORDER BY Products.ProductName;"
      Top = 405
      Width = 1215
      Visible = False
   End
   Begin VB.Label lblProductID
      BackColor= &HFFFFFF&
      BackStyle=0
      BorderStyle=0
      Caption="Product"
      ForeColor= &H0&
      BeginProperty Font
         Name = "Arial"
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
      Top = 120
      Width = 1440
   End
   Begin VB.TextBox txtUnitPrice
      DataSource ="datOrders_Subform"
      DataField ="UnitPrice"
      BorderStyle=1
      Alignment =0
      Height = 285
      Left = 1620
      Top = 480
      Width = 1440
      Text = ""
      Locked =0
      HelpContextID = 0
      TabIndex =1
      BackColor= &HFFFFFF&
      ForeColor= &H0&
      BeginProperty Font
         Name = "Arial"
         charset = 0
         weight = 400
         Size = 8
         underline = 0
         italic = 0
         strikethrough = 0
      EndProperty
      ScrollBars = 0
   End
   Begin VB.Label lblUnitPrice
      BackColor= &HFFFFFF&
      BackStyle=0
      BorderStyle=0
      Caption="Unit Price"
      ForeColor= &H0&
      BeginProperty Font
         Name = "Arial"
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
      Top = 480
      Width = 1440
   End
   Begin VB.TextBox txtQuantity
      DataSource ="datOrders_Subform"
      DataField ="Quantity"
      BorderStyle=1
      Alignment =0
      Height = 285
      Left = 1620
      Top = 840
      Width = 1440
      Text = "1"
      Locked =0
      HelpContextID = 0
      TabIndex =2
      BackColor= &HFFFFFF&
      ForeColor= &H0&
      BeginProperty Font
         Name = "Arial"
         charset = 0
         weight = 400
         Size = 8
         underline = 0
         italic = 0
         strikethrough = 0
      EndProperty
      ScrollBars = 0
   End
   Begin VB.Label lblQuantity
      BackColor= &HFFFFFF&
      BackStyle=0
      BorderStyle=0
      Caption="Quantity"
      ForeColor= &H0&
      BeginProperty Font
         Name = "Arial"
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
      Top = 840
      Width = 1440
   End
   Begin VB.TextBox txtDiscount
      DataSource ="datOrders_Subform"
      DataField ="Discount"
      BorderStyle=1
      Alignment =0
      Height = 285
      Left = 1620
      Top = 1200
      Width = 1440
      Text = "0"
      Locked =0
      HelpContextID = 0
      TabIndex =3
      BackColor= &HFFFFFF&
      ForeColor= &H0&
      BeginProperty Font
         Name = "Arial"
         charset = 0
         weight = 400
         Size = 8
         underline = 0
         italic = 0
         strikethrough = 0
      EndProperty
      ScrollBars = 0
   End
   Begin VB.Label lblDiscount
      BackColor= &HFFFFFF&
      BackStyle=0
      BorderStyle=0
      Caption="Discount"
      ForeColor= &H0&
      BeginProperty Font
         Name = "Arial"
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
      Top = 1200
      Width = 1440
   End
   Begin VB.TextBox txtExtendedPrice
      BorderStyle=1
      Alignment =0
      Height = 285
      Left = 1620
      Top = 1560
      Width = 1440
      Text = ""
      Locked =1
      HelpContextID = 0
      TabStop = 0
      TabIndex =4
      BackColor= &HFFFFFF&
      ForeColor= &H0&
      BeginProperty Font
         Name = "Arial"
         charset = 0
         weight = 400
         Size = 8
         underline = 0
         italic = 0
         strikethrough = 0
      EndProperty
      ScrollBars = 0
   End
   Begin VB.Label lblExtendedPrice
      BackColor= &HFFFFFF&
      BackStyle=0
      BorderStyle=0
      Caption="Extended Price"
      ForeColor= &H0&
      BeginProperty Font
         Name = "Arial"
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
      Top = 1560
      Width = 1440
   End
End
DIM OpenArgsF as string
'VLRN Option Compare Database
Option Explicit

' Line items of one order, shown as a datasheet on the Orders form.

Private Sub Form_BeforeInsert(Cancel As Integer)
    'VLRN If IsNull(Me.Parent!OrderID) Then
    'VLRN MsgBox "Enter the order header before adding products.", vbExclamation, "Orders"
    'VLRN Cancel = True
    'VLRN End If
End Sub

Private Sub cboProductID_AfterUpdate()
    ' Start from the current list price of the product
    Me!txtUnitPrice = DLookup("UnitPrice", "Products", "ProductID=" & Me!cboProductID)
End Sub

Private Sub txtQuantity_BeforeUpdate(Cancel As Integer)
    If Nz(Me!txtQuantity, 0) < 0 Then
        MsgBox "The quantity cannot be negative.", vbExclamation, "Order Details"
        Cancel = True
    End If
End Sub
Private Sub datOrders_Subform_Reposition()
    txtExtendedPrice.text =datOrders_Subform.Recordset.Fields("Quantity")*datOrders_Subform.Recordset.Fields("UnitPrice")
End Sub

Private Sub cboProductID_Click()

    Call cboProductID_AfterUpdate
End Sub

Private Sub datOrders_Subform_Validate(Action As Integer, Save As Integer)
    Dim varReturn as variant

    Select Case Action
        Case vbDataActionAddNew
            Call Form_BeforeInsert(0)
        Case Else
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
End Sub
Function InitialValues()
    datOrders_Subform.DatabaseName = db.Name
    datcboProductID.DatabaseName = db.Name
End Function
