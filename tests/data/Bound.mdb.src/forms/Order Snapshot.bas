Version =17
Begin Form
    Caption ="Snapshot"
    Width =4000
    RecordSource ="Orders"
    RecordsetType =2
    Begin
        Begin Section
            Height =1000
            Name ="Detail"
            Begin
                Begin Label
                    Name ="lblSnap"
                    Caption ="lblSnap"
                    Left =100
                    Top =100
                    Width =1200
                    Height =240
                End
            End
        End
    End
End
