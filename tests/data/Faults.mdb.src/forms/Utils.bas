Version =17
Begin Form
    Caption ="Utils"
    Width =6000
    Begin
        Begin Section
            Height =4000
            Name ="Detail"
            Begin
                Begin Label
                    Name ="lblUtils"
                    Caption ="Utils"
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

