Version =17
Begin Form
    Caption ="Round"
    Width =6000
    Begin
        Begin Section
            Height =2000
            Name ="Detail"
            Begin
                Begin Label
                    Name ="lblRound"
                    Caption ="Round"
                    Left =1500
                    Top =100
                    Width =1500
                    Height =285
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

' A form named like the function its code calls: the form takes another name.

Private Sub Form_Load()
    Me.Caption = Round(2.5) & " " & Join(Array("a", "b"), "-")
End Sub

Private Function StrReverse(strText As String) As String
    StrReverse = strText
End Function

Private Sub Form_Click()
    Me.Caption = StrReverse("abc")
End Sub
