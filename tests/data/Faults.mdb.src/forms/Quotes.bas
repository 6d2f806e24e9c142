Version =17
Begin Form
    Caption ="Say \"Hi\""
    Width =7000
    Begin
        Begin FormHeader
            Height =500
            Name ="FormHeader"
            Tag ="the \"head\" section"
            Begin
                Begin Label
                    Name ="lblTitle"
                    Caption ="Title \"one\""
                    Left =100
                    Top =100
                    Width =2000
                    Height =240
                End
            End
        End
        Begin Section
            Height =5200
            Name ="Detail"
            Begin
                Begin Label
                    Name ="lblMissing"
                    Caption ="\"Image not found\""
                    ControlTipText ="Tip \"label\""
                    Tag ="Tag \"label\""
                    Left =100
                    Top =100
                    Width =2000
                    Height =240
                End
                Begin CommandButton
                    Name ="cmdPress"
                    Caption ="Press \"here\""
                    ControlTipText ="Tip \"button\""
                    Tag ="Tag \"button\""
                    Left =2300
                    Top =100
                    Width =1500
                    Height =400
                    TabIndex =0
                End
                Begin ToggleButton
                    Name ="tglQuote"
                    Caption ="Toggle \"on\""
                    Left =4000
                    Top =100
                    Width =1500
                    Height =400
                    TabIndex =1
                End
                Begin CheckBox
                    Name ="chkQuote"
                    Left =100
                    Top =600
                    Width =260
                    Height =240
                    TabIndex =2
                    ControlTipText ="Tip \"check\""
                    Begin
                        Begin Label
                            Name ="lblCheck"
                            Caption ="Check \"me\""
                            Left =400
                            Top =600
                            Width =1500
                            Height =240
                        End
                    End
                End
                Begin OptionButton
                    Name ="optQuote"
                    Left =2300
                    Top =600
                    Width =260
                    Height =240
                    TabIndex =3
                    Begin
                        Begin Label
                            Name ="lblOption"
                            Caption ="Option \"A\""
                            Left =2600
                            Top =600
                            Width =1500
                            Height =240
                        End
                    End
                End
                Begin TextBox
                    Name ="txtLiteral"
                    DefaultValue ="\"AB\""
                    ControlTipText ="Tip \"text\""
                    Tag ="Tag \"text\""
                    Left =1500
                    Top =1000
                    Width =1500
                    Height =285
                    TabIndex =4
                End
                Begin TextBox
                    Name ="txtExpression"
                    DefaultValue ="=\"x\""
                    Left =1500
                    Top =1400
                    Width =1500
                    Height =285
                    TabIndex =5
                End
                Begin TextBox
                    Name ="txtQuoted"
                    DefaultValue ="\"\"\"q\"\"\""
                    Left =1500
                    Top =1800
                    Width =1500
                    Height =285
                    TabIndex =6
                End
                Begin TextBox
                    Name ="txtToday"
                    DefaultValue ="=Date()"
                    Left =1500
                    Top =2200
                    Width =1500
                    Height =285
                    TabIndex =7
                End
                Begin TextBox
                    Name ="txtZero"
                    DefaultValue ="0"
                    Left =1500
                    Top =2600
                    Width =1500
                    Height =285
                    TabIndex =8
                End
                Begin Tab
                    Name ="tabQuotes"
                    Left =100
                    Top =3000
                    Width =5000
                    Height =2000
                    TabIndex =9
                    Begin
                        Begin Page
                            Name ="pgFirst"
                            Caption ="The \"first\" page"
                            Left =200
                            Top =3300
                            Width =4800
                            Height =1600
                            Begin
                                Begin Label
                                    Name ="lblOnFirst"
                                    Caption ="On \"first\""
                                    Left =300
                                    Top =3500
                                    Width =1500
                                    Height =240
                                End
                            End
                        End
                        Begin Page
                            Name ="pgSecond"
                            Caption ="Second"
                            Left =200
                            Top =3300
                            Width =4800
                            Height =1600
                        End
                    End
                End
            End
        End
    End
End
