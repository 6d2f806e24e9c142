Version =17
Begin Form
    Caption ="Orders \"all\""
    Width =6000
    RecordSource ="SELECT * FROM Orders WHERE Note <> \"x\"\015\012ORDER BY OrderID"
    Begin
        Begin Section
            Height =3000
            Name ="Detail"
            Begin
                Begin Label
                    Name ="lblOrder"
                    Caption ="lblOrder"
                    Left =100
                    Top =100
                    Width =1200
                    Height =240
                End
                Begin Subform
                    Name ="sfrDetails"
                    SourceObject ="Order Lines"
                    LinkMasterFields ="OrderID"
                    LinkChildFields ="OrderID"
                    Left =300
                    Top =800
                    Width =5000
                    Height =2000
                End
            End
        End
    End
End
