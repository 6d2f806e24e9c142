Version =17
Begin Form
    Caption ="Menus"
    Width =4000
    MenuBar ="Faults Menu"
    Begin
        Begin Section
            Height =800
            Name ="Detail"
            Begin
                Begin Label
                    Name ="lblMenus"
                    Caption ="A form with a menu bar"
                    Left =100
                    Top =100
                    Width =2500
                    Height =240
                End
            End
        End
    End
End
