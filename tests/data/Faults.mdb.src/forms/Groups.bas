Version =17
Begin Form
    Caption ="Groups"
    Width =4000
    RecordSource ="People"
    Begin
        Begin Section
            Height =3800
            Name ="Detail"
            Begin
                Begin OptionGroup
                    Name ="Colour"
                    ControlSource ="Colour"
                    Left =100
                    Top =100
                    Width =3000
                    Height =1000
                    TabIndex =0
                    OnClick ="mcrFaults.Picked"
                    BeforeUpdate ="[Event Procedure]"
                    AfterUpdate ="[Event Procedure]"
                    OnMouseDown ="[Event Procedure]"
                    Begin
                        Begin OptionButton
                            Name ="optRed"
                            OptionValue =1
                            Left =200
                            Top =250
                            Width =260
                            Height =240
                            Begin
                                Begin Label
                                    Name ="lblRed"
                                    Caption ="Red"
                                    Left =500
                                    Top =250
                                    Width =900
                                    Height =240
                                End
                            End
                        End
                        Begin OptionButton
                            Name ="optBlue"
                            OptionValue =2
                            Left =200
                            Top =550
                            Width =260
                            Height =240
                            Begin
                                Begin Label
                                    Name ="lblBlue"
                                    Caption ="Blue"
                                    Left =500
                                    Top =550
                                    Width =900
                                    Height =240
                                End
                            End
                        End
                    End
                End
                Begin OptionGroup
                    Name ="Answer"
                    ControlSource ="Colour"
                    Left =4100
                    Top =100
                    Width =1500
                    Height =1200
                    TabIndex =3
                    Begin
                        Begin OptionButton
                            Name ="optYes"
                            OptionValue =-1
                            Left =4200
                            Top =200
                            Width =260
                            Height =240
                        End
                        Begin OptionButton
                            Name ="optNo"
                            OptionValue =0
                            Left =4200
                            Top =500
                            Width =260
                            Height =240
                        End
                        Begin OptionButton
                            Name ="optNever"
                            OptionValue =0
                            Left =4200
                            Top =800
                            Width =260
                            Height =240
                        End
                        Begin OptionButton
                            Name ="optHuge"
                            OptionValue =40000
                            Left =4200
                            Top =1100
                            Width =260
                            Height =240
                        End
                    End
                End
                Begin OptionGroup
                    Name ="Empty"
                    ControlSource ="Speed"
                    Left =4100
                    Top =1400
                    Width =1500
                    Height =500
                    TabIndex =4
                End
                Begin OptionGroup
                    Name ="Speed"
                    ControlSource ="Speed"
                    Left =100
                    Top =1300
                    Width =3000
                    Height =1000
                    TabIndex =1
                    OnClick ="[Event Procedure]"
                    AfterUpdate ="[Event Procedure]"
                    Begin
                        Begin OptionButton
                            Name ="optSlow"
                            OptionValue =1
                            Left =200
                            Top =1450
                            Width =260
                            Height =240
                            Begin
                                Begin Label
                                    Name ="lblSlow"
                                    Caption ="Slow"
                                    Left =500
                                    Top =1450
                                    Width =900
                                    Height =240
                                End
                            End
                        End
                        Begin OptionButton
                            Name ="optFast"
                            OptionValue =2
                            Left =200
                            Top =1750
                            Width =260
                            Height =240
                            Begin
                                Begin Label
                                    Name ="lblFast"
                                    Caption ="Fast"
                                    Left =500
                                    Top =1750
                                    Width =900
                                    Height =240
                                End
                            End
                        End
                    End
                End
                Begin OptionGroup
                    Name ="Mixed"
                    ControlSource ="Mixed"
                    Left =100
                    Top =2500
                    Width =3000
                    Height =1000
                    TabIndex =2
                    Begin
                        Begin OptionButton
                            Name ="optLeft"
                            OptionValue =1
                            Left =200
                            Top =2650
                            Width =260
                            Height =240
                            Begin
                                Begin Label
                                    Name ="lblLeft"
                                    Caption ="Left"
                                    Left =500
                                    Top =2650
                                    Width =900
                                    Height =240
                                End
                            End
                        End
                        Begin OptionButton
                            Name ="optRight"
                            OptionValue =2
                            Left =200
                            Top =2950
                            Width =260
                            Height =240
                            Begin
                                Begin Label
                                    Name ="lblRight"
                                    Caption ="Right"
                                    Left =500
                                    Top =2950
                                    Width =900
                                    Height =240
                                End
                            End
                        End
                        Begin ToggleButton
                            Name ="tglBoth"
                            OptionValue =3
                            Left =1500
                            Top =2650
                            Width =900
                            Height =300
                            Caption ="Both"
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

Private Sub Colour_BeforeUpdate(Cancel As Integer)
    If IsNull(Colour) Then Cancel = True
End Sub

Private Sub Colour_AfterUpdate()
    Me.Caption = "Colour " & Colour
End Sub

Private Sub Colour_MouseDown(Button As Integer, Shift As Integer, X As Single, Y As Single)
    If Button = 2 Then Beep
End Sub

Private Sub Speed_Click()
    Me.Caption = "Speed clicked"
End Sub

Private Sub Speed_AfterUpdate()
    Call Speed_Click
End Sub

Private Sub Form_Load()
    Call Speed_Click
    Colour_MouseDown 2, 0, 0, 0
    If Me!Speed = 1 Then Speed_Click Else Call Speed_AfterUpdate: Beep
    Me!Speed = _
        2
End Sub
