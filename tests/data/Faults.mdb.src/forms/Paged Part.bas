Version =17
Begin Form
    Caption ="Paged part"
    Width =4000
    Begin
        Begin Section
            Height =3000
            Name ="Detail"
            Begin
                Begin Label
                    Name ="lblPartTop"
                    Caption ="Part, page one"
                    Left =100
                    Top =100
                    Width =1500
                    Height =240
                End
                Begin PageBreak
                    Name ="PartBreak"
                    Left =0
                    Top =1000
                End
                Begin Label
                    Name ="lblPartBottom"
                    Caption ="Part, page two"
                    Left =100
                    Top =1200
                    Width =1500
                    Height =240
                End
            End
        End
    End
End
