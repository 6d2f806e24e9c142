Version =17
Begin Form
    Caption ="Events"
    Width =4000
    OnMouseUp ="=Moved()"
    Begin
        Begin Section
            Height =1000
            Name ="Detail"
            Begin
                Begin Label
                    Name ="lblX"
                    Caption ="Click me"
                    OnClick ="=Foo()"
                    Left =100
                    Top =100
                    Width =1500
                    Height =240
                End
                Begin CommandButton
                    Name ="cmdQuoted"
                    Caption ="Quoted"
                    OnDblClick ="=OpenIt('Customers')"
                    Left =100
                    Top =500
                    Width =1500
                    Height =300
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

Private Sub lblX_Click()
    lblX.Caption = "Clicked"
End Sub

Private Sub Form_MouseUp(Button As Integer, Shift As Integer, X As Single, Y As Single)
    lblX.Caption = "Up"
End Sub
