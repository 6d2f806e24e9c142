Version =20
VersionRequired =20
Begin Form
    RecordSelectors = NotDefault
    NavigationButtons = NotDefault
    AutoCenter = NotDefault
    DividingLines = NotDefault
    MaxButton = NotDefault
    DefaultView =0
    ScrollBars =0
    ViewsAllowed =1
    BorderStyle =1
    GridX =24
    GridY =24
    Width =7200
    ItemSuffix =21
    Left =1230
    Top =945
    Right =8430
    Bottom =6765
    HelpContextId =1000
    TimerInterval =60000
    Caption ="Sales - Main Switchboard"
    MenuBar ="Sales Menu"
    OnOpen ="[Event Procedure]"
    OnClick ="=ShowAbout()"
    OnUnload ="[Event Procedure]"
    OnClose ="[Event Procedure]"
    OnTimer ="[Event Procedure]"
    PrtMip = Begin
        0xa0050000a0050000a0050000a005000000000000201c0000e010000001000000 ,
        0x010000006801000000000000a10700000100000001000000
    End
    Begin
        Begin Label
            BackStyle =0
            Height =240
        End
        Begin CommandButton
            Height =360
            FontWeight =400
        End
        Begin Image
            SizeMode =3
            OldBorderStyle =0
        End
        Begin Section
            Height =5520
            BackColor =-2147483633
            Name ="Detail"
            Begin
                Begin Image
                    SizeMode =3
                    Left =240
                    Top =240
                    Width =1080
                    Height =1080
                    Name ="imgLogo"
                    Picture ="C:\\Sales\\Bitmaps\\nwlogo.bmp"
                    OnDblClick ="=ShowAbout()"
                    ControlTipText ="About Sales"
                    PictureData = Begin
                        0x2800000010000000100000000100040000000000800000000000000000000000 ,
                        0x0000000000000000000000000000800000800000008080008000000080008000 ,
                        0x80800000c0c0c000808080000000ff0000ff000000ffff00ff000000ff00ff00 ,
                        0xffff0000ffffff00000000000000000000000444444000000004466666644000 ,
                        0x0046666666666400046666662266664004666662226666404666622222266664 ,
                        0x4666222222226664466222222226666446662222226666640466222266666640 ,
                        0x0466622666666640004666666666640000044666666440000000044444400000 ,
                        0x0000000000000000
                    End
                End
                Begin Label
                    Left =1560
                    Top =240
                    Width =5400
                    Height =480
                    FontSize =18
                    FontWeight =700
                    Name ="lblTitle"
                    Caption ="Sales Order Management"
                End
                Begin Label
                    Left =1560
                    Top =780
                    Width =5400
                    Height =300
                    FontSize =10
                    Name ="lblCompany"
                    Caption ="Northwind Café Supplies"
                End
                Begin Label
                    Left =1560
                    Top =1140
                    Width =5400
                    ForeColor =8388608
                    Name ="lblClock"
                    Caption ="(clock)"
                End
                Begin Line
                    BorderWidth =2
                    Left =240
                    Top =1560
                    Width =6720
                    Height =0
                    Name ="linTop"
                End
                Begin CommandButton
                    Left =720
                    Top =1920
                    Width =2520
                    Height =420
                    Name ="cmdOrders"
                    Caption ="&Orders"
                    OnClick ="=OpenOrders()"
                    ControlTipText ="Enter and edit orders"
                End
                Begin CommandButton
                    Left =720
                    Top =2460
                    Width =2520
                    Height =420
                    TabIndex =1
                    Name ="cmdCustomers"
                    Caption ="&Customers"
                    OnClick ="mcrNavigation.OpenCustomers"
                    ControlTipText ="Customer addresses and credit"
                End
                Begin CommandButton
                    Left =720
                    Top =3000
                    Width =2520
                    Height =420
                    TabIndex =2
                    Name ="cmdProducts"
                    Caption ="&Products"
                    OnClick ="[Event Procedure]"
                End
                Begin CommandButton
                    Left =720
                    Top =3540
                    Width =2520
                    Height =420
                    TabIndex =3
                    Name ="cmdEmployees"
                    Caption ="&Employees"
                    OnClick ="mcrNavigation.OpenEmployees"
                End
                Begin CommandButton
                    Left =3960
                    Top =1920
                    Width =2520
                    Height =420
                    TabIndex =4
                    Name ="cmdInvoices"
                    Caption ="Find &Invoice..."
                    OnClick ="[Event Procedure]"
                End
                Begin CommandButton
                    Left =3960
                    Top =2460
                    Width =2520
                    Height =420
                    TabIndex =5
                    Name ="cmdReports"
                    Caption ="&Reports..."
                    OnClick ="[Event Procedure]"
                    ControlTipText ="Print or preview reports"
                End
                Begin CommandButton
                    Left =3960
                    Top =3000
                    Width =2520
                    Height =420
                    TabIndex =6
                    ForeColor =128
                    Name ="cmdMailingList"
                    Caption ="Update &Mailing List"
                    OnClick ="=UpdateMailingList()"
                End
                Begin CommandButton
                    PictureType =1
                    Left =3960
                    Top =3540
                    Width =2520
                    Height =420
                    TabIndex =7
                    Name ="cmdHelp"
                    Caption ="&Help"
                    Picture ="C:\\Sales\\Bitmaps\\help.bmp"
                    OnClick ="[Event Procedure]"
                End
                Begin Label
                    Left =240
                    Top =4500
                    Width =5280
                    Name ="lblStatus"
                    Caption ="Ready"
                End
                Begin Label
                    Left =240
                    Top =4860
                    Width =2400
                    Name ="lblVersion"
                    Caption ="Version 2.1"
                    OnMouseDown ="[Event Procedure]"
                End
                Begin CommandButton
                    Left =6240
                    Top =4440
                    Width =720
                    Height =660
                    TabIndex =8
                    Name ="cmdExit"
                    Caption ="E&xit"
                    Picture ="(bitmap)"
                    OnClick ="[Event Procedure]"
                    ControlTipText ="Close the switchboard and quit Sales"
                    PictureData = Begin
                        0x2800000010000000100000000100040000000000800000000000000000000000 ,
                        0x0000000000000000000000000000800000800000008080008000000080008000 ,
                        0x80800000c0c0c000808080000000ff0000ff000000ffff00ff000000ff00ff00 ,
                        0xffff0000ffffff00777777777777777770000000000777777033333333077777 ,
                        0x7033333333077777703333333307777770333333330770777033333333077007 ,
                        0x7033333300000000703333330000000070333333330770077033333333077077 ,
                        0x7033333333077777703333333307777770333333330777777000000000077777 ,
                        0x7777777777777777
                    End
                End
                Begin Rectangle
                    SpecialEffect =2
                    Left =480
                    Top =1740
                    Width =6240
                    Height =2520
                    Name ="rctButtons"
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

' Main Switchboard: the start form of the Sales application.
' The clock below the company name is refreshed once a minute by the form timer.

Private Sub Form_Open(Cancel As Integer)
    ' Greet the user and show who is signed in
    Me.Caption = "Sales - Main Switchboard (" & CurrentUser() & ")"
    Me!lblStatus.Caption = "Signed in as " & CurrentUser()
    Me!lblClock.Caption = Format(Now, "dddd, mmmm d, yyyy  hh:nn")
End Sub

Private Sub Form_Timer()
    Me!lblClock.Caption = Format(Now, "dddd, mmmm d, yyyy  hh:nn")
End Sub

Private Sub Form_Click()
    ' A click on the background refreshes the clock at once
    Me!lblClock.Caption = Format(Now, "dddd, mmmm d, yyyy  hh:nn")
End Sub

Private Sub Form_Unload(Cancel As Integer)
    If MsgBox("Quit the Sales application?", vbQuestion + vbYesNo, APP_TITLE) = vbNo Then
        Cancel = True
    End If
End Sub

Private Sub Form_Close()
    ' Closing the switchboard ends the application
    Application.Quit
End Sub

Private Sub cmdProducts_Click()
    DoCmd.OpenForm "Products"
End Sub

Private Sub cmdInvoices_Click()
    DoCmd.OpenForm "Orders/Invoices"
End Sub

Private Sub cmdReports_Click()
    DoCmd.OpenForm "Report Options", , , , , acDialog
End Sub

Private Sub cmdHelp_Click()
    ' Each form has its own help topic (HelpContextId)
    MsgBox "Press F1 on any form to read about it.", vbInformation, APP_TITLE
End Sub

Private Sub cmdExit_Click()
    DoCmd.Close acForm, Me.Name
End Sub

Private Sub lblVersion_MouseDown(Button As Integer, Shift As Integer, X As Single, Y As Single)
    ' Shift + right click shows the database window for maintenance work
    If Button = acRightButton And (Shift And acShiftMask) <> 0 Then
        DoCmd.SelectObject acForm, Me.Name, True
    End If
End Sub
