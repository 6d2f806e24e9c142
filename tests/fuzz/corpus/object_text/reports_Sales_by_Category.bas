Begin Report
    LayoutForPrint = NotDefault
    DateGrouping =1
    GrpKeepTogether =1
    GridX =24
    GridY =24
    Width =9360
    ItemSuffix =21
    RecSrcDt = Begin
        0x55555555eb82e140
    End
    RecordSource ="qrySalesByCategory"
    Caption ="Sales by Category"
    OnOpen ="[Event Procedure]"
    OnClose ="[Event Procedure]"
    PrtMip = Begin
        0xa0050000a0050000a0050000a005000000000000201c0000e010000001000000 ,
        0x010000006801000000000000a10700000100000001000000
    End
    Begin
        Begin Label
            BackStyle =0
            Height =240
            FontName ="Arial"
        End
        Begin TextBox
            OldBorderStyle =0
            Height =270
            FontName ="Arial"
        End
        Begin BreakLevel
            GroupHeader = NotDefault
            GroupFooter = NotDefault
            ControlSource ="CategoryName"
        End
        Begin BreakLevel
            GroupFooter = NotDefault
            ControlSource ="ProductName"
        End
        Begin FormHeader
            KeepTogether = NotDefault
            Height =720
            Name ="ReportHeader"
            Begin
                Begin Label
                    Left =120
                    Top =60
                    Width =5760
                    Height =480
                    FontSize =18
                    FontWeight =700
                    Name ="lblReportTitle"
                    Caption ="Sales by Category"
                End
                Begin TextBox
                    TextAlign =3
                    Left =6480
                    Top =120
                    Width =2760
                    Name ="txtReportDate"
                    ControlSource ="=Date()"
                    Format ="Long Date"
                End
            End
        End
        Begin PageHeader
            Height =360
            Name ="PageHeaderSection"
            Begin
                Begin Label
                    Left =360
                    Top =60
                    Width =4320
                    FontWeight =700
                    Name ="lblColProduct"
                    Caption ="Product"
                End
                Begin Label
                    TextAlign =3
                    Left =6480
                    Top =60
                    Width =2760
                    FontWeight =700
                    Name ="lblColSales"
                    Caption ="Sales"
                End
            End
        End
        Begin BreakHeader
            KeepTogether = NotDefault
            Height =420
            Name ="GroupHeader0"
            Begin
                Begin TextBox
                    Left =120
                    Top =60
                    Width =4320
                    Height =300
                    FontWeight =700
                    Name ="txtCategoryName"
                    ControlSource ="CategoryName"
                End
            End
        End
        Begin Section
            Visible = NotDefault
            Height =0
            Name ="Detail"
        End
        Begin BreakFooter
            Height =270
            Name ="GroupFooter2"
            Begin
                Begin TextBox
                    Left =360
                    Width =4320
                    Name ="txtProductName"
                    ControlSource ="ProductName"
                End
                Begin TextBox
                    Left =6480
                    Width =2760
                    TabIndex =1
                    Name ="txtProductSales"
                    ControlSource ="=Sum([ExtendedPrice])"
                    Format ="Currency"
                End
            End
        End
        Begin BreakFooter
            KeepTogether = NotDefault
            Height =480
            Name ="GroupFooter1"
            Begin
                Begin Line
                    Left =6480
                    Top =30
                    Width =2760
                    Height =0
                    Name ="linCategoryTotal"
                End
                Begin TextBox
                    Left =6480
                    Top =90
                    Width =2760
                    FontWeight =700
                    Name ="txtCategoryTotal"
                    ControlSource ="=Sum([ExtendedPrice])"
                    Format ="Currency"
                    Begin
                        Begin Label
                            Left =4800
                            Top =90
                            Width =1620
                            Name ="lblCategoryTotal"
                            Caption ="Category total:"
                        End
                    End
                End
            End
        End
        Begin PageFooter
            Height =360
            Name ="PageFooterSection"
            Begin
                Begin TextBox
                    TextAlign =3
                    Left =6240
                    Top =60
                    Width =3000
                    Name ="txtPageNo"
                    ControlSource ="=\"Page \" & [Page]"
                End
            End
        End
        Begin FormFooter
            KeepTogether = NotDefault
            Height =480
            Name ="ReportFooter"
            Begin
                Begin TextBox
                    Left =6480
                    Top =120
                    Width =2760
                    FontWeight =700
                    Name ="txtGrandTotal"
                    ControlSource ="=Sum([ExtendedPrice])"
                    Format ="Currency"
                    Begin
                        Begin Label
                            Left =4800
                            Top =120
                            Width =1620
                            Name ="lblGrandTotal"
                            Caption ="Grand total:"
                        End
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

' Sales by Category: product sales per category for a range of shipping dates.

Private Sub Report_Open(Cancel As Integer)
    DoCmd.Maximize
End Sub

Private Sub Report_Close()
    DoCmd.Restore
End Sub
