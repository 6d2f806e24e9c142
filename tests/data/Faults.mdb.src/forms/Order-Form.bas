Version =17
Begin Form
    Caption ="Order-Form"
    Width =6000
    Begin
        Begin Section
            Height =4000
            Name ="Detail"
            Begin
                Begin CommandButton
                    Name ="cmdOpen"
                    Caption ="Open"
                    OnClick ="[Event Procedure]"
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

Private Sub cmdOpen_Click()
    DoCmd.OpenForm "Order-Form"
    DoCmd.OpenForm "Order Form", , , , , acDialog
    Me.Caption = Utils.Salutation() & Feature
    DoCmd.OpenForm "Main"
End Sub
