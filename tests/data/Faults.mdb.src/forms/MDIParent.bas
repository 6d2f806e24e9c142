Version =17
Begin Form
    Caption ="The application's own MDIParent"
    Width =4000
    Begin
        Begin Section
            Height =800
            Name ="Detail"
            Begin
                Begin Label
                    Name ="lblParent"
                    Caption ="Not the MDI parent"
                    Left =100
                    Top =100
                    Width =2000
                    Height =240
                End
            End
        End
    End
End
