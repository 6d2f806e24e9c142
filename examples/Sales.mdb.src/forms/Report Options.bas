Version =20
VersionRequired =20
Begin Form
    PopUp = NotDefault
    Modal = NotDefault
    RecordSelectors = NotDefault
    MaxButton = NotDefault
    MinButton = NotDefault
    AutoCenter = NotDefault
    NavigationButtons = NotDefault
    DividingLines = NotDefault
    DefaultView =0
    ScrollBars =0
    ViewsAllowed =1
    BorderStyle =3
    GridX =24
    GridY =24
    Width =7560
    ItemSuffix =24
    HelpContextId =5000
    Caption ="Print Reports"
    OnLoad ="[Event Procedure]"
    OnClose ="=ClearStatus()"
    Begin
        Begin Label
            BackStyle =0
            Height =240
        End
        Begin CommandButton
            Height =360
            FontWeight =400
        End
        Begin OptionGroup
            SpecialEffect =3
        End
        Begin ComboBox
            SpecialEffect =2
            Height =285
        End
        Begin Section
            Height =4200
            BackColor =-2147483633
            Name ="Detail"
            Begin
                Begin Label
                    Left =120
                    Top =120
                    Width =7320
                    Name ="lblInstructions"
                    Caption ="Choose a report, the range of shipping dates and where the report goes."
                End
                Begin ComboBox
                    LimitToList = NotDefault
                    ColumnCount =2
                    Left =1200
                    Top =480
                    Width =3000
                    Name ="cboReport"
                    RowSourceType ="Value List"
                    RowSource ="1;Sales by Category;2;Invoices"
                    ColumnWidths ="0;3000"
                    DefaultValue ="1"
                    Begin
                        Begin Label
                            Left =120
                            Top =480
                            Width =1020
                            Name ="lblReport"
                            Caption ="Report:"
                        End
                    End
                End
                Begin Label
                    Left =120
                    Top =900
                    Width =2400
                    Name ="lblStartDate"
                    Caption ="From (shipped on or after):"
                End
                Begin CustomControl
                    Left =120
                    Top =1200
                    Width =2520
                    Height =1980
                    TabIndex =1
                    Name ="calStartDate"
                    OLEClass ="Calendar Control"
                    Class ="MSACAL.MSACALCtrl.7"
                    OleData = Begin
                        0x2bc9278e64121c108a2f040224009c0200000100180000005d110000a40d0000 ,
                        0xce07010001000100
                    End
                End
                Begin Label
                    Left =2760
                    Top =900
                    Width =2400
                    Name ="lblEndDate"
                    Caption ="To (shipped on or before):"
                End
                Begin CustomControl
                    Left =2760
                    Top =1200
                    Width =2520
                    Height =1980
                    TabIndex =2
                    Name ="calEndDate"
                    OLEClass ="Calendar Control"
                    Class ="MSACAL.MSACALCtrl.7"
                    OleData = Begin
                        0x2bc9278e64121c108a2f040224009c0200000100180000005d110000a40d0000 ,
                        0xce070c001f000100
                    End
                End
                Begin ListBox
                    ColumnCount =2
                    Left =5400
                    Top =1200
                    Width =2040
                    Height =1980
                    TabIndex =3
                    Name ="lstQuarter"
                    RowSourceType ="FillQuarterList"
                    ColumnWidths ="0;2040"
                    AfterUpdate ="[Event Procedure]"
                    Begin
                        Begin Label
                            Left =5400
                            Top =900
                            Width =2040
                            Name ="lblQuarter"
                            Caption ="Quick range:"
                        End
                    End
                End
                Begin OptionGroup
                    Left =120
                    Top =3420
                    Width =4440
                    Height =600
                    TabIndex =4
                    Name ="grpOutput"
                    DefaultValue ="1"
                    Begin
                        Begin Label
                            Left =240
                            Top =3300
                            Width =720
                            Name ="lblOutput"
                            Caption ="Send to"
                        End
                        Begin OptionButton
                            Left =360
                            Top =3600
                            Width =260
                            Height =240
                            OptionValue =1
                            Name ="optPreview"
                            Begin
                                Begin Label
                                    Left =620
                                    Top =3570
                                    Width =900
                                    Name ="lblPreview"
                                    Caption ="Preview"
                                End
                            End
                        End
                        Begin OptionButton
                            Left =1680
                            Top =3600
                            Width =260
                            Height =240
                            TabIndex =1
                            OptionValue =2
                            Name ="optPrint"
                            Begin
                                Begin Label
                                    Left =1940
                                    Top =3570
                                    Width =900
                                    Name ="lblPrint"
                                    Caption ="Printer"
                                End
                            End
                        End
                        Begin OptionButton
                            Left =3000
                            Top =3600
                            Width =260
                            Height =240
                            TabIndex =2
                            OptionValue =3
                            Name ="optExcel"
                            Begin
                                Begin Label
                                    Left =3260
                                    Top =3570
                                    Width =1200
                                    Name ="lblExcel"
                                    Caption ="Excel file"
                                End
                            End
                        End
                    End
                End
                Begin CommandButton
                    Default = NotDefault
                    Left =5040
                    Top =3480
                    Width =1080
                    TabIndex =5
                    Name ="cmdOK"
                    Caption ="OK"
                    OnClick ="[Event Procedure]"
                End
                Begin CommandButton
                    Cancel = NotDefault
                    Left =6360
                    Top =3480
                    Width =1080
                    TabIndex =6
                    Name ="cmdCancel"
                    Caption ="Cancel"
                    OnClick ="[Event Procedure]"
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

' Report Options: picks the report, the range of shipping dates and the output.

Private Sub Form_Load()
    Me!calStartDate.Value = DateSerial(Year(Date), 1, 1)
    Me!calEndDate.Value = Date
    Me!grpOutput = 1
    Me!cboReport = 1
End Sub

Private Sub lstQuarter_AfterUpdate()
    Dim intQuarter As Integer

    intQuarter = Me!lstQuarter
    Me!calStartDate.Value = DateSerial(Year(Date), (intQuarter - 1) * 3 + 1, 1)
    Me!calEndDate.Value = DateSerial(Year(Date), intQuarter * 3 + 1, 0)
End Sub

Private Sub cmdOK_Click()
    Dim strReport As String
    Dim strWhere As String

    If Me!calEndDate.Value < Me!calStartDate.Value Then
        MsgBox "The end date lies before the start date.", vbExclamation, "Print Reports"
        Exit Sub
    End If

    If Me!cboReport = 1 Then
        strReport = "Sales by Category"
    Else
        strReport = "Invoice"
    End If
    strWhere = "[ShippedDate] Between #" & Format(Me!calStartDate.Value, "mm/dd/yyyy") & "# And #" & Format(Me!calEndDate.Value, "mm/dd/yyyy") & "#"

    Application.Echo False
    Select Case Me!grpOutput
        Case 1      ' preview
            DoCmd.OpenReport strReport, acViewPreview, , strWhere
            Reports(strReport).Caption = strReport & " (" & Format(Me!calStartDate.Value, "Short Date") & " - " & Format(Me!calEndDate.Value, "Short Date") & ")"
        Case 2      ' printer
            DoCmd.OpenReport strReport, acViewNormal, , strWhere
        Case 3      ' Excel file
            DoCmd.OutputTo acOutputReport, strReport, acFormatXLS, "C:\Sales\Export\" & strReport & ".xls", True
    End Select
    Application.Echo True
    DoCmd.Close acForm, "Report Options"
End Sub

Private Sub cmdCancel_Click()
    DoCmd.Close acForm, Me.Name
End Sub
