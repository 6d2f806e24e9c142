Version =17
Begin Form
    Caption ="Remote Lines"
    Width =3000
    RecordSource ="qryRemoteLines"
    DefaultView =2
    Begin
        Begin Section
            Height =900
            Name ="Detail"
            Begin
                Begin TextBox
                    Name ="txtRemoteQty"
                    Left =1200
                    Top =100
                    Width =800
                    Height =285
                    ControlSource ="Quantity"
                    TabIndex =0
                End
                Begin TextBox
                    Name ="txtRemotePrice"
                    Left =1200
                    Top =500
                    Width =1000
                    Height =285
                    ControlSource ="Price"
                    Format ="Fixed"
                    TabIndex =1
                End
            End
        End
    End
End
