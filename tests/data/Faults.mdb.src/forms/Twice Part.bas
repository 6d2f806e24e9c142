Version =17
Begin Form
    Caption ="One line"
    Width =4000
    RecordSource ="Lines"
    DefaultView =0
    Begin
        Begin Section
            Height =800
            Name ="Detail"
            Begin
                Begin TextBox
                    Name ="txtItem"
                    ControlSource ="Item"
                    Left =1200
                    Top =100
                    Width =2000
                    Height =285
                    TabIndex =0
                    Begin
                        Begin Label
                            Name ="lblItem"
                            Caption ="Item"
                            Left =100
                            Top =100
                            Width =900
                            Height =240
                        End
                    End
                End
            End
        End
    End
End
