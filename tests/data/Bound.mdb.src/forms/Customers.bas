Version =17
Begin Form
    Caption ="Customers"
    Width =7000
    RecordSource ="Customers"
    Begin
        Begin Section
            Height =4000
            Name ="Detail"
            Begin
                Begin Label
                    Name ="lblCustomer"
                    Caption ="lblCustomer"
                    Left =100
                    Top =100
                    Width =1200
                    Height =240
                End
                Begin Subform
                    Name ="sfrOrders"
                    SourceObject ="Customer Orders"
                    LinkMasterFields ="CustomerID"
                    LinkChildFields ="CustomerID"
                    Left =500
                    Top =1000
                    Width =5000
                    Height =2000
                End
            End
        End
    End
End
