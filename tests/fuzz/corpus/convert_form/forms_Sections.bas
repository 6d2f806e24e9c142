Version =17
Begin Form
    Width =7000
    AutoCenter = NotDefault
    PopUp = NotDefault
    Modal = NotDefault
    Begin
        Begin FormHeader
            Height =600
            BackColor =12632256
            Name ="FormHeader"
            Tag ="head"
            Begin
                Begin Label
                    Name ="lblHeader"
                    Caption ="lblHeader"
                    Left =100
                    Top =100
                    Width =2000
                    Height =300
                End
            End
        End
        Begin PageHeader
            Height =400
            Name ="PageHeader"
            Begin
                Begin Label
                    Name ="lblPageHeader"
                    Caption ="lblPageHeader"
                    Left =100
                    Top =50
                    Width =1200
                    Height =240
                End
            End
        End
        Begin Section
            Height =2000
            Name ="Detail"
            Begin
                Begin Label
                    Name ="lblDetail"
                    Caption ="lblDetail"
                    Left =100
                    Top =500
                    Width =1200
                    Height =240
                End
                Begin Rectangle
                    Name ="rctDetail"
                    Left =50
                    Top =50
                    Width =3000
                    Height =1800
                End
            End
        End
        Begin PageFooter
            Height =300
            Name ="PageFooter"
            Begin
                Begin Label
                    Name ="lblPageFooter"
                    Caption ="lblPageFooter"
                    Left =100
                    Top =20
                    Width =1200
                    Height =240
                End
            End
        End
        Begin FormFooter
            Height =500
            Name ="FormFooter"
            Visible = NotDefault
            Begin
                Begin Label
                    Name ="lblFooter"
                    Caption ="lblFooter"
                    Left =100
                    Top =100
                    Width =1200
                    Height =240
                End
                Begin Rectangle
                    Name ="rctFooter"
                    Left =10
                    Top =10
                    Width =200
                    Height =200
                End
            End
        End
    End
End
