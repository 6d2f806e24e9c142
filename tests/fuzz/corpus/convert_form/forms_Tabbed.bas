Version =17
Begin Form
    Caption ="Tabbed"
    Width =6000
    Begin
        Begin FormHeader
            Height =400
            Name ="FormHeader"
            Begin
                Begin Label
                    Name ="lblTabbedHeader"
                    Caption ="lblTabbedHeader"
                    Left =100
                    Top =50
                    Width =1200
                    Height =240
                End
            End
        End
        Begin Section
            Height =4500
            Name ="Detail"
            Begin
                Begin Label
                    Name ="lblAbove"
                    Caption ="lblAbove"
                    Left =200
                    Top =100
                    Width =1200
                    Height =240
                End
                Begin Tab
                    Name ="tabMain"
                    Left =200
                    Top =500
                    Width =5400
                    Height =3600
                    TabIndex =0
                    Value =1
                    ControlTipText ="Pages"
                    Begin
                        Begin Page
                            Name ="pg0"
                            Caption ="General"
                            Left =300
                            Top =800
                            Width =5000
                            Height =3000
                            Begin
                                Begin Label
                                    Name ="lblOnPage0"
                                    Caption ="lblOnPage0"
                                    Left =400
                                    Top =900
                                    Width =1200
                                    Height =240
                                End
                            End
                        End
                        Begin Page
                            Name ="pg1"
                            Left =300
                            Top =800
                            Width =5000
                            Height =3000
                            Begin
                                Begin Label
                                    Name ="lblOnPage1"
                                    Caption ="lblOnPage1"
                                    Left =400
                                    Top =1100
                                    Width =1200
                                    Height =240
                                End
                                Begin Line
                                    Name ="linOnPage1"
                                    Left =400
                                    Top =1500
                                    Width =2000
                                    Height =0
                                End
                                Begin Image
                                    Name ="imgOnPage1"
                                    Picture ="tab.bmp"
                                    Left =400
                                    Top =1800
                                    Width =800
                                    Height =600
                                End
                            End
                        End
                        Begin Page
                            Name ="pg2"
                            Caption ="Notes"
                            Left =300
                            Top =800
                            Width =5000
                            Height =3000
                            Begin
                                Begin Label
                                    Name ="lblOnPage2"
                                    Caption ="lblOnPage2"
                                    Left =400
                                    Top =1300
                                    Width =1200
                                    Height =240
                                End
                            End
                        End
                    End
                End
            End
        End
    End
End
