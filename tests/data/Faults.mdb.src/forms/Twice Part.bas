Version =17
Begin Form
    Caption ="One line"
    Width =4000
    RecordSource ="Lines"
    DefaultView =0
    OnCurrent ="[Event Procedure]"
    OnLoad ="[Event Procedure]"
    Begin
        Begin Section
            Height =800
            Name ="Detail"
            Begin
                Begin TextBox
                    Name ="txtItem"
                    ControlSource ="Item"
                    Left =1200
                    Top =100
                    Width =2000
                    Height =285
                    TabIndex =0
                    OnExit ="[Event Procedure]"
                    Begin
                        Begin Label
                            Name ="lblItem"
                            Caption ="Item"
                            Left =100
                            Top =100
                            Width =900
                            Height =240
                        End
                    End
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
Option Explicit

' How many items were left since the form opened.
Private mCount As Integer

Private Sub Form_Current()
    Tally
End Sub

Private Sub Form_Load()
    mCount = 0
End Sub

Private Sub Tally()
    mCount = mCount + 1
End Sub

Private Sub txtItem_Exit(Cancel As Integer)
    Me!txtItem.Tag = "left"
    Tally
End Sub
