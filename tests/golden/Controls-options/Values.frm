VERSION 5.00
Object="{8D650146-6025-11D1-BC40-0000C042AEC0}#3.0#0"; "ssdw3a32.ocx"
Object="{BC496AED-9B4E-11CE-A6D5-0000C0BE9395}#2.0#0"; "SSDATB32.OCX"
Object="{8D650141-6025-11D1-BC40-0000C042AEC0}#3.0#0"; "SSDW3B32.OCX"
Begin VB.Form Values
   BorderStyle = 2
   Caption ="Values"
   ClientHeight = 4000
   ClientLeft = 250
   ClientTop = 500
   ClientWidth = 8400
   Height = 4000
   Left = 250
   LinkTopic = "Values"
   MaxButton = True
   MinButton = True
   ShowInTaskbar = 0
   Top = 500
   Width = 8400
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
   Begin VB.Data datValues
      Caption = "datValues"
      Connect = "Access"
      DatabaseName = "Controls.mdb"
      Exclusive = 0
      Height = 300
      Left = 0
      Options = 0
      ReadOnly = 0
      RecordsetType = 1
      RecordSource = "Items"
      Top = 0
      Width = 2700
      Visible = True
   End
   Begin VB.TextBox txtName
      DataSource ="datValues"
      DataField ="Name"
      BorderStyle=1
      Alignment =0
      Height = 285
      Left = 1500
      Top = 100
      Width = 2000
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
   Begin VB.Label lblName
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
      Left = 100
      Top = 100
      Width = 900
   End
   Begin VB.TextBox txtTotal
      BorderStyle=1
      Appearance=0
      Alignment =1
      Height = 285
      Left = 1500
      Top = 500
      Width = 1500
      Text = ""
      Locked =1
      HelpContextID = 0
      TabIndex =1
      BackColor= &HC0C0C0&
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
   Begin VB.TextBox txtQty
      DataSource ="datValues"
      DataField ="Qty"
      BorderStyle=1
      Alignment =0
      Height = 285
      Left = 1500
      Top = 900
      Width = 800
      Text = "5"
      Enabled = 0
      Locked =0
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
      ScrollBars = 2
   End
   Begin SSCalendarWidgets_A.SSDateCombo txtShipped
      Left = 1500
      Top = 1300
      _Version = 65536
      Width = 2000
      _ExtentX = 2000
      Height = 285
      _ExtentY = 285
      _StockProps = 77
      DefaultDate = ""
      MinDate = "1950/1/1"
      MaxDate = "2050/12/31"
      AllowNullDate = -1
      DataSource ="datValues"
      DataField ="Shipped"
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
   Begin VB.TextBox txtReminder
      BorderStyle=1
      Alignment =0
      Height = 285
      Left = 1500
      Top = 1700
      Width = 2000
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
   Begin VB.CheckBox chkPaid
      Caption =  ""
      Value = 1
      BeginProperty Font
         charset = 0
         underline = 0
         italic = 0
         strikethrough = 0
      EndProperty
      Height = 240
      Left = 4000
      TabIndex = 5
      Top = 100
      Width = 260
      HelpContextID = 0
      DataSource ="datValues"
      DataField ="Paid"
   End
   Begin VB.Label lblPaid
      BackColor= &HFFFFFF&
      BackStyle=0
      BorderStyle=0
      Caption="Paid"
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
      Left = 4300
      Top = 100
      Width = 900
   End
   Begin VB.CheckBox chkMaybe
      Caption =  ""
      Value = 2
      BeginProperty Font
         charset = 0
         underline = 0
         italic = 0
         strikethrough = 0
      EndProperty
      Height = 240
      Left = 4000
      TabIndex = 6
      Top = 500
      Width = 260
      HelpContextID = 0
   End
   Begin VB.Label lblMaybe
      BackColor= &HFFFFFF&
      BackStyle=0
      BorderStyle=0
      Caption="Maybe"
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
      Left = 4300
      Top = 500
      Width = 900
   End
   Begin VB.CheckBox chkCalc
      Caption =  ""
      Value = 0
      BeginProperty Font
         charset = 0
         underline = 0
         italic = 0
         strikethrough = 0
      EndProperty
      Height = 240
      Left = 4000
      TabIndex = 7
      Top = 900
      Width = 260
      HelpContextID = 0
   End
   Begin VB.OptionButton optFree
      Left = 4000
      TabIndex = 8
      Top = 1300
      Height = 210
      Caption =  "Free option"
      Width = 1270
      BackColor= &HFFFFFF&
      ForeColor= &H80&
   End
   Begin VB.OptionButton tglFree
      Left = 4000
      TabIndex = 9
      Top = 1700
      Caption =  "Toggle"
      ForeColor= &HFF&
      Width = 1200
      Height = 360
      Style = 1
   End
   Begin VB.Frame grpShip
      Caption =  "Ship via"
      BackColor= &HFFFFFF&
      ForeColor= &H0&
      Height = 1050
      Left = 100
      TabIndex = 10
      HelpContextID = 0
      Top = 2150
      Width = 3000
      Begin SSDataWidgets_A.SSDBOptSet Ship
         DataSource ="datValues"
         DataField ="ShipVia"
         _ExtentX =3228
         _ExtentY =2461
         _Version =131072
         Left = 150
         Index = 0
         TabIndex = 94
         Top = 300
         Buttons.Button(0).Caption =  "Air"
         Buttons.Button(0).OptionValue="1"
         Buttons.Button(1).Caption =  "Sea"
         Buttons.Button(1).OptionValue="2"
         Buttons.Button(2).Caption =  "Land"
         Buttons.Button(2).OptionValue="3"
         NumberOfButtons =3
         Cols =2
      End
   End
   Begin  VB.OLE objPhoto
      Height = 1500
      Left = 4000
      Top = 2300
      Width = 2000
      HelpContextID = 0
      DataSource ="datValues"
      DataField ="Photo"
      TabIndex = 11
   End
   Begin SSDataWidgets_B.SSDBCombo cboCustomer
      Bindings = "Values.frx":0000
      DataFieldList ="ItemID"
      DataSourceList ="datcboCustomer"
      Height = 285
      Left = 6200
      TabIndex =12
      Top = 100
      Width = 2000
      HelpContextID = 0
      _Version = 131078
      DataMode=0
      Cols=2
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
      Columns.count = 2
      Columns(0).Width = 0
      Columns(0).Visible = 0
      Columns(0).Caption = "ItemID"
      Columns(0).Name = "ItemID"
      Columns(0).DataField = "ItemID"
      Columns(0).DataType = 8
      Columns(0).FieldLen = 4096
      Columns(1).Width = 1440
      Columns(1).Caption = "Name"
      Columns(1).Name = "Name"
      Columns(1).DataField = "Name"
      Columns(1).DataType = 8
      Columns(1).FieldLen = 4096
      _ExtentX = 3527
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
   Begin VB.Data datcboCustomer
      Caption = "datcboCustomer"
      Connect = "Access"
      DatabaseName = "Controls.mdb"
      Exclusive = 0
      Height = 300
      Left = 6200
      Options = 0
      ReadOnly = 1
      RecordsetType = 2
      RecordSource = "SELECT ItemID, Name FROM Items"
      Top = 385
      Width = 1215
      Visible = False
   End
   Begin SSDataWidgets_B.SSDBCombo cboColour
      DataFieldList="Column 0"
      Height = 285
      Left = 6200
      TabIndex =13
      Top = 500
      Width = 2000
      HelpContextID = 0
      _Version = 131078
      DataMode=2
      Cols=1
      Rows=8
      AllowInput=1
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
      Columns(0).Width = 2000
      Columns(0).Caption = "col0"
      Columns(0).Name = "col0"
      Columns(0).DataField = "Column 0"
      Columns(0).DataType = 8
      Columns(0).FieldLen = 4096
      _ExtentX = 3527
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
   Begin SSDataWidgets_B.SSDBGrid lstItems
      Bindings = "Values.frx":0017
      Height = 1000
      Left = 6200
      TabIndex =14
      Top = 900
      Width = 2000
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
      Columns.count = 1
      Columns(0).Width = 2000
      Columns(0).Caption = "ItemID"
      Columns(0).Name = "ItemID"
      Columns(0).DataField = "ItemID"
      Columns(0).DataType = 8
      Columns(0).FieldLen = 4096
      _ExtentX = 3527
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
      Tag="Jet  Items"
   End
   Begin VB.Data datlstItems
      Caption = "datlstItems"
      Connect = "Access"
      DatabaseName = "Controls.mdb"
      Exclusive = 0
      Height = 300
      Left = 6200
      Options = 0
      ReadOnly = 1
      RecordsetType = 2
      RecordSource = "Items"
      Top = 1900
      Width = 1215
      Visible = False
   End
   Begin VB.Timer Timer1
      Left = 0
      Top = 0
      Interval = 1000
   End
End
DIM OpenArgsF as string
'VLRN Option Compare Database
Option Explicit

Private Sub txtShipped_LostFocus()
    gvarReturn =Check
    ' existing
End Sub

Private Sub chkMaybe_Click()
    Me!txtQty = 1
    'VLRN Call Show_Details
End Sub

Private Sub txtName_GotFocus()
    'VLRN Call txtName_Enter
    'VLRN Call mcrFocus
End Sub

Private Sub cboColour_LostFocus()
    If Not cboColour.IsItemInList Then
        'VLRN Call mcrAddColour
    End If
    ' colour chosen
End Sub

Private Sub lstItems_AfterUpdate(RtnDispErrMsg As Integer)
    Ship(2).Value = True
End Sub

Private Sub Form_Unload(Cancel As Integer)
    ' unloading
    'VLRN Call Close_Form
End Sub

Private Sub Form_MouseUp(Button As Integer, Shift As Integer, X As Single, Y As Single)
    Dim varReturn as variant
    varReturn =Moved
End Sub

Private Sub Ship_AfterUpdate(Index as Integer)
    If Ship(OptionGroupValue(Ship)).Index = 2 Then Beep
End Sub
Function InitializeComboBoxes()
    gvarreturn = additems("Red;Green;Blue", me!cboColour, "String")
End Function
Private Sub datValues_Reposition()
    chkCalc.value =datValues.Recordset.Fields("Qty")>10
    txtTotal.text =datValues.Recordset.Fields("Qty")*datValues.Recordset.Fields("Price")
    'VLRN Call Form_Current
End Sub
Function InitialDataCtlCaptions()
    On Error Resume Next
    datValues.Recordset.movenext
    datValues.Recordset.moveFirst
End Function

Private Sub txtName_Change()
    Dim varReturn as variant
    varReturn =Changed
End Sub

Private Sub chkPaid_LostFocus()
    Dim varReturn as variant

    gvarReturn =Total

End Sub

Private Sub optFree_Click()
    Dim varReturn as variant
    'VLRN Call optFree_BeforeUpdate(0)

    varReturn =Picked
End Sub

Private Sub Ship_Click(Index as Integer)

    Call Ship_AfterUpdate(Index)
End Sub

Private Sub Ship_GotFocus(Index as Integer)
    gvarReturn =Entered
End Sub

Private Sub objPhoto_Updated(Code As Integer)
    Dim varReturn as variant
    varReturn =Up
End Sub

Private Sub cboCustomer_Click()


    'VLRN Call Pick
    gvarReturn =Zoom
End Sub

Private Sub cboCustomer_LostFocus()
    If Not cboCustomer.IsItemInList Then
        'VLRN Call cboCustomer_NotInList(cboCustomer.Text, 0)
    End If

End Sub

Private Sub lstItems_Click()
    Dim varReturn as variant
    varReturn =Clicked
End Sub

Private Sub lstItems_BeforeUpdate(Cancel As Integer)
    Dim varReturn as variant
    varReturn =Before
End Sub

Private Sub Form_Click()
    Dim varReturn as variant
    varReturn =Recalc
End Sub

Private Sub Form_KeyPress(KeyAscii As Integer)
    'VLRN Call Keys
End Sub

Private Sub Form_Initialize()
    'VLRN Call Form_Open(0)
End Sub

Private Sub Form_Resize()
    Dim varReturn as variant
    varReturn =Fit
End Sub

Private Sub Timer1_Timer()
    Dim varReturn as variant
    varReturn =Tick
End Sub

Private Sub datValues_Error(DataErr As Integer, Response As Integer)
    'VLRN Call mcrError
End Sub

Private Sub datValues_Validate(Action As Integer, Save As Integer)
    Dim varReturn as variant

    Select Case Action
        Case vbDataActionUpdate
            'VLRN Call Form_BeforeUpdate(0)
        Case vbDataActionDelete
            varReturn =Deleted
            'VLRN Call Form_Delete(0)
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
    vReturnValue=InitializeComboBoxes()
    vReturnValue=InitialDataCtlCaptions()
End Sub
Private Sub Form_Activate()
    Dim vReturnValue as variant
    vReturnValue=InitialDataCtlCaptions()
End Sub
Function InitialValues()
    datValues.DatabaseName = db.Name
    datcboCustomer.DatabaseName = db.Name
    datlstItems.DatabaseName = db.Name
End Function
