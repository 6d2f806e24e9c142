Version =17
Begin Form
    Caption ="Three pages"
    Width =8000
    Begin
        Begin Section
            Height =9000
            Name ="Detail"
            Begin
                Begin Label
                    Name ="lblPage0"
                    Caption ="lblPage0"
                    Left =200
                    Top =500
                    Width =1200
                    Height =240
                End
                Begin PageBreak
                    Name ="PageBreak1"
                    Left =0
                    Top =3000
                End
                Begin Label
                    Name ="lblAtBreak"
                    Caption ="lblAtBreak"
                    Left =200
                    Top =3000
                    Width =1200
                    Height =240
                End
                Begin Label
                    Name ="lblPage1"
                    Caption ="lblPage1"
                    Left =200
                    Top =4000
                    Width =1200
                    Height =240
                End
                Begin Line
                    Name ="linPage1"
                    Left =100
                    Top =4500
                    Width =2000
                    Height =0
                End
                Begin PageBreak
                    Name ="PageBreak2"
                    Left =0
                    Top =6000
                End
                Begin Label
                    Name ="lblPage2"
                    Caption ="lblPage2"
                    Left =200
                    Top =6500
                    Width =1200
                    Height =240
                End
                Begin Rectangle
                    Name ="rctPage2"
                    Left =100
                    Top =6400
                    Width =3000
                    Height =1000
                End
            End
        End
        Begin FormFooter
            Height =400
            Name ="FormFooter"
            Begin
                Begin Label
                    Name ="lblFooter"
                    Caption ="lblFooter"
                    Left =100
                    Top =50
                    Width =1200
                    Height =240
                End
            End
        End
    End
End
