Version =17
Begin Form
    Caption ="Notifier"
    Width =6000
    Begin
        Begin Section
            Height =4000
            Name ="Detail"
            Begin
                Begin Label
                    Name ="lblNotifier"
                    Caption ="Notifier"
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


Public Event Changed(ByVal value As Long)
Private WithEvents mOther As Form_Notifier
Private mValue As Long

Friend Property Get Value() As Long
    Value = mValue
End Property

Friend Sub SetValue(ByVal v As Long, Optional ByVal shade As Colour)
    mValue = v
    RaiseEvent Changed(v)
End Sub

Private Sub mOther_Changed(ByVal value As Long)
    mValue = value
End Sub
