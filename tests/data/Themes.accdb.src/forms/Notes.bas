Version =20
VersionRequired =20
Checksum =-1871216409
Begin Form
    PopUp = NotDefault
    MinButton = NotDefault
    RecordSelectors = NotDefault
    SubdatasheetExpanded = NotDefault
    AllowDatasheetView =0
    AllowLayoutView =0
    Width =6000
    DatasheetFontHeight =11
    ItemSuffix =9
    RecSrcDt = Begin
        0x236ab60a61c3e440
    End
    RecordSource ="Notes"
    Caption ="Later"
    OnDirty ="[Event Procedure]"
    DatasheetFontName ="Calibri"
    FilterOnLoad =0
    ShowPageMargins =0
    DisplayOnSharePointSite =1
    DatasheetAlternateBackColor =15921906
    DatasheetGridlinesColor12 =0
    FitToScreen =1
    DatasheetBackThemeColorIndex =1
    BorderThemeColorIndex =3
    ThemeFontIndex =1
    ForeThemeColorIndex =0
    AlternateBackThemeColorIndex =1
    AlternateBackShade =95.0
    NameMap = Begin
        0x0acc0e5500000000
    End
    PrtDevModeW = Begin
        0x4d006900630072006f0073006f0066007400
    End
    GUID = Begin
        0x9f1b4c8a1d2e3f40a1b2c3d4e5f60718
    End
    Begin
        Begin Label
            BackStyle =0
            FontSize =11
            FontName ="Calibri"
            ThemeFontIndex =1
            BackThemeColorIndex =1
            BorderThemeColorIndex =0
            BorderTint =50.0
            ForeThemeColorIndex =0
            ForeTint =50.0
            GridlineThemeColorIndex =1
            GridlineShade =65.0
        End
        Begin CommandButton
            FontSize =11
            FontWeight =400
            ForeThemeColorIndex =0
            ForeTint =75.0
            GridlineThemeColorIndex =1
            GridlineShade =65.0
            UseTheme =1
            Shape =1
            Gradient =12
            BackThemeColorIndex =4
            BackTint =60.0
            BorderLineStyle =0
            BorderThemeColorIndex =4
            BorderTint =60.0
            ThemeFontIndex =1
            HoverThemeColorIndex =4
            HoverTint =40.0
            PressedThemeColorIndex =4
            PressedShade =75.0
            HoverForeThemeColorIndex =0
            HoverForeTint =75.0
            PressedForeThemeColorIndex =0
            PressedForeTint =75.0
        End
        Begin TextBox
            AddColon = NotDefault
            FELineBreak = NotDefault
            BorderLineStyle =0
            LabelX =-1800
            FontSize =11
            FontName ="Calibri"
            AsianLineBreak =1
            BackThemeColorIndex =1
            BorderThemeColorIndex =1
            BorderShade =65.0
            ThemeFontIndex =1
            ForeThemeColorIndex =0
            ForeTint =75.0
            GridlineThemeColorIndex =1
            GridlineShade =65.0
        End
        Begin FormHeader
            Height =720
            Name ="FormHeader"
            AlternateBackThemeColorIndex =1
            AlternateBackShade =95.0
            BackThemeColorIndex =2
            BackShade =50.0
            Begin
                Begin Label
                    OverlapFlags =85
                    Left =120
                    Top =120
                    Width =3000
                    Height =360
                    Name ="lblTitle"
                    Caption ="Notes"
                    GridlineColor =10921638
                    LayoutCachedLeft =120
                    LayoutCachedTop =120
                    LayoutCachedWidth =3120
                    LayoutCachedHeight =480
                    ThemeFontIndex =0
                    ForeThemeColorIndex =1
                    ForeTint =100.0
                End
            End
        End
        Begin Section
            Height =2400
            Name ="Detail"
            AlternateBackColor =15921906
            AlternateBackThemeColorIndex =1
            AlternateBackShade =95.0
            BackThemeColorIndex =4
            BackTint =20.0
            Begin
                Begin TextBox
                    Enabled = NotDefault
                    Locked = NotDefault
                    OverlapFlags =85
                    IMESentenceMode =3
                    Left =1800
                    Top =120
                    Width =2400
                    Height =315
                    Name ="txtNote"
                    ControlSource ="Note"
                    OnDirty ="[Event Procedure]"
                    ConditionalFormat = Begin
                        0x0100000068000000010000000100000000000000000000000c00000001000000 ,
                        0x00000000fff200000000000000000000000000000000000000000000
                    End
                    GridlineColor =10921638
                    LayoutCachedLeft =1800
                    LayoutCachedTop =120
                    LayoutCachedWidth =4200
                    LayoutCachedHeight =435
                    ConditionalFormat14 = Begin
                        0x01000100000001000000000000000100000000000000fff200000c000000
                    End
                End
                Begin TextBox
                    TabStop = NotDefault
                    OverlapFlags =85
                    Left =1800
                    Top =600
                    Width =2400
                    Height =315
                    TabIndex =1
                    BackColor =255
                    Name ="txtPlain"
                    ControlSource ="Remark"
                    TextFormat =1
                    LayoutCachedLeft =1800
                    LayoutCachedTop =600
                    LayoutCachedWidth =4200
                    LayoutCachedHeight =915
                    BackThemeColorIndex =4
                    BackTint =60.0
                End
                Begin CommandButton
                    OverlapFlags =85
                    Left =1800
                    Top =1200
                    Width =1500
                    TabIndex =2
                    Name ="cmdSave"
                    Caption ="Save"
                    OnClick ="[Event Procedure]"
                    GridlineColor =10921638
                    ImageData = Begin
                        0x2800000001000000010000000100200000000000040000000000000000000000 ,
                        0x0000000000000000d0687050
                    End
                    LayoutCachedLeft =1800
                    LayoutCachedTop =1200
                    LayoutCachedWidth =3300
                    LayoutCachedHeight =1680
                    PictureCaptionArrangement =5
                    BackColor =14136213
                    BorderColor =14136213
                    HoverColor =65280
                    HoverThemeColorIndex =-1
                    PressedColor =9592887
                    WebImagePaddingLeft =2
                    WebImagePaddingTop =2
                    WebImagePaddingRight =1
                    WebImagePaddingBottom =1
                    Overlaps =1
                End
                Begin Label
                    Visible = NotDefault
                    OverlapFlags =85
                    Left =120
                    Top =1800
                    Width =1500
                    Height =315
                    Name ="lblHidden"
                    Caption ="Hidden"
                    LayoutCachedLeft =120
                    LayoutCachedTop =1800
                    LayoutCachedWidth =1620
                    LayoutCachedHeight =2115
                End
                Begin EmptyCell
                    Left =4320
                    Top =120
                    Width =720
                    Height =315
                    Name ="EmptyCell8"
                    LayoutCachedLeft =4320
                    LayoutCachedTop =120
                    LayoutCachedWidth =5040
                    LayoutCachedHeight =435
                    LayoutGroup =1
                    GroupTable =1
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

Private Sub cmdSave_Click()
    txtNote = ""
End Sub

Private Sub Form_Dirty(Cancel As Integer)
    cmdSave.Enabled = True
End Sub
