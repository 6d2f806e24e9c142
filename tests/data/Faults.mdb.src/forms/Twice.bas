Version =17
Begin Form
    Caption ="One subform twice"
    Width =6000
    RecordSource ="People"
    Begin
        Begin Section
            Height =3000
            Name ="Detail"
            Begin
                Begin Subform
                    Name ="sfrFirst"
                    SourceObject ="Twice Part"
                    LinkMasterFields ="PersonID"
                    LinkChildFields ="PersonID"
                    Left =100
                    Top =100
                    Width =4500
                    Height =1000
                    TabIndex =0
                End
                Begin Subform
                    Name ="sfrSecond"
                    SourceObject ="Twice Part"
                    LinkMasterFields ="PersonID"
                    LinkChildFields ="PersonID"
                    Left =100
                    Top =1500
                    Width =4500
                    Height =1000
                    TabIndex =1
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

Private mCount As Long

Private Sub Form_Current()
    Tally
End Sub

Private Sub Tally()
    mCount = mCount + 10
End Sub
