VERSION 4.00
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
      Width = 3527
      _ExtentX = 3527
      Height = 502.5975
      _ExtentY = 502.5975
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
      Width = 1470
      Height = 210
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
      Begin VB.OptionButton Ship
         Height = 210
         Left = 150
         Index = 1
         TabIndex = 94
         Top = 300
         Caption =  "Air"
         Width = 1170
         BackColor= &HFFFFFF&
         ForeColor= &H0&
      End
      Begin VB.OptionButton Ship
         Height = 210
         Left = 150
         Index = 2
         TabIndex = 94
         Top = 600
         Caption =  "Sea"
         Width = 1170
         BackColor= &HFFFFFF&
         ForeColor= &H0&
      End
      Begin VB.OptionButton Ship
         Height = 210
         Left = 1450
         Index = 3
         TabIndex = 94
         Top = 300
         Caption =  "Land"
         Width = 1170
         BackColor= &HFFFFFF&
         ForeColor= &H0&
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
   Begin DataList.GTCombo cboCustomer
      Bindings = "Values.frx":0000
      Height = 502.5975
      Left = 6200
      TabIndex = 12
      Top = 100
      Width = 3527
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
      CDs.Count = 2
      DataFieldList="ItemID"
      DataFieldDisplay="Name"
      CDs.CD(0).SubItemSource = 0
      CDs.CD(0).WordWrap = 0
      CDs.CD(0).CaptionWordWrap = 0
      CDs.CD(0).FontDefined = -1
      CDs.CD(0).DataField="ItemID"
      CDs.CD(0).Caption="ItemID"
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
      CDs.CD(1).DataField="Name"
      CDs.CD(1).Caption="Name"
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
      ComboStyle = 2
      _ExtentX = 3527
      _ExtentY = 502.5975
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
   Begin DataList.GTCombo cboColour
      Height = 502.5975
      Left = 6200
      TabIndex = 13
      Top = 500
      Width = 3527
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
      CDs.CD(0).Width = 2000
      CDs.CD(0).KEY = ""
      ComboStyle = 0
      _ExtentX = 3527
      _ExtentY = 502.5975
   End
   Begin DataList.GTList lstItems
      Bindings = "Values.frx":0017
      Height = 1763.5
      Left = 6200
      TabIndex = 14
      Top = 900
      Width = 3527
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
      CDs.Count = 1
      CDs.CD(0).SubItemSource = 0
      CDs.CD(0).WordWrap = 0
      CDs.CD(0).CaptionWordWrap = 0
      CDs.CD(0).FontDefined = -1
      CDs.CD(0).DataField="ItemID"
      CDs.CD(0).Caption="ItemID"
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
      CDs.CD(0).Width = 2000
      CDs.CD(0).KEY = ""
      LImgs.Count = 1
      GridLineType = 2
      _ExtentX = 3527
      _ExtentY = 1763.5
      _StockProps = 81
      BackColor = -2147483643
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
    ' colour chosen
End Sub

Private Sub lstItems_AfterUpdate()
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
    gvarreturn = additemsGT("Red;Green;Blue", me!cboColour, "String")
End Function
Private Sub datValues_Reposition()
    Ship(datValues.recordset.Fields("ShipVia")).value = true
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

Private Sub lstItems_Click()
    Dim varReturn as variant
    gvarReturn =Before
    Call lstItems_AfterUpdate
    varReturn =Clicked
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
