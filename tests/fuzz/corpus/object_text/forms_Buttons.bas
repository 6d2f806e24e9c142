Version =17
Begin Form
    Caption ="Buttons"
    Width =5000
    OnClick ="[Event Procedure]"
    Begin
        Begin Section
            Height =2200
            Name ="Detail"
            Begin
                Begin CommandButton
                    Name ="cmdRed"
                    Left =100
                    Top =100
                    Width =1500
                    Height =400
                    Caption ="Red\015\012button"
                    ForeColor =255
                    OnClick ="[Event Procedure]"
                    OnDblClick ="Show Details"
                    TabIndex =0
                End
                Begin CommandButton
                    Name ="cmdOK"
                    Left =1700
                    Top =100
                    Width =1000
                    Height =400
                    Caption ="OK"
                    Default = NotDefault
                    Cancel = NotDefault
                    ControlTipText ="Done"
                    TabIndex =1
                    OnEnter ="=Entering()"
                    OnExit ="[Event Procedure]"
                End
                Begin CommandButton
                    Name ="cmdLogo"
                    Left =100
                    Top =600
                    Width =600
                    Height =600
                    Picture ="(bitmap)"
                    TabIndex =2
                    Tag ="ignored"
                End
                Begin CommandButton
                    Name ="cmdOpen"
                    Left =800
                    Top =600
                    Width =600
                    Height =600
                    Picture ="C:\\Art\\open.bmp"
                    TabIndex =3
                End
                Begin CommandButton
                    Name ="cmdNext"
                    Left =1500
                    Top =600
                    Width =600
                    Height =600
                    Picture ="C:\\Art\\next.bmp"
                    ForeColor =8388608
                    TabIndex =4
                End
                Begin CommandButton
                    Name ="cmdPrint"
                    Left =2200
                    Top =600
                    Width =600
                    Height =600
                    Picture ="(bitmap)"
                    ForeColor =255
                    TabIndex =5
                End
                Begin CommandButton
                    Name ="cmdTagged"
                    Left =2900
                    Top =600
                    Width =1000
                    Height =400
                    Caption ="Tagged"
                    Tag ="keep"
                    Visible = NotDefault
                    Enabled = NotDefault
                    TabStop = NotDefault
                    TabIndex =6
                    OnClick ="[Event Procedure]"
                End
                Begin CustomControl
                    Name ="ctlProgress"
                    Left =100
                    Top =1300
                    Width =3000
                    Height =300
                    OLEClass ="Microsoft ProgressBar Control, version 5.0"
                    Class ="COMCTL.ProgCtrl.1"
                    TabIndex =7
                End
                Begin CustomControl
                    Name ="ctlUnknown"
                    Left =100
                    Top =1700
                    Width =3000
                    Height =300
                    OLEClass ="Some Control"
                    Class ="Vendor.Unknown.1"
                    TabIndex =8
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
Private Sub cmdRed_Click()
    Beep
End Sub
Private Sub cmdTagged_Click()
End Sub
Private Sub Form_Click()
End Sub
