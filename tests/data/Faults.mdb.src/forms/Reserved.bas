Version =17
Begin Form
    Caption ="Reserved"
    Width =6000
    Begin
        Begin Section
            Height =4000
            Name ="Detail"
            Begin
                Begin Label
                    Name ="End"
                    Caption ="A label named End"
                    Left =1500
                    Top =100
                    Width =1500
                    Height =285
                End
                Begin CommandButton
                    Name ="Print"
                    Caption ="Print"
                    OnClick ="[Event Procedure]"
                    Left =1500
                    Top =500
                    Width =1500
                    Height =285
                End
                Begin TextBox
                    Name ="OpenArgs"
                    Left =1500
                    Top =900
                    Width =1500
                    Height =285
                End
                Begin TextBox
                    Name ="InitialValues"
                    DefaultValue ="=Date()"
                    Left =1500
                    Top =1300
                    Width =1500
                    Height =285
                End
                Begin TextBox
                    Name ="Date"
                    Left =1500
                    Top =1700
                    Width =1500
                    Height =285
                End
                Begin TextBox
                    Name ="gettoken"
                    Left =1500
                    Top =2100
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

Private Sub Print_Click()
    Me!Print.Caption = "Printed"
    Me![End].Caption = Me!Date
    Me!gettoken = "x"
    DoCmd.GoToControl "End"
End Sub

Private Sub Form_Load()
    Dim s As String
    s = Me.OpenArgs
End Sub
