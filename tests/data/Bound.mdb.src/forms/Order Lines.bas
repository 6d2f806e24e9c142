Version =17
Begin Form
    Caption ="Order Lines"
    Width =4000
    RecordSource ="Order Details"
    DefaultView =0
    Begin
        Begin Section
            Height =600
            Name ="Detail"
            Begin
                Begin Label
                    Name ="lblQuantity"
                    Caption ="lblQuantity"
                    Left =100
                    Top =100
                    Width =1200
                    Height =240
                End
            End
        End
    End
End
