Version =17
Begin Form
    Caption ="Values"
    Width =8400
    RecordSource ="Items"
    OnClick ="=Recalc()"
    OnOpen ="[Event Procedure]"
    OnLoad ="[Event Procedure]"
    OnUnload ="[Event Procedure]"
    OnClose ="Close Form"
    BeforeUpdate ="[Event Procedure]"
    OnMouseUp ="=Moved()"
    OnCurrent ="[Event Procedure]"
    OnError ="mcrError"
    OnKeyPress ="Keys"
    OnResize ="=Fit()"
    TimerInterval =1000
    OnTimer ="=Tick()"
    AfterDelConfirm ="=Deleted()"
    OnDelete ="[Event Procedure]"
    Begin
        Begin Section
            Height =4000
            Name ="Detail"
            Begin
                Begin TextBox
                    Name ="txtName"
                    Left =1500
                    Top =100
                    Width =2000
                    Height =285
                    ControlSource ="Name"
                    TabIndex =0
                    OnChange ="=Changed()"
                    OnEnter ="[Event Procedure]"
                    OnGotFocus ="mcrFocus"
                    Begin
                        Begin Label
                            Name ="lblName"
                            Left =100
                            Top =100
                            Width =900
                            Height =240
                            Caption ="Name:"
                        End
                    End
                End
                Begin TextBox
                    Name ="txtTotal"
                    Left =1500
                    Top =500
                    Width =1500
                    Height =285
                    ControlSource ="=[Qty]*[Price]"
                    TabIndex =1
                    Locked = NotDefault
                    TextAlign =3
                    SpecialEffect =0
                    BackStyle =0
                End
                Begin TextBox
                    Name ="txtQty"
                    Left =1500
                    Top =900
                    Width =800
                    Height =285
                    ControlSource ="Qty"
                    DefaultValue ="5"
                    TabIndex =2
                    Enabled = NotDefault
                    TabStop = NotDefault
                    ScrollBars =2
                End
                Begin TextBox
                    Name ="txtShipped"
                    Left =1500
                    Top =1300
                    Width =2000
                    Height =285
                    ControlSource ="Shipped"
                    Format ="Short Date"
                    TabIndex =3
                    OnExit ="=Check()"
                    OnLostFocus ="[Event Procedure]"
                End
                Begin TextBox
                    Name ="txtReminder"
                    Left =1500
                    Top =1700
                    Width =2000
                    Height =285
                    Format ="Medium Date"
                    TabIndex =4
                End
                Begin CheckBox
                    Name ="chkPaid"
                    Left =4000
                    Top =100
                    Width =260
                    Height =240
                    ControlSource ="Paid"
                    DefaultValue ="-1"
                    TabIndex =5
                    AfterUpdate ="=Total()"
                    Begin
                        Begin Label
                            Name ="lblPaid"
                            Left =4300
                            Top =100
                            Width =900
                            Height =240
                            Caption ="Paid"
                        End
                    End
                End
                Begin CheckBox
                    Name ="chkMaybe"
                    Left =4000
                    Top =500
                    Width =260
                    Height =240
                    TripleState = NotDefault
                    TabIndex =6
                    OnClick ="[Event Procedure]"
                    OnDblClick ="Show Details"
                    Begin
                        Begin Label
                            Name ="lblMaybe"
                            Left =4300
                            Top =500
                            Width =900
                            Height =240
                            Caption ="Maybe"
                        End
                    End
                End
                Begin CheckBox
                    Name ="chkCalc"
                    Left =4000
                    Top =900
                    Width =260
                    Height =240
                    ControlSource ="=[Qty]>10"
                    DefaultValue ="0"
                    TabIndex =7
                End
                Begin OptionButton
                    Name ="optFree"
                    Left =4000
                    Top =1300
                    Width =260
                    Height =240
                    TabIndex =8
                    OnClick ="=Picked()"
                    BeforeUpdate ="[Event Procedure]"
                    Begin
                        Begin Label
                            Name ="lblFree"
                            Left =4300
                            Top =1300
                            Width =1000
                            Height =240
                            Caption ="Free\015\012option"
                            ForeColor =128
                        End
                    End
                End
                Begin ToggleButton
                    Name ="tglFree"
                    Left =4000
                    Top =1700
                    Width =1200
                    Height =360
                    Caption ="Toggle"
                    TabIndex =9
                    ForeColor =255
                End
                Begin OptionGroup
                    Name ="Ship"
                    Left =100
                    Top =2300
                    Width =3000
                    Height =900
                    ControlSource ="ShipVia"
                    TabIndex =10
                    OnEnter ="=Entered()"
                    AfterUpdate ="[Event Procedure]"
                    Begin
                        Begin OptionButton
                            Name ="optAir"
                            Left =200
                            Top =2450
                            Width =260
                            Height =240
                            OptionValue =1
                            Begin
                                Begin Label
                                    Name ="lblAir"
                                    Left =500
                                    Top =2450
                                    Width =900
                                    Height =240
                                    Caption ="Air"
                                End
                            End
                        End
                        Begin OptionButton
                            Name ="optSea"
                            Left =200
                            Top =2750
                            Width =260
                            Height =240
                            OptionValue =2
                            Begin
                                Begin Label
                                    Name ="lblSea"
                                    Left =500
                                    Top =2750
                                    Width =900
                                    Height =240
                                    Caption ="Sea"
                                End
                            End
                        End
                        Begin OptionButton
                            Name ="optLand"
                            Left =1500
                            Top =2450
                            Width =260
                            Height =240
                            OptionValue =3
                            Begin
                                Begin Label
                                    Name ="lblLand"
                                    Left =1800
                                    Top =2450
                                    Width =900
                                    Height =240
                                    Caption ="Land"
                                End
                            End
                        End
                        Begin Label
                            Name ="lblShip"
                            Left =200
                            Top =2150
                            Width =900
                            Height =240
                            Caption ="Ship via"
                        End
                    End
                End
                Begin BoundObjectFrame
                    Name ="objPhoto"
                    Left =4000
                    Top =2300
                    Width =2000
                    Height =1500
                    ControlSource ="Photo"
                    TabIndex =11
                    OnUpdated ="=Up()"
                End
                Begin UnboundObjectFrame
                    Name ="oleSheet"
                    Left =6200
                    Top =2300
                    Width =2000
                    Height =1500
                    OLEClass ="Microsoft Excel Worksheet"
                    Class ="Excel.Sheet.8"
                End
                Begin ComboBox
                    Name ="cboCustomer"
                    Left =6200
                    Top =100
                    Width =2000
                    Height =285
                    RowSourceType ="Table/Query"
                    RowSource ="SELECT ItemID, Name FROM Items"
                    ColumnCount =2
                    ColumnWidths ="0;1440"
                    LimitToList = NotDefault
                    OnNotInList ="[Event Procedure]"
                    OnClick ="Pick"
                    OnDblClick ="=Zoom()"
                    TabIndex =12
                End
                Begin ComboBox
                    Name ="cboColour"
                    Left =6200
                    Top =500
                    Width =2000
                    Height =285
                    RowSourceType ="Value List"
                    RowSource ="Red;Green;Blue"
                    OnNotInList ="mcrAddColour"
                    OnLostFocus ="[Event Procedure]"
                    TabIndex =13
                End
                Begin ListBox
                    Name ="lstItems"
                    Left =6200
                    Top =900
                    Width =2000
                    Height =1000
                    RowSourceType ="Table/Query"
                    RowSource ="Items"
                    BeforeUpdate ="=Before()"
                    AfterUpdate ="[Event Procedure]"
                    OnClick ="=Clicked()"
                    TabIndex =14
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

Private Sub txtShipped_LostFocus()
    ' existing
End Sub

Private Sub chkMaybe_Click()
    Me!txtQty = 1
End Sub

Private Sub txtName_GotFocus()
End Sub

Private Sub cboColour_LostFocus()
    ' colour chosen
End Sub

Private Sub lstItems_AfterUpdate()
    Ship = 2
End Sub

Private Sub Form_Unload(Cancel As Integer)
    ' unloading
End Sub

Private Sub Form_MouseUp(Button As Integer, Shift As Integer, X As Single, Y As Single)
End Sub

Private Sub Ship_AfterUpdate()
    If Ship = 2 Then Beep
End Sub
