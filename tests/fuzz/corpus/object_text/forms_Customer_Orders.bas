Version =17
Begin Form
    Caption ="Customer Orders"
    Width =5000
    RecordSource ="SELECT * FROM Orders ORDER BY OrderDate"
    Begin
        Begin FormHeader
            Height =300
            Name ="FormHeader"
            Begin
                Begin Label
                    Name ="lblOrdersHeader"
                    Caption ="lblOrdersHeader"
                    Left =50
                    Top =20
                    Width =1200
                    Height =240
                End
            End
        End
        Begin Section
            Height =1500
            Name ="Detail"
            Begin
                Begin Label
                    Name ="lblOrderDate"
                    Caption ="lblOrderDate"
                    Left =100
                    Top =300
                    Width =1200
                    Height =240
                End
                Begin Line
                    Name ="linUnder"
                    Left =100
                    Top =600
                    Width =2000
                    Height =0
                End
                Begin Subform
                    Name ="sfrLines"
                    SourceObject ="Order Lines"
                    LinkMasterFields ="OrderID"
                    LinkChildFields ="OrderID"
                    Left =200
                    Top =700
                    Width =5000
                    Height =2000
                End
            End
        End
    End
End
