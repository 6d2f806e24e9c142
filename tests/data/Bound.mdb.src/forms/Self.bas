Version =17
Begin Form
    Caption ="Embeds itself"
    Width =4000
    Begin
        Begin Section
            Height =1000
            Name ="Detail"
            Begin
                Begin Subform
                    Name ="sfrSelf"
                    SourceObject ="Self"
                    LinkMasterFields =""
                    LinkChildFields =""
                    Left =0
                    Top =0
                    Width =5000
                    Height =2000
                End
            End
        End
    End
End
