Version =17
Begin Form
    Caption ="Pages in pages"
    Width =6000
    Begin
        Begin Section
            Height =6000
            Name ="Detail"
            Begin
                Begin Label
                    Name ="lblPagedTop"
                    Caption ="Page one"
                    Left =100
                    Top =100
                    Width =1500
                    Height =240
                End
                Begin Subform
                    Name ="sfrPaged"
                    SourceObject ="Paged Part"
                    Left =100
                    Top =500
                    Width =4500
                    Height =2000
                    TabIndex =0
                End
                Begin PageBreak
                    Name ="PagedBreak"
                    Left =0
                    Top =3000
                End
                Begin Label
                    Name ="lblPagedBottom"
                    Caption ="Page two"
                    Left =100
                    Top =3200
                    Width =1500
                    Height =240
                End
            End
        End
    End
End
