Version =17
Begin Form
    Caption ="Targets"
    RecordSource ="People"
    Width =4000
    OnCurrent ="[Event Procedure]"
    BeforeUpdate ="[Event Procedure]"
    AfterUpdate ="mcrFaults.Gone"
    Begin
        Begin Section
            Height =2000
            Name ="Detail"
            Begin
                Begin CommandButton
                    Name ="cmdPicked"
                    Caption ="Picked"
                    OnClick ="mcrFaults.Picked"
                    Left =100
                    Top =100
                    Width =1500
                    Height =300
                End
                Begin CommandButton
                    Name ="cmdPick"
                    Caption ="Pick"
                    OnClick ="Pick"
                    OnDblClick ="[Event Procedure]"
                    Left =100
                    Top =500
                    Width =1500
                    Height =300
                End
                Begin TextBox
                    Name ="Order ID"
                    OnExit ="[Event Procedure]"
                    Left =100
                    Top =900
                    Width =1500
                    Height =300
                End
                Begin TextBox
                    Name ="txtNoExit"
                    OnExit ="[Event Procedure]"
                    OnEnter ="mcrFaults"
                    Left =100
                    Top =1300
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

Private Sub Form_BeforeUpdate(Cancel As Integer)
    Cancel = IsNull(Me![Order ID])
End Sub

Private Sub Order_ID_Exit(Cancel As Integer)
    Me!txtNoExit = Me![Order ID]
End Sub
