Version =20
VersionRequired =20
Begin Form
    AllowEdits = NotDefault
    AllowAdditions = NotDefault
    AllowDeletions = NotDefault
    RecordSelectors = NotDefault
    NavigationButtons = NotDefault
    DividingLines = NotDefault
    DefaultView =0
    ScrollBars =0
    ViewsAllowed =1
    BorderStyle =0
    GridX =24
    GridY =24
    Width =8400
    ItemSuffix =15
    RecSrcDt = Begin
        0xe4388ee38c7ee140
    End
    RecordSource ="qryCustomerTotals"
    OnCurrent ="[Event Procedure]"
    Begin
        Begin Label
            BackStyle =0
            Height =240
        End
        Begin TextBox
            SpecialEffect =2
            Height =285
        End
        Begin Section
            Height =1200
            BackColor =-2147483633
            Name ="Detail"
            Begin
                Begin TextBox
                    Left =1320
                    Top =60
                    Width =900
                    Name ="txtOrderCount"
                    ControlSource ="OrderCount"
                    Begin
                        Begin Label
                            Left =120
                            Top =60
                            Width =1140
                            Name ="lblOrderCount"
                            Caption ="Orders:"
                        End
                    End
                End
                Begin TextBox
                    Left =1320
                    Top =420
                    Width =1440
                    TabIndex =1
                    Name ="txtTotalSales"
                    ControlSource ="TotalSales"
                    Format ="Currency"
                    Begin
                        Begin Label
                            Left =120
                            Top =420
                            Width =1140
                            Name ="lblTotalSales"
                            Caption ="Total sales:"
                        End
                    End
                End
                Begin TextBox
                    Left =4200
                    Top =60
                    Width =1440
                    TabIndex =2
                    Name ="txtAverageOrder"
                    ControlSource ="=IIf([OrderCount]>0,[TotalSales]/[OrderCount],0)"
                    Format ="Currency"
                    Begin
                        Begin Label
                            Left =2880
                            Top =60
                            Width =1260
                            Name ="lblAverageOrder"
                            Caption ="Average order:"
                        End
                    End
                End
                Begin TextBox
                    Left =4200
                    Top =420
                    Width =1440
                    TabIndex =3
                    Name ="txtCreditLimit"
                    ControlSource ="CreditLimit"
                    Format ="Currency"
                    Begin
                        Begin Label
                            Left =2880
                            Top =420
                            Width =1260
                            Name ="lblCreditLimit"
                            Caption ="Credit limit:"
                        End
                    End
                End
                Begin Label
                    Left =2880
                    Top =780
                    Width =1260
                    Name ="lblCreditUsage"
                    Caption ="Credit used:"
                End
                Begin CustomControl
                    Left =4200
                    Top =780
                    Width =3960
                    Height =300
                    TabIndex =4
                    Name ="ocxCreditUsage"
                    ControlTipText ="Share of the credit limit used by this customer's orders"
                    OLEClass ="Microsoft ProgressBar Control, version 5.0"
                    Class ="COMCTL.ProgCtrl.1"
                    OleData = Begin
                        0xd2e813070a851b10afc04210102a8da7000001001a000000491b000011020000 ,
                        0x00000000640000000100
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

' Order statistics of the customer shown on the Customers form.

Private Sub Form_Current()
    Dim dblUsed As Double

    ' How much of the credit limit the orders use, in percent
    If Nz(Me!CreditLimit, 0) > 0 Then
        dblUsed = Nz(Me!TotalSales, 0) / Me!CreditLimit * 100
        If dblUsed > 100 Then dblUsed = 100
    Else
        dblUsed = 0
    End If
    Me!ocxCreditUsage.Value = dblUsed
End Sub
