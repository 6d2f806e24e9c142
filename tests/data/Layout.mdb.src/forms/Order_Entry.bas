Version =17
Begin Form
    Caption ="Order_Entry"
    Width =3000
    Begin
        Begin Section
            Height =1000
            Name ="Detail"
            Begin
                Begin Label
                    Name ="lblOther"
                    Caption ="lblOther"
                    Left =100
                    Top =100
                    Width =1200
                    Height =240
                End
            End
        End
    End
End
