Version =17
Begin Form
    Caption ="Orders"
    Width =6000
    RecordSource ="Orders"
    Toolbar ="Order Tools"
    MenuBar ="Order Menu"
    Begin
        Begin Section
            Height =7000
            Name ="Detail"
            Begin
                Begin Label
                    Name ="lblOrder"
                    Left =100
                    Top =100
                    Width =900
                    Height =240
                    Caption ="Order"
                End
                Begin Subform
                    Name ="sfrLines"
                    Left =300
                    Top =500
                    Width =5000
                    Height =2000
                    SourceObject ="Order Lines"
                    LinkMasterFields ="OrderID"
                    LinkChildFields ="OrderID"
                    TabIndex =0
                    ControlTipText ="The lines"
                End
                Begin Subform
                    Name ="sfrRemote"
                    Left =300
                    Top =2700
                    Width =5000
                    Height =2000
                    SourceObject ="Remote Lines"
                    TabIndex =1
                End
                Begin Subform
                    Name ="sfrNothing"
                    Left =300
                    Top =4900
                    Width =5000
                    Height =2000
                    SourceObject =""
                    TabIndex =2
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

Function NewOrder()
    DoCmd.GoToRecord , , acNewRec
End Function
