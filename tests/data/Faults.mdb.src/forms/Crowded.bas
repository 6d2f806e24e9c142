Version =17
Begin Form
    Caption ="Crowded"
    Width =9000
    RecordSource ="People"
    Begin
        Begin Section
            Height =9000
            Name ="Detail"
            Begin
                Begin Label
                    Name ="lbl001"
                    Caption ="Label 1"
                    Left =100
                    Top =100
                    Width =1600
                    Height =200
                End
                Begin Label
                    Name ="lbl002"
                    Caption ="Label 2"
                    Left =1800
                    Top =100
                    Width =1600
                    Height =200
                End
                Begin Label
                    Name ="lbl003"
                    Caption ="Label 3"
                    Left =3500
                    Top =100
                    Width =1600
                    Height =200
                End
                Begin Label
                    Name ="lbl004"
                    Caption ="Label 4"
                    Left =5200
                    Top =100
                    Width =1600
                    Height =200
                End
                Begin Label
                    Name ="lbl005"
                    Caption ="Label 5"
                    Left =6900
                    Top =100
                    Width =1600
                    Height =200
                End
                Begin Label
                    Name ="lbl006"
                    Caption ="Label 6"
                    Left =100
                    Top =300
                    Width =1600
                    Height =200
                End
                Begin Label
                    Name ="lbl007"
                    Caption ="Label 7"
                    Left =1800
                    Top =300
                    Width =1600
                    Height =200
                End
                Begin Label
                    Name ="lbl008"
                    Caption ="Label 8"
                    Left =3500
                    Top =300
                    Width =1600
                    Height =200
                End
                Begin Label
                    Name ="lbl009"
                    Caption ="Label 9"
                    Left =5200
                    Top =300
                    Width =1600
                    Height =200
                End
                Begin Label
                    Name ="lbl010"
                    Caption ="Label 10"
                    Left =6900
                    Top =300
                    Width =1600
                    Height =200
                End
                Begin Label
                    Name ="lbl011"
                    Caption ="Label 11"
                    Left =100
                    Top =500
                    Width =1600
                    Height =200
                End
                Begin Label
                    Name ="lbl012"
                    Caption ="Label 12"
                    Left =1800
                    Top =500
                    Width =1600
                    Height =200
                End
                Begin Label
                    Name ="lbl013"
                    Caption ="Label 13"
                    Left =3500
                    Top =500
                    Width =1600
                    Height =200
                End
                Begin Label
                    Name ="lbl014"
                    Caption ="Label 14"
                    Left =5200
                    Top =500
                    Width =1600
                    Height =200
                End
                Begin Label
                    Name ="lbl015"
                    Caption ="Label 15"
                    Left =6900
                    Top =500
                    Width =1600
                    Height =200
                End
                Begin Label
                    Name ="lbl016"
                    Caption ="Label 16"
                    Left =100
                    Top =700
                    Width =1600
                    Height =200
                End
                Begin Label
                    Name ="lbl017"
                    Caption ="Label 17"
                    Left =1800
                    Top =700
                    Width =1600
                    Height =200
                End
                Begin Label
                    Name ="lbl018"
                    Caption ="Label 18"
                    Left =3500
                    Top =700
                    Width =1600
                    Height =200
                End
                Begin Label
                    Name ="lbl019"
                    Caption ="Label 19"
                    Left =5200
                    Top =700
                    Width =1600
                    Height =200
                End
                Begin Label
                    Name ="lbl020"
                    Caption ="Label 20"
                    Left =6900
                    Top =700
                    Width =1600
                    Height =200
                End
                Begin Label
                    Name ="lbl021"
                    Caption ="Label 21"
                    Left =100
                    Top =900
                    Width =1600
                    Height =200
                End
                Begin Label
                    Name ="lbl022"
                    Caption ="Label 22"
                    Left =1800
                    Top =900
                    Width =1600
                    Height =200
                End
                Begin Label
                    Name ="lbl023"
                    Caption ="Label 23"
                    Left =3500
                    Top =900
                    Width =1600
                    Height =200
                End
                Begin Label
                    Name ="lbl024"
                    Caption ="Label 24"
                    Left =5200
                    Top =900
                    Width =1600
                    Height =200
                End
                Begin Label
                    Name ="lbl025"
                    Caption ="Label 25"
                    Left =6900
                    Top =900
                    Width =1600
                    Height =200
                End
                Begin Label
                    Name ="lbl026"
                    Caption ="Label 26"
                    Left =100
                    Top =1100
                    Width =1600
                    Height =200
                End
                Begin Label
                    Name ="lbl027"
                    Caption ="Label 27"
                    Left =1800
                    Top =1100
                    Width =1600
                    Height =200
                End
                Begin Label
                    Name ="lbl028"
                    Caption ="Label 28"
                    Left =3500
                    Top =1100
                    Width =1600
                    Height =200
                End
                Begin Label
                    Name ="lbl029"
                    Caption ="Label 29"
                    Left =5200
                    Top =1100
                    Width =1600
                    Height =200
                End
                Begin Label
                    Name ="lbl030"
                    Caption ="Label 30"
                    Left =6900
                    Top =1100
                    Width =1600
                    Height =200
                End
                Begin Label
                    Name ="lbl031"
                    Caption ="Label 31"
                    Left =100
                    Top =1300
                    Width =1600
                    Height =200
                End
                Begin Label
                    Name ="lbl032"
                    Caption ="Label 32"
                    Left =1800
                    Top =1300
                    Width =1600
                    Height =200
                End
                Begin Label
                    Name ="lbl033"
                    Caption ="Label 33"
                    Left =3500
                    Top =1300
                    Width =1600
                    Height =200
                End
                Begin Label
                    Name ="lbl034"
                    Caption ="Label 34"
                    Left =5200
                    Top =1300
                    Width =1600
                    Height =200
                End
                Begin Label
                    Name ="lbl035"
                    Caption ="Label 35"
                    Left =6900
                    Top =1300
                    Width =1600
                    Height =200
                End
                Begin Label
                    Name ="lbl036"
                    Caption ="Label 36"
                    Left =100
                    Top =1500
                    Width =1600
                    Height =200
                End
                Begin Label
                    Name ="lbl037"
                    Caption ="Label 37"
                    Left =1800
                    Top =1500
                    Width =1600
                    Height =200
                End
                Begin Label
                    Name ="lbl038"
                    Caption ="Label 38"
                    Left =3500
                    Top =1500
                    Width =1600
                    Height =200
                End
                Begin Label
                    Name ="lbl039"
                    Caption ="Label 39"
                    Left =5200
                    Top =1500
                    Width =1600
                    Height =200
                End
                Begin Label
                    Name ="lbl040"
                    Caption ="Label 40"
                    Left =6900
                    Top =1500
                    Width =1600
                    Height =200
                End
                Begin Label
                    Name ="lbl041"
                    Caption ="Label 41"
                    Left =100
                    Top =1700
                    Width =1600
                    Height =200
                End
                Begin Label
                    Name ="lbl042"
                    Caption ="Label 42"
                    Left =1800
                    Top =1700
                    Width =1600
                    Height =200
                End
                Begin Label
                    Name ="lbl043"
                    Caption ="Label 43"
                    Left =3500
                    Top =1700
                    Width =1600
                    Height =200
                End
                Begin Label
                    Name ="lbl044"
                    Caption ="Label 44"
                    Left =5200
                    Top =1700
                    Width =1600
                    Height =200
                End
                Begin Label
                    Name ="lbl045"
                    Caption ="Label 45"
                    Left =6900
                    Top =1700
                    Width =1600
                    Height =200
                End
                Begin Label
                    Name ="lbl046"
                    Caption ="Label 46"
                    Left =100
                    Top =1900
                    Width =1600
                    Height =200
                End
                Begin Label
                    Name ="lbl047"
                    Caption ="Label 47"
                    Left =1800
                    Top =1900
                    Width =1600
                    Height =200
                End
                Begin Label
                    Name ="lbl048"
                    Caption ="Label 48"
                    Left =3500
                    Top =1900
                    Width =1600
                    Height =200
                End
                Begin Label
                    Name ="lbl049"
                    Caption ="Label 49"
                    Left =5200
                    Top =1900
                    Width =1600
                    Height =200
                End
                Begin Label
                    Name ="lbl050"
                    Caption ="Label 50"
                    Left =6900
                    Top =1900
                    Width =1600
                    Height =200
                End
                Begin Label
                    Name ="lbl051"
                    Caption ="Label 51"
                    Left =100
                    Top =2100
                    Width =1600
                    Height =200
                End
                Begin Label
                    Name ="lbl052"
                    Caption ="Label 52"
                    Left =1800
                    Top =2100
                    Width =1600
                    Height =200
                End
                Begin Label
                    Name ="lbl053"
                    Caption ="Label 53"
                    Left =3500
                    Top =2100
                    Width =1600
                    Height =200
                End
                Begin Label
                    Name ="lbl054"
                    Caption ="Label 54"
                    Left =5200
                    Top =2100
                    Width =1600
                    Height =200
                End
                Begin Label
                    Name ="lbl055"
                    Caption ="Label 55"
                    Left =6900
                    Top =2100
                    Width =1600
                    Height =200
                End
                Begin Label
                    Name ="lbl056"
                    Caption ="Label 56"
                    Left =100
                    Top =2300
                    Width =1600
                    Height =200
                End
                Begin Label
                    Name ="lbl057"
                    Caption ="Label 57"
                    Left =1800
                    Top =2300
                    Width =1600
                    Height =200
                End
                Begin Label
                    Name ="lbl058"
                    Caption ="Label 58"
                    Left =3500
                    Top =2300
                    Width =1600
                    Height =200
                End
                Begin Label
                    Name ="lbl059"
                    Caption ="Label 59"
                    Left =5200
                    Top =2300
                    Width =1600
                    Height =200
                End
                Begin Label
                    Name ="lbl060"
                    Caption ="Label 60"
                    Left =6900
                    Top =2300
                    Width =1600
                    Height =200
                End
                Begin Label
                    Name ="lbl061"
                    Caption ="Label 61"
                    Left =100
                    Top =2500
                    Width =1600
                    Height =200
                End
                Begin Label
                    Name ="lbl062"
                    Caption ="Label 62"
                    Left =1800
                    Top =2500
                    Width =1600
                    Height =200
                End
                Begin Label
                    Name ="lbl063"
                    Caption ="Label 63"
                    Left =3500
                    Top =2500
                    Width =1600
                    Height =200
                End
                Begin Label
                    Name ="lbl064"
                    Caption ="Label 64"
                    Left =5200
                    Top =2500
                    Width =1600
                    Height =200
                End
                Begin Label
                    Name ="lbl065"
                    Caption ="Label 65"
                    Left =6900
                    Top =2500
                    Width =1600
                    Height =200
                End
                Begin Label
                    Name ="lbl066"
                    Caption ="Label 66"
                    Left =100
                    Top =2700
                    Width =1600
                    Height =200
                End
                Begin Label
                    Name ="lbl067"
                    Caption ="Label 67"
                    Left =1800
                    Top =2700
                    Width =1600
                    Height =200
                End
                Begin Label
                    Name ="lbl068"
                    Caption ="Label 68"
                    Left =3500
                    Top =2700
                    Width =1600
                    Height =200
                End
                Begin Label
                    Name ="lbl069"
                    Caption ="Label 69"
                    Left =5200
                    Top =2700
                    Width =1600
                    Height =200
                End
                Begin Label
                    Name ="lbl070"
                    Caption ="Label 70"
                    Left =6900
                    Top =2700
                    Width =1600
                    Height =200
                End
                Begin Label
                    Name ="lbl071"
                    Caption ="Label 71"
                    Left =100
                    Top =2900
                    Width =1600
                    Height =200
                End
                Begin Label
                    Name ="lbl072"
                    Caption ="Label 72"
                    Left =1800
                    Top =2900
                    Width =1600
                    Height =200
                End
                Begin Label
                    Name ="lbl073"
                    Caption ="Label 73"
                    Left =3500
                    Top =2900
                    Width =1600
                    Height =200
                End
                Begin Label
                    Name ="lbl074"
                    Caption ="Label 74"
                    Left =5200
                    Top =2900
                    Width =1600
                    Height =200
                End
                Begin Label
                    Name ="lbl075"
                    Caption ="Label 75"
                    Left =6900
                    Top =2900
                    Width =1600
                    Height =200
                End
                Begin Label
                    Name ="lbl076"
                    Caption ="Label 76"
                    Left =100
                    Top =3100
                    Width =1600
                    Height =200
                End
                Begin Label
                    Name ="lbl077"
                    Caption ="Label 77"
                    Left =1800
                    Top =3100
                    Width =1600
                    Height =200
                End
                Begin Label
                    Name ="lbl078"
                    Caption ="Label 78"
                    Left =3500
                    Top =3100
                    Width =1600
                    Height =200
                End
                Begin Label
                    Name ="lbl079"
                    Caption ="Label 79"
                    Left =5200
                    Top =3100
                    Width =1600
                    Height =200
                End
                Begin Label
                    Name ="lbl080"
                    Caption ="Label 80"
                    Left =6900
                    Top =3100
                    Width =1600
                    Height =200
                End
                Begin Label
                    Name ="lbl081"
                    Caption ="Label 81"
                    Left =100
                    Top =3300
                    Width =1600
                    Height =200
                End
                Begin Label
                    Name ="lbl082"
                    Caption ="Label 82"
                    Left =1800
                    Top =3300
                    Width =1600
                    Height =200
                End
                Begin Label
                    Name ="lbl083"
                    Caption ="Label 83"
                    Left =3500
                    Top =3300
                    Width =1600
                    Height =200
                End
                Begin Label
                    Name ="lbl084"
                    Caption ="Label 84"
                    Left =5200
                    Top =3300
                    Width =1600
                    Height =200
                End
                Begin Label
                    Name ="lbl085"
                    Caption ="Label 85"
                    Left =6900
                    Top =3300
                    Width =1600
                    Height =200
                End
                Begin Label
                    Name ="lbl086"
                    Caption ="Label 86"
                    Left =100
                    Top =3500
                    Width =1600
                    Height =200
                End
                Begin Label
                    Name ="lbl087"
                    Caption ="Label 87"
                    Left =1800
                    Top =3500
                    Width =1600
                    Height =200
                End
                Begin Label
                    Name ="lbl088"
                    Caption ="Label 88"
                    Left =3500
                    Top =3500
                    Width =1600
                    Height =200
                End
                Begin Label
                    Name ="lbl089"
                    Caption ="Label 89"
                    Left =5200
                    Top =3500
                    Width =1600
                    Height =200
                End
                Begin Label
                    Name ="lbl090"
                    Caption ="Label 90"
                    Left =6900
                    Top =3500
                    Width =1600
                    Height =200
                End
                Begin Label
                    Name ="lbl091"
                    Caption ="Label 91"
                    Left =100
                    Top =3700
                    Width =1600
                    Height =200
                End
                Begin Label
                    Name ="lbl092"
                    Caption ="Label 92"
                    Left =1800
                    Top =3700
                    Width =1600
                    Height =200
                End
                Begin Label
                    Name ="lbl093"
                    Caption ="Label 93"
                    Left =3500
                    Top =3700
                    Width =1600
                    Height =200
                End
                Begin Label
                    Name ="lbl094"
                    Caption ="Label 94"
                    Left =5200
                    Top =3700
                    Width =1600
                    Height =200
                End
                Begin Label
                    Name ="lbl095"
                    Caption ="Label 95"
                    Left =6900
                    Top =3700
                    Width =1600
                    Height =200
                End
                Begin Label
                    Name ="lbl096"
                    Caption ="Label 96"
                    Left =100
                    Top =3900
                    Width =1600
                    Height =200
                End
                Begin Label
                    Name ="lbl097"
                    Caption ="Label 97"
                    Left =1800
                    Top =3900
                    Width =1600
                    Height =200
                End
                Begin Label
                    Name ="lbl098"
                    Caption ="Label 98"
                    Left =3500
                    Top =3900
                    Width =1600
                    Height =200
                End
                Begin Label
                    Name ="lbl099"
                    Caption ="Label 99"
                    Left =5200
                    Top =3900
                    Width =1600
                    Height =200
                End
                Begin Label
                    Name ="lbl100"
                    Caption ="Label 100"
                    Left =6900
                    Top =3900
                    Width =1600
                    Height =200
                End
                Begin ComboBox
                    Name ="cbo001"
                    ControlSource ="Choice"
                    RowSourceType ="Table/Query"
                    RowSource ="SELECT PersonID, FullName FROM People WHERE PersonID > 1"
                    Left =100
                    Top =4300
                    Width =1600
                    Height =260
                    TabIndex =0
                End
                Begin ComboBox
                    Name ="cbo002"
                    ControlSource ="Choice"
                    RowSourceType ="Table/Query"
                    RowSource ="SELECT PersonID, FullName FROM People WHERE PersonID > 2"
                    Left =1800
                    Top =4300
                    Width =1600
                    Height =260
                    TabIndex =1
                End
                Begin ComboBox
                    Name ="cbo003"
                    ControlSource ="Choice"
                    RowSourceType ="Table/Query"
                    RowSource ="SELECT PersonID, FullName FROM People WHERE PersonID > 3"
                    Left =3500
                    Top =4300
                    Width =1600
                    Height =260
                    TabIndex =2
                End
                Begin ComboBox
                    Name ="cbo004"
                    ControlSource ="Choice"
                    RowSourceType ="Table/Query"
                    RowSource ="SELECT PersonID, FullName FROM People WHERE PersonID > 4"
                    Left =5200
                    Top =4300
                    Width =1600
                    Height =260
                    TabIndex =3
                End
                Begin ComboBox
                    Name ="cbo005"
                    ControlSource ="Choice"
                    RowSourceType ="Table/Query"
                    RowSource ="SELECT PersonID, FullName FROM People WHERE PersonID > 5"
                    Left =6900
                    Top =4300
                    Width =1600
                    Height =260
                    TabIndex =4
                End
                Begin ComboBox
                    Name ="cbo006"
                    ControlSource ="Choice"
                    RowSourceType ="Table/Query"
                    RowSource ="SELECT PersonID, FullName FROM People WHERE PersonID > 6"
                    Left =100
                    Top =4580
                    Width =1600
                    Height =260
                    TabIndex =5
                End
                Begin ComboBox
                    Name ="cbo007"
                    ControlSource ="Choice"
                    RowSourceType ="Table/Query"
                    RowSource ="SELECT PersonID, FullName FROM People WHERE PersonID > 7"
                    Left =1800
                    Top =4580
                    Width =1600
                    Height =260
                    TabIndex =6
                End
                Begin ComboBox
                    Name ="cbo008"
                    ControlSource ="Choice"
                    RowSourceType ="Table/Query"
                    RowSource ="SELECT PersonID, FullName FROM People WHERE PersonID > 8"
                    Left =3500
                    Top =4580
                    Width =1600
                    Height =260
                    TabIndex =7
                End
                Begin ComboBox
                    Name ="cbo009"
                    ControlSource ="Choice"
                    RowSourceType ="Table/Query"
                    RowSource ="SELECT PersonID, FullName FROM People WHERE PersonID > 9"
                    Left =5200
                    Top =4580
                    Width =1600
                    Height =260
                    TabIndex =8
                End
                Begin ComboBox
                    Name ="cbo010"
                    ControlSource ="Choice"
                    RowSourceType ="Table/Query"
                    RowSource ="SELECT PersonID, FullName FROM People WHERE PersonID > 10"
                    Left =6900
                    Top =4580
                    Width =1600
                    Height =260
                    TabIndex =9
                End
                Begin ComboBox
                    Name ="cbo011"
                    ControlSource ="Choice"
                    RowSourceType ="Table/Query"
                    RowSource ="SELECT PersonID, FullName FROM People WHERE PersonID > 11"
                    Left =100
                    Top =4860
                    Width =1600
                    Height =260
                    TabIndex =10
                End
                Begin ComboBox
                    Name ="cbo012"
                    ControlSource ="Choice"
                    RowSourceType ="Table/Query"
                    RowSource ="SELECT PersonID, FullName FROM People WHERE PersonID > 12"
                    Left =1800
                    Top =4860
                    Width =1600
                    Height =260
                    TabIndex =11
                End
                Begin ComboBox
                    Name ="cbo013"
                    ControlSource ="Choice"
                    RowSourceType ="Table/Query"
                    RowSource ="SELECT PersonID, FullName FROM People WHERE PersonID > 13"
                    Left =3500
                    Top =4860
                    Width =1600
                    Height =260
                    TabIndex =12
                End
                Begin ComboBox
                    Name ="cbo014"
                    ControlSource ="Choice"
                    RowSourceType ="Table/Query"
                    RowSource ="SELECT PersonID, FullName FROM People WHERE PersonID > 14"
                    Left =5200
                    Top =4860
                    Width =1600
                    Height =260
                    TabIndex =13
                End
                Begin ComboBox
                    Name ="cbo015"
                    ControlSource ="Choice"
                    RowSourceType ="Table/Query"
                    RowSource ="SELECT PersonID, FullName FROM People WHERE PersonID > 15"
                    Left =6900
                    Top =4860
                    Width =1600
                    Height =260
                    TabIndex =14
                End
                Begin ComboBox
                    Name ="cbo016"
                    ControlSource ="Choice"
                    RowSourceType ="Table/Query"
                    RowSource ="SELECT PersonID, FullName FROM People WHERE PersonID > 16"
                    Left =100
                    Top =5140
                    Width =1600
                    Height =260
                    TabIndex =15
                End
                Begin ComboBox
                    Name ="cbo017"
                    ControlSource ="Choice"
                    RowSourceType ="Table/Query"
                    RowSource ="SELECT PersonID, FullName FROM People WHERE PersonID > 17"
                    Left =1800
                    Top =5140
                    Width =1600
                    Height =260
                    TabIndex =16
                End
                Begin ComboBox
                    Name ="cbo018"
                    ControlSource ="Choice"
                    RowSourceType ="Table/Query"
                    RowSource ="SELECT PersonID, FullName FROM People WHERE PersonID > 18"
                    Left =3500
                    Top =5140
                    Width =1600
                    Height =260
                    TabIndex =17
                End
                Begin ComboBox
                    Name ="cbo019"
                    ControlSource ="Choice"
                    RowSourceType ="Table/Query"
                    RowSource ="SELECT PersonID, FullName FROM People WHERE PersonID > 19"
                    Left =5200
                    Top =5140
                    Width =1600
                    Height =260
                    TabIndex =18
                End
                Begin ComboBox
                    Name ="cbo020"
                    ControlSource ="Choice"
                    RowSourceType ="Table/Query"
                    RowSource ="SELECT PersonID, FullName FROM People WHERE PersonID > 20"
                    Left =6900
                    Top =5140
                    Width =1600
                    Height =260
                    TabIndex =19
                End
                Begin ComboBox
                    Name ="cbo021"
                    ControlSource ="Choice"
                    RowSourceType ="Table/Query"
                    RowSource ="SELECT PersonID, FullName FROM People WHERE PersonID > 21"
                    Left =100
                    Top =5420
                    Width =1600
                    Height =260
                    TabIndex =20
                End
                Begin ComboBox
                    Name ="cbo022"
                    ControlSource ="Choice"
                    RowSourceType ="Table/Query"
                    RowSource ="SELECT PersonID, FullName FROM People WHERE PersonID > 22"
                    Left =1800
                    Top =5420
                    Width =1600
                    Height =260
                    TabIndex =21
                End
                Begin ComboBox
                    Name ="cbo023"
                    ControlSource ="Choice"
                    RowSourceType ="Table/Query"
                    RowSource ="SELECT PersonID, FullName FROM People WHERE PersonID > 23"
                    Left =3500
                    Top =5420
                    Width =1600
                    Height =260
                    TabIndex =22
                End
                Begin ComboBox
                    Name ="cbo024"
                    ControlSource ="Choice"
                    RowSourceType ="Table/Query"
                    RowSource ="SELECT PersonID, FullName FROM People WHERE PersonID > 24"
                    Left =5200
                    Top =5420
                    Width =1600
                    Height =260
                    TabIndex =23
                End
                Begin ComboBox
                    Name ="cbo025"
                    ControlSource ="Choice"
                    RowSourceType ="Table/Query"
                    RowSource ="SELECT PersonID, FullName FROM People WHERE PersonID > 25"
                    Left =6900
                    Top =5420
                    Width =1600
                    Height =260
                    TabIndex =24
                End
                Begin ComboBox
                    Name ="cbo026"
                    ControlSource ="Choice"
                    RowSourceType ="Table/Query"
                    RowSource ="SELECT PersonID, FullName FROM People WHERE PersonID > 26"
                    Left =100
                    Top =5700
                    Width =1600
                    Height =260
                    TabIndex =25
                End
                Begin ComboBox
                    Name ="cbo027"
                    ControlSource ="Choice"
                    RowSourceType ="Table/Query"
                    RowSource ="SELECT PersonID, FullName FROM People WHERE PersonID > 27"
                    Left =1800
                    Top =5700
                    Width =1600
                    Height =260
                    TabIndex =26
                End
                Begin ComboBox
                    Name ="cbo028"
                    ControlSource ="Choice"
                    RowSourceType ="Table/Query"
                    RowSource ="SELECT PersonID, FullName FROM People WHERE PersonID > 28"
                    Left =3500
                    Top =5700
                    Width =1600
                    Height =260
                    TabIndex =27
                End
                Begin ComboBox
                    Name ="cbo029"
                    ControlSource ="Choice"
                    RowSourceType ="Table/Query"
                    RowSource ="SELECT PersonID, FullName FROM People WHERE PersonID > 29"
                    Left =5200
                    Top =5700
                    Width =1600
                    Height =260
                    TabIndex =28
                End
                Begin ComboBox
                    Name ="cbo030"
                    ControlSource ="Choice"
                    RowSourceType ="Table/Query"
                    RowSource ="SELECT PersonID, FullName FROM People WHERE PersonID > 30"
                    Left =6900
                    Top =5700
                    Width =1600
                    Height =260
                    TabIndex =29
                End
                Begin ComboBox
                    Name ="cbo031"
                    ControlSource ="Choice"
                    RowSourceType ="Table/Query"
                    RowSource ="SELECT PersonID, FullName FROM People WHERE PersonID > 31"
                    Left =100
                    Top =5980
                    Width =1600
                    Height =260
                    TabIndex =30
                End
                Begin ComboBox
                    Name ="cbo032"
                    ControlSource ="Choice"
                    RowSourceType ="Table/Query"
                    RowSource ="SELECT PersonID, FullName FROM People WHERE PersonID > 32"
                    Left =1800
                    Top =5980
                    Width =1600
                    Height =260
                    TabIndex =31
                End
                Begin ComboBox
                    Name ="cbo033"
                    ControlSource ="Choice"
                    RowSourceType ="Table/Query"
                    RowSource ="SELECT PersonID, FullName FROM People WHERE PersonID > 33"
                    Left =3500
                    Top =5980
                    Width =1600
                    Height =260
                    TabIndex =32
                End
                Begin ComboBox
                    Name ="cbo034"
                    ControlSource ="Choice"
                    RowSourceType ="Table/Query"
                    RowSource ="SELECT PersonID, FullName FROM People WHERE PersonID > 34"
                    Left =5200
                    Top =5980
                    Width =1600
                    Height =260
                    TabIndex =33
                End
                Begin ComboBox
                    Name ="cbo035"
                    ControlSource ="Choice"
                    RowSourceType ="Table/Query"
                    RowSource ="SELECT PersonID, FullName FROM People WHERE PersonID > 35"
                    Left =6900
                    Top =5980
                    Width =1600
                    Height =260
                    TabIndex =34
                End
                Begin ComboBox
                    Name ="cbo036"
                    ControlSource ="Choice"
                    RowSourceType ="Table/Query"
                    RowSource ="SELECT PersonID, FullName FROM People WHERE PersonID > 36"
                    Left =100
                    Top =6260
                    Width =1600
                    Height =260
                    TabIndex =35
                End
                Begin ComboBox
                    Name ="cbo037"
                    ControlSource ="Choice"
                    RowSourceType ="Table/Query"
                    RowSource ="SELECT PersonID, FullName FROM People WHERE PersonID > 37"
                    Left =1800
                    Top =6260
                    Width =1600
                    Height =260
                    TabIndex =36
                End
                Begin ComboBox
                    Name ="cbo038"
                    ControlSource ="Choice"
                    RowSourceType ="Table/Query"
                    RowSource ="SELECT PersonID, FullName FROM People WHERE PersonID > 38"
                    Left =3500
                    Top =6260
                    Width =1600
                    Height =260
                    TabIndex =37
                End
                Begin ComboBox
                    Name ="cbo039"
                    ControlSource ="Choice"
                    RowSourceType ="Table/Query"
                    RowSource ="SELECT PersonID, FullName FROM People WHERE PersonID > 39"
                    Left =5200
                    Top =6260
                    Width =1600
                    Height =260
                    TabIndex =38
                End
                Begin ComboBox
                    Name ="cbo040"
                    ControlSource ="Choice"
                    RowSourceType ="Table/Query"
                    RowSource ="SELECT PersonID, FullName FROM People WHERE PersonID > 40"
                    Left =6900
                    Top =6260
                    Width =1600
                    Height =260
                    TabIndex =39
                End
                Begin ComboBox
                    Name ="cbo041"
                    ControlSource ="Choice"
                    RowSourceType ="Table/Query"
                    RowSource ="SELECT PersonID, FullName FROM People WHERE PersonID > 41"
                    Left =100
                    Top =6540
                    Width =1600
                    Height =260
                    TabIndex =40
                End
                Begin ComboBox
                    Name ="cbo042"
                    ControlSource ="Choice"
                    RowSourceType ="Table/Query"
                    RowSource ="SELECT PersonID, FullName FROM People WHERE PersonID > 42"
                    Left =1800
                    Top =6540
                    Width =1600
                    Height =260
                    TabIndex =41
                End
                Begin ComboBox
                    Name ="cbo043"
                    ControlSource ="Choice"
                    RowSourceType ="Table/Query"
                    RowSource ="SELECT PersonID, FullName FROM People WHERE PersonID > 43"
                    Left =3500
                    Top =6540
                    Width =1600
                    Height =260
                    TabIndex =42
                End
                Begin ComboBox
                    Name ="cbo044"
                    ControlSource ="Choice"
                    RowSourceType ="Table/Query"
                    RowSource ="SELECT PersonID, FullName FROM People WHERE PersonID > 44"
                    Left =5200
                    Top =6540
                    Width =1600
                    Height =260
                    TabIndex =43
                End
                Begin ComboBox
                    Name ="cbo045"
                    ControlSource ="Choice"
                    RowSourceType ="Table/Query"
                    RowSource ="SELECT PersonID, FullName FROM People WHERE PersonID > 45"
                    Left =6900
                    Top =6540
                    Width =1600
                    Height =260
                    TabIndex =44
                End
                Begin ComboBox
                    Name ="cbo046"
                    ControlSource ="Choice"
                    RowSourceType ="Table/Query"
                    RowSource ="SELECT PersonID, FullName FROM People WHERE PersonID > 46"
                    Left =100
                    Top =6820
                    Width =1600
                    Height =260
                    TabIndex =45
                End
                Begin ComboBox
                    Name ="cbo047"
                    ControlSource ="Choice"
                    RowSourceType ="Table/Query"
                    RowSource ="SELECT PersonID, FullName FROM People WHERE PersonID > 47"
                    Left =1800
                    Top =6820
                    Width =1600
                    Height =260
                    TabIndex =46
                End
                Begin ComboBox
                    Name ="cbo048"
                    ControlSource ="Choice"
                    RowSourceType ="Table/Query"
                    RowSource ="SELECT PersonID, FullName FROM People WHERE PersonID > 48"
                    Left =3500
                    Top =6820
                    Width =1600
                    Height =260
                    TabIndex =47
                End
                Begin ComboBox
                    Name ="cbo049"
                    ControlSource ="Choice"
                    RowSourceType ="Table/Query"
                    RowSource ="SELECT PersonID, FullName FROM People WHERE PersonID > 49"
                    Left =5200
                    Top =6820
                    Width =1600
                    Height =260
                    TabIndex =48
                End
                Begin ComboBox
                    Name ="cbo050"
                    ControlSource ="Choice"
                    RowSourceType ="Table/Query"
                    RowSource ="SELECT PersonID, FullName FROM People WHERE PersonID > 50"
                    Left =6900
                    Top =6820
                    Width =1600
                    Height =260
                    TabIndex =49
                End
                Begin ComboBox
                    Name ="cbo051"
                    ControlSource ="Choice"
                    RowSourceType ="Table/Query"
                    RowSource ="SELECT PersonID, FullName FROM People WHERE PersonID > 51"
                    Left =100
                    Top =7100
                    Width =1600
                    Height =260
                    TabIndex =50
                End
                Begin ComboBox
                    Name ="cbo052"
                    ControlSource ="Choice"
                    RowSourceType ="Table/Query"
                    RowSource ="SELECT PersonID, FullName FROM People WHERE PersonID > 52"
                    Left =1800
                    Top =7100
                    Width =1600
                    Height =260
                    TabIndex =51
                End
                Begin ComboBox
                    Name ="cbo053"
                    ControlSource ="Choice"
                    RowSourceType ="Table/Query"
                    RowSource ="SELECT PersonID, FullName FROM People WHERE PersonID > 53"
                    Left =3500
                    Top =7100
                    Width =1600
                    Height =260
                    TabIndex =52
                End
                Begin ComboBox
                    Name ="cbo054"
                    ControlSource ="Choice"
                    RowSourceType ="Table/Query"
                    RowSource ="SELECT PersonID, FullName FROM People WHERE PersonID > 54"
                    Left =5200
                    Top =7100
                    Width =1600
                    Height =260
                    TabIndex =53
                End
                Begin ComboBox
                    Name ="cbo055"
                    ControlSource ="Choice"
                    RowSourceType ="Table/Query"
                    RowSource ="SELECT PersonID, FullName FROM People WHERE PersonID > 55"
                    Left =6900
                    Top =7100
                    Width =1600
                    Height =260
                    TabIndex =54
                End
                Begin ComboBox
                    Name ="cbo056"
                    ControlSource ="Choice"
                    RowSourceType ="Table/Query"
                    RowSource ="SELECT PersonID, FullName FROM People WHERE PersonID > 56"
                    Left =100
                    Top =7380
                    Width =1600
                    Height =260
                    TabIndex =55
                End
                Begin ComboBox
                    Name ="cbo057"
                    ControlSource ="Choice"
                    RowSourceType ="Table/Query"
                    RowSource ="SELECT PersonID, FullName FROM People WHERE PersonID > 57"
                    Left =1800
                    Top =7380
                    Width =1600
                    Height =260
                    TabIndex =56
                End
                Begin ComboBox
                    Name ="cbo058"
                    ControlSource ="Choice"
                    RowSourceType ="Table/Query"
                    RowSource ="SELECT PersonID, FullName FROM People WHERE PersonID > 58"
                    Left =3500
                    Top =7380
                    Width =1600
                    Height =260
                    TabIndex =57
                End
                Begin ComboBox
                    Name ="cbo059"
                    ControlSource ="Choice"
                    RowSourceType ="Table/Query"
                    RowSource ="SELECT PersonID, FullName FROM People WHERE PersonID > 59"
                    Left =5200
                    Top =7380
                    Width =1600
                    Height =260
                    TabIndex =58
                End
                Begin ComboBox
                    Name ="cbo060"
                    ControlSource ="Choice"
                    RowSourceType ="Table/Query"
                    RowSource ="SELECT PersonID, FullName FROM People WHERE PersonID > 60"
                    Left =6900
                    Top =7380
                    Width =1600
                    Height =260
                    TabIndex =59
                End
                Begin ComboBox
                    Name ="cbo061"
                    ControlSource ="Choice"
                    RowSourceType ="Table/Query"
                    RowSource ="SELECT PersonID, FullName FROM People WHERE PersonID > 61"
                    Left =100
                    Top =7660
                    Width =1600
                    Height =260
                    TabIndex =60
                End
                Begin ComboBox
                    Name ="cbo062"
                    ControlSource ="Choice"
                    RowSourceType ="Table/Query"
                    RowSource ="SELECT PersonID, FullName FROM People WHERE PersonID > 62"
                    Left =1800
                    Top =7660
                    Width =1600
                    Height =260
                    TabIndex =61
                End
                Begin ComboBox
                    Name ="cbo063"
                    ControlSource ="Choice"
                    RowSourceType ="Table/Query"
                    RowSource ="SELECT PersonID, FullName FROM People WHERE PersonID > 63"
                    Left =3500
                    Top =7660
                    Width =1600
                    Height =260
                    TabIndex =62
                End
                Begin ComboBox
                    Name ="cbo064"
                    ControlSource ="Choice"
                    RowSourceType ="Table/Query"
                    RowSource ="SELECT PersonID, FullName FROM People WHERE PersonID > 64"
                    Left =5200
                    Top =7660
                    Width =1600
                    Height =260
                    TabIndex =63
                End
                Begin ComboBox
                    Name ="cbo065"
                    ControlSource ="Choice"
                    RowSourceType ="Table/Query"
                    RowSource ="SELECT PersonID, FullName FROM People WHERE PersonID > 65"
                    Left =6900
                    Top =7660
                    Width =1600
                    Height =260
                    TabIndex =64
                End
                Begin ComboBox
                    Name ="cbo066"
                    ControlSource ="Choice"
                    RowSourceType ="Table/Query"
                    RowSource ="SELECT PersonID, FullName FROM People WHERE PersonID > 66"
                    Left =100
                    Top =7940
                    Width =1600
                    Height =260
                    TabIndex =65
                End
                Begin ComboBox
                    Name ="cbo067"
                    ControlSource ="Choice"
                    RowSourceType ="Table/Query"
                    RowSource ="SELECT PersonID, FullName FROM People WHERE PersonID > 67"
                    Left =1800
                    Top =7940
                    Width =1600
                    Height =260
                    TabIndex =66
                End
                Begin ComboBox
                    Name ="cbo068"
                    ControlSource ="Choice"
                    RowSourceType ="Table/Query"
                    RowSource ="SELECT PersonID, FullName FROM People WHERE PersonID > 68"
                    Left =3500
                    Top =7940
                    Width =1600
                    Height =260
                    TabIndex =67
                End
                Begin ComboBox
                    Name ="cbo069"
                    ControlSource ="Choice"
                    RowSourceType ="Table/Query"
                    RowSource ="SELECT PersonID, FullName FROM People WHERE PersonID > 69"
                    Left =5200
                    Top =7940
                    Width =1600
                    Height =260
                    TabIndex =68
                End
                Begin ComboBox
                    Name ="cbo070"
                    ControlSource ="Choice"
                    RowSourceType ="Table/Query"
                    RowSource ="SELECT PersonID, FullName FROM People WHERE PersonID > 70"
                    Left =6900
                    Top =7940
                    Width =1600
                    Height =260
                    TabIndex =69
                End
                Begin ComboBox
                    Name ="cbo071"
                    ControlSource ="Choice"
                    RowSourceType ="Table/Query"
                    RowSource ="SELECT PersonID, FullName FROM People WHERE PersonID > 71"
                    Left =100
                    Top =8220
                    Width =1600
                    Height =260
                    TabIndex =70
                End
                Begin ComboBox
                    Name ="cbo072"
                    ControlSource ="Choice"
                    RowSourceType ="Table/Query"
                    RowSource ="SELECT PersonID, FullName FROM People WHERE PersonID > 72"
                    Left =1800
                    Top =8220
                    Width =1600
                    Height =260
                    TabIndex =71
                End
                Begin ComboBox
                    Name ="cbo073"
                    ControlSource ="Choice"
                    RowSourceType ="Table/Query"
                    RowSource ="SELECT PersonID, FullName FROM People WHERE PersonID > 73"
                    Left =3500
                    Top =8220
                    Width =1600
                    Height =260
                    TabIndex =72
                End
                Begin ComboBox
                    Name ="cbo074"
                    ControlSource ="Choice"
                    RowSourceType ="Table/Query"
                    RowSource ="SELECT PersonID, FullName FROM People WHERE PersonID > 74"
                    Left =5200
                    Top =8220
                    Width =1600
                    Height =260
                    TabIndex =73
                End
                Begin ComboBox
                    Name ="cbo075"
                    ControlSource ="Choice"
                    RowSourceType ="Table/Query"
                    RowSource ="SELECT PersonID, FullName FROM People WHERE PersonID > 75"
                    Left =6900
                    Top =8220
                    Width =1600
                    Height =260
                    TabIndex =74
                End
                Begin ComboBox
                    Name ="cbo076"
                    ControlSource ="Choice"
                    RowSourceType ="Table/Query"
                    RowSource ="SELECT PersonID, FullName FROM People WHERE PersonID > 76"
                    Left =100
                    Top =8500
                    Width =1600
                    Height =260
                    TabIndex =75
                End
                Begin ComboBox
                    Name ="cbo077"
                    ControlSource ="Choice"
                    RowSourceType ="Table/Query"
                    RowSource ="SELECT PersonID, FullName FROM People WHERE PersonID > 77"
                    Left =1800
                    Top =8500
                    Width =1600
                    Height =260
                    TabIndex =76
                End
                Begin ComboBox
                    Name ="cbo078"
                    ControlSource ="Choice"
                    RowSourceType ="Table/Query"
                    RowSource ="SELECT PersonID, FullName FROM People WHERE PersonID > 78"
                    Left =3500
                    Top =8500
                    Width =1600
                    Height =260
                    TabIndex =77
                End
                Begin ComboBox
                    Name ="cbo079"
                    ControlSource ="Choice"
                    RowSourceType ="Table/Query"
                    RowSource ="SELECT PersonID, FullName FROM People WHERE PersonID > 79"
                    Left =5200
                    Top =8500
                    Width =1600
                    Height =260
                    TabIndex =78
                End
                Begin ComboBox
                    Name ="cbo080"
                    ControlSource ="Choice"
                    RowSourceType ="Table/Query"
                    RowSource ="SELECT PersonID, FullName FROM People WHERE PersonID > 80"
                    Left =6900
                    Top =8500
                    Width =1600
                    Height =260
                    TabIndex =79
                End
            End
        End
    End
End
