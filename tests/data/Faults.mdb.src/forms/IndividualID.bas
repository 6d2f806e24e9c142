Version =17
Begin Form
    Caption ="Individual"
    Width =5000
    RecordSource ="Individuals"
    Begin
        Begin Section
            Height =1200
            Name ="Detail"
            Begin
                Begin ComboBox
                    Name ="IndividualID"
                    ControlSource ="IndividualID"
                    RowSourceType ="Table/Query"
                    RowSource ="SELECT IndividualID, FullName FROM Individuals"
                    ColumnCount =2
                    ColumnWidths ="0;2000"
                    BoundColumn =1
                    Left =1500
                    Top =100
                    Width =2500
                    Height =285
                    TabIndex =0
                    Begin
                        Begin Label
                            Name ="lblIndividual"
                            Caption ="Individual:"
                            Left =100
                            Top =100
                            Width =1200
                            Height =240
                        End
                    End
                End
            End
        End
    End
End
