Version =17
Begin Form
    Caption ="Names"
    Width =6000
    RecordSource ="People"
    TimerInterval =1000
    OnTimer ="[Event Procedure]"
    Begin
        Begin FormHeader
            Height =400
            Name ="FormHeader"
            Begin
                Begin Label
                    Name ="Section"
                    Caption ="A label named Section"
                    Left =100
                    Top =50
                    Width =2000
                    Height =240
                End
            End
        End
        Begin Section
            Height =6000
            Name ="Detail"
            Begin
                Begin TextBox
                    Name ="Timer1"
                    ControlSource ="Timer1"
                    Left =1500
                    Top =100
                    Width =1500
                    Height =285
                    TabIndex =0
                End
                Begin TextBox
                    Name ="datNames"
                    ControlSource ="datNames"
                    Left =1500
                    Top =500
                    Width =1500
                    Height =285
                    TabIndex =1
                End
                Begin Label
                    Name ="grpChoice"
                    Caption ="A label named grpChoice"
                    Left =100
                    Top =900
                    Width =2000
                    Height =240
                End
                Begin OptionGroup
                    Name ="Choice"
                    ControlSource ="Choice"
                    Left =100
                    Top =1300
                    Width =2500
                    Height =900
                    TabIndex =2
                    Begin
                        Begin OptionButton
                            Name ="optYes"
                            OptionValue =1
                            Left =200
                            Top =1450
                            Width =260
                            Height =240
                            Begin
                                Begin Label
                                    Name ="lblYes"
                                    Caption ="Yes"
                                    Left =500
                                    Top =1450
                                    Width =900
                                    Height =240
                                End
                            End
                        End
                        Begin OptionButton
                            Name ="optNo"
                            OptionValue =2
                            Left =200
                            Top =1750
                            Width =260
                            Height =240
                            Begin
                                Begin Label
                                    Name ="lblNo"
                                    Caption ="No"
                                    Left =500
                                    Top =1750
                                    Width =900
                                    Height =240
                                End
                            End
                        End
                    End
                End
                Begin PageBreak
                    Name ="PageBreak1"
                    Left =0
                    Top =3000
                End
                Begin Label
                    Name ="SSTab1"
                    Caption ="A label named SSTab1"
                    Left =100
                    Top =3500
                    Width =2000
                    Height =240
                End
            End
        End
        Begin FormFooter
            Height =400
            Name ="FormFooter"
            Begin
                Begin Label
                    Name ="lblNamesFooter"
                    Caption ="Footer"
                    Left =100
                    Top =50
                    Width =1200
                    Height =240
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

Private Sub Form_Timer()
    Me!Timer1 = Time()
End Sub
