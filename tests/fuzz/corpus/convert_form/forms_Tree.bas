Version =17
Begin Form
    Caption ="Tree"
    Width =4000
    RecordSource ="Items"
    NavigationButtons = NotDefault
    OnCurrent ="=Show()"
    Begin
        Begin Section
            Height =2500
            Name ="Detail"
            Begin
                Begin CustomControl
                    Name ="ctlTree"
                    Left =100
                    Top =100
                    Width =3000
                    Height =2000
                    OLEClass ="TreeView"
                    Class ="COMCTL.TreeCtrl.1"
                    TabIndex =0
                End
            End
        End
    End
End
