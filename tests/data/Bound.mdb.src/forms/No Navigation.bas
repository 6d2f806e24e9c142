Version =17
Begin Form
    Caption ="No navigation"
    Width =4000
    RecordSource ="Customers"
    NavigationButtons = NotDefault
    Begin
        Begin Section
            Height =1000
            Name ="Detail"
            Begin
                Begin Label
                    Name ="lblNoNav"
                    Caption ="lblNoNav"
                    Left =100
                    Top =100
                    Width =1200
                    Height =240
                End
            End
        End
    End
End
