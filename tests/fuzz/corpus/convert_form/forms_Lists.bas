Version =17
Begin Form
    Caption ="Lists"
    Width =7200
    RecordSource ="Orders"
    Begin
        Begin Section
            Height =2600
            Name ="Detail"
            Begin
                Begin ListBox
                    Name ="lstProducts"
                    Left =100
                    Top =100
                    Width =2500
                    Height =1000
                    RowSourceType ="Table/Query"
                    RowSource ="SELECT ProductID, ProductName FROM Products"
                    ColumnCount =2
                    ColumnWidths ="0;1440"
                    ColumnHeads = NotDefault
                    TabIndex =0
                End
                Begin ListBox
                    Name ="lstSizes"
                    Left =2800
                    Top =100
                    Width =1500
                    Height =1000
                    RowSourceType ="Value List"
                    RowSource ="Small;Medium;Large"
                    MultiSelect =1
                    TabIndex =1
                    ControlTipText ="Pick sizes"
                End
                Begin ListBox
                    Name ="lstRemote"
                    Left =4500
                    Top =100
                    Width =2500
                    Height =1000
                    RowSourceType ="Table/Query"
                    RowSource ="qryRemoteProducts"
                    ColumnCount =2
                    ColumnWidths ="0;2000"
                    TabIndex =2
                    Enabled = NotDefault
                End
                Begin ComboBox
                    Name ="cboProduct"
                    Left =1200
                    Top =1300
                    Width =2500
                    Height =285
                    ControlSource ="ProductID"
                    RowSourceType ="Table/Query"
                    RowSource ="SELECT ProductID, ProductName FROM Products"
                    ColumnCount =2
                    ColumnWidths ="0;2000"
                    BoundColumn =1
                    TabIndex =3
                    Begin
                        Begin Label
                            Name ="lblProduct"
                            Left =100
                            Top =1300
                            Width =900
                            Height =240
                            Caption ="Product:"
                        End
                    End
                End
                Begin ComboBox
                    Name ="cboSize"
                    Left =1200
                    Top =1700
                    Width =1500
                    Height =285
                    ControlSource ="Size"
                    RowSourceType ="Value List"
                    RowSource ="Small;Medium;Large"
                    LimitToList = NotDefault
                    TabIndex =4
                    Begin
                        Begin Label
                            Name ="lblSize"
                            Left =100
                            Top =1700
                            Width =900
                            Height =240
                            Caption ="Size:"
                        End
                    End
                End
                Begin ComboBox
                    Name ="cboFind"
                    Left =1200
                    Top =2100
                    Width =2500
                    Height =285
                    RowSourceType ="Table/Query"
                    RowSource ="Products"
                    ColumnCount =3
                    ColumnWidths ="0;1800;0"
                    BoundColumn =2
                    LimitToList = NotDefault
                    TabIndex =5
                    AfterUpdate ="[Event Procedure]"
                    Begin
                        Begin Label
                            Name ="lblFind"
                            Left =100
                            Top =2100
                            Width =900
                            Height =240
                            Caption ="Find:"
                        End
                    End
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

Private Sub cboFind_AfterUpdate()
    Me.RecordsetClone.FindFirst "[ProductID] = " & Me!cboFind
End Sub
