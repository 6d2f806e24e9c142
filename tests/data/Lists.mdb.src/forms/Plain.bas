Version =17
Begin Form
    Caption ="Plain"
    Width =3000
    MenuBar ="Menu Bar"
    Begin
        Begin Section
            Height =900
            Name ="Detail"
            Begin
                Begin Label
                    Name ="lblPlain"
                    Left =100
                    Top =100
                    Width =900
                    Height =240
                    Caption ="Plain"
                End
            End
        End
    End
End
