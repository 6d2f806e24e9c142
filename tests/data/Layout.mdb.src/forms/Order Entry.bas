Version =17
Begin Form
    Caption ="Order Entry"
    Width =3000
    Begin
        Begin Section
            Height =1000
            Name ="Detail"
            Begin
                Begin Label
                    Name ="Text 1"
                    Caption ="Text 1"
                    Left =100
                    Top =100
                    Width =1200
                    Height =240
                End
                Begin Label
                    Name ="Text_1"
                    Caption ="Text_1"
                    Left =100
                    Top =400
                    Width =1200
                    Height =240
                End
                Begin Label
                    Name ="Text-1"
                    Caption ="Text-1"
                    Left =100
                    Top =700
                    Width =1200
                    Height =240
                End
            End
        End
    End
End
