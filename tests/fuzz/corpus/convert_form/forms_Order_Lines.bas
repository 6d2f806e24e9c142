Version =17
Begin Form
    Caption ="Order Lines"
    Width =4000
    RecordSource ="Order Lines"
    DefaultView =2
    Begin
        Begin FormHeader
            Height =300
            Name ="FormHeader"
            Begin
                Begin Label
                    Name ="lblHead"
                    Left =50
                    Top =20
                    Width =900
                    Height =240
                    Caption ="Lines"
                End
            End
        End
        Begin Section
            Height =1800
            Name ="Detail"
            Begin
                Begin TextBox
                    Name ="txtQuantity"
                    Left =1200
                    Top =500
                    Width =800
                    Height =285
                    ControlSource ="Quantity"
                    TabIndex =1
                    Begin
                        Begin Label
                            Name ="lblQuantity"
                            Left =100
                            Top =500
                            Width =900
                            Height =240
                            Caption ="Qty"
                        End
                    End
                End
                Begin TextBox
                    Name ="txtProduct"
                    Left =1200
                    Top =100
                    Width =2000
                    Height =285
                    ControlSource ="ProductID"
                    TabIndex =0
                    Begin
                        Begin Label
                            Name ="lblProduct"
                            Left =100
                            Top =100
                            Width =900
                            Height =240
                            Caption ="Product"
                        End
                    End
                End
                Begin TextBox
                    Name ="txtOrderID"
                    Left =1200
                    Top =900
                    Width =0
                    Height =285
                    ControlSource ="OrderID"
                    TabIndex =3
                End
                Begin TextBox
                    Name ="txtPrice"
                    Left =1200
                    Top =1300
                    Width =1000
                    Height =285
                    ControlSource ="Price"
                    Format ="Currency"
                    TabIndex =2
                    Begin
                        Begin Label
                            Name ="lblPrice"
                            Left =100
                            Top =1300
                            Width =900
                            Height =240
                            Caption ="Price"
                        End
                    End
                End
            End
        End
    End
End
