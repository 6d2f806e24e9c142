Version =17
Begin Form
    Caption ="Only a detail"
    Width =6000
    BorderStyle =3
    MinButton = NotDefault
    HelpContextId =12
    TimerInterval =500
    OnTimer ="[Event Procedure]"
    Begin
        Begin Section
            Height =3000
            BackColor =16777215
            Name ="Detail"
            Begin
                Begin Label
                    Name ="lblTitle"
                    Caption ="Two\015\012lines"
                    Left =120
                    Top =120
                    Width =3000
                    Height =300
                    FontSize =12
                    FontWeight =700
                    TextAlign =2
                    ForeColor =255
                    BackStyle =1
                    BorderStyle =1
                    ControlTipText ="The title"
                    Tag ="t1"
                    OnClick ="=ShowTitle()"
                    OnDblClick ="mcrTitle"
                End
                Begin Label
                    Name ="Label With A Name Far Longer Than Forty Characters In All"
                    Caption ="Long name"
                    Left =120
                    Top =600
                    Width =3000
                    Height =240
                    Visible = NotDefault
                    FontItalic = NotDefault
                    FontUnderline = NotDefault
                End
                Begin Line
                    Name ="linRule"
                    Left =120
                    Top =1000
                    Width =5000
                    Height =0
                    BorderWidth =2
                    BorderColor =8421504
                End
                Begin Line
                    Name ="linSide"
                    Left =5500
                    Top =120
                    Width =0
                    Height =2000
                End
                Begin Rectangle
                    Name ="rctFrame"
                    Left =60
                    Top =60
                    Width =5800
                    Height =2800
                    BackStyle =0
                    BorderColor =12632256
                End
                Begin Rectangle
                    Name ="rctFill"
                    Left =300
                    Top =1500
                    Width =1000
                    Height =500
                    BackColor =65280
                    BackStyle =1
                    BorderStyle =0
                End
                Begin Image
                    Name ="imgLogo"
                    Picture ="C:\\Pictures\\logo.bmp"
                    Left =3500
                    Top =1200
                    Width =1000
                    Height =800
                    OnClick ="[Event Procedure]"
                    OnMouseUp ="=Up()"
                End
            End
        End
    End
End
CodeBehindForm
Attribute VB_GlobalNameSpace = False
Attribute VB_Creatable = True
Attribute VB_PredeclaredId = True
Attribute VB_Exposed = False
Option Compare Database
Private Sub Form_Timer()
End Sub
Private Sub imgLogo_Click()
End Sub
