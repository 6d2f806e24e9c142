Version =20
VersionRequired =20
Begin Form
    AutoCenter = NotDefault
    DefaultView =0
    ViewsAllowed =1
    GridX =24
    GridY =24
    Width =9840
    ItemSuffix =62
    Left =600
    Top =480
    Right =10680
    Bottom =8160
    HelpContextId =2000
    RecSrcDt = Begin
        0xd2277dd28d83e140
    End
    RecordSource ="Orders"
    Caption ="Orders"
    Toolbar ="Sales Toolbar"
    OnCurrent ="[Event Procedure]"
    BeforeUpdate ="[Event Procedure]"
    OnOpen ="[Event Procedure]"
    OnUnload ="[Event Procedure]"
    OnError ="[Event Procedure]"
    OnActivate ="mcrOrders.ShowOrderToolbar"
    OnDeactivate ="mcrOrders.HideOrderToolbar"
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
        Begin CheckBox
            SpecialEffect =2
            LabelX =260
        End
        Begin OptionGroup
            SpecialEffect =3
        End
        Begin TextBox
            SpecialEffect =2
            Height =285
        End
        Begin ComboBox
            SpecialEffect =2
            Height =285
        End
        Begin Subform
            SpecialEffect =2
        End
        Begin Tab
            BackStyle =0
        End
        Begin FormHeader
            Height =960
            BackColor =12632256
            Name ="FormHeader"
            Begin
                Begin Label
                    Left =120
                    Top =60
                    Width =2880
                    Height =420
                    FontSize =14
                    FontWeight =700
                    Name ="lblOrdersTitle"
                    Caption ="Orders"
                End
                Begin TextBox
                    Enabled = NotDefault
                    Locked = NotDefault
                    TabStop = NotDefault
                    Left =8160
                    Top =120
                    Width =1440
                    Name ="txtOrderID"
                    ControlSource ="OrderID"

                    Begin
                        Begin Label
                            Left =7020
                            Top =120
                            Width =1080
                            Name ="lblOrderID"
                            Caption ="Order ID:"
                        End
                    End
                End
                Begin ComboBox
                    LimitToList = NotDefault
                    ColumnCount =2
                    ListWidth =4320
                    Left =1440
                    Top =540
                    Width =4320
                    TabIndex =1
                    Name ="cboCustomerID"
                    ControlSource ="CustomerID"
                    RowSourceType ="Table/Query"
                    RowSource ="SELECT Customers.CustomerID, Customers.CompanyName FROM Customers ORDER BY Custo"
                        "mers.CompanyName;"
                    ColumnWidths ="0;4320"
                    StatusBarText ="Choose the customer who placed the order"
                    AfterUpdate ="[Event Procedure]"
                    OnNotInList ="[Event Procedure]"

                    Begin
                        Begin Label
                            Left =180
                            Top =540
                            Width =1200
                            Name ="lblCustomerID"
                            Caption ="Customer:"
                        End
                    End
                End
            End
        End
        Begin Section
            Height =5520
            BackColor =-2147483633
            Name ="Detail"
            Begin
                Begin Tab
                    Left =120
                    Top =120
                    Width =9600
                    Height =5280
                    Name ="tabOrder"
                    OnChange ="[Event Procedure]"

                    Begin
                        Begin Page
                            Left =195
                            Top =495
                            Width =9450
                            Height =4830
                            Name ="pgOrder"
                            Caption ="Order"
                            Begin
                                Begin TextBox
                                    Left =1740
                                    Top =720
                                    Width =1440
                                    Name ="txtOrderDate"
                                    ControlSource ="OrderDate"
                                    Format ="Short Date"
                                    DefaultValue ="=Date()"

                                    Begin
                                        Begin Label
                                            Left =360
                                            Top =720
                                            Width =1320
                                            Name ="lblOrderDate"
                                            Caption ="Order date:"
                                        End
                                    End
                                End
                                Begin TextBox
                                    Left =1740
                                    Top =1080
                                    Width =1440
                                    TabIndex =1
                                    Name ="txtRequiredDate"
                                    ControlSource ="RequiredDate"
                                    Format ="Short Date"
                                    InputMask ="99/99/0000;0;_"
                                    BeforeUpdate ="[Event Procedure]"

                                    Begin
                                        Begin Label
                                            Left =360
                                            Top =1080
                                            Width =1320
                                            Name ="lblRequiredDate"
                                            Caption ="Required:"
                                        End
                                    End
                                End
                                Begin TextBox
                                    Left =1740
                                    Top =1440
                                    Width =1440
                                    TabIndex =2
                                    Name ="txtShippedDate"
                                    ControlSource ="ShippedDate"
                                    Format ="Short Date"

                                    Begin
                                        Begin Label
                                            Left =360
                                            Top =1440
                                            Width =1320
                                            Name ="lblShippedDate"
                                            Caption ="Shipped:"
                                        End
                                    End
                                End
                                Begin ComboBox
                                    ColumnCount =3
                                    ListWidth =3960
                                    Left =1740
                                    Top =1800
                                    Width =2520
                                    TabIndex =3
                                    Name ="cboEmployeeID"
                                    ControlSource ="EmployeeID"
                                    RowSourceType ="Table/Query"
                                    RowSource ="SELECT Employees.EmployeeID, [LastName] & \", \" & [FirstName] AS EmployeeName, "
                                        "Employees.Title FROM Employees ORDER BY Employees.LastName, Employees.FirstName;"
                                    ColumnWidths ="0;2160;1800"
                                    OnGotFocus ="=ShowStatus(\"Choose the salesperson who took the order\")"
                                    OnLostFocus ="=ClearStatus()"

                                    Begin
                                        Begin Label
                                            Left =360
                                            Top =1800
                                            Width =1320
                                            Name ="lblEmployeeID"
                                            Caption ="Salesperson:"
                                        End
                                    End
                                End
                                Begin TextBox
                                    Left =1740
                                    Top =2160
                                    Width =1440
                                    TabIndex =4
                                    Name ="txtFreight"
                                    ControlSource ="Freight"
                                    Format ="Currency"
                                    DefaultValue ="0"

                                    Begin
                                        Begin Label
                                            Left =360
                                            Top =2160
                                            Width =1320
                                            Name ="lblFreight"
                                            Caption ="Freight:"
                                        End
                                    End
                                End
                                Begin OptionGroup
                                    Left =4920
                                    Top =840
                                    Width =3240
                                    Height =1440
                                    TabIndex =5
                                    Name ="grpShipVia"
                                    ControlSource ="ShipVia"
                                    StatusBarText ="Shipping company for this order"
                                    AfterUpdate ="[Event Procedure]"
                                    OnExit ="mcrOrders.ValidateShipVia"

                                    Begin
                                        Begin Label
                                            Left =5040
                                            Top =720
                                            Width =900
                                            Name ="lblShipVia"
                                            Caption ="Ship via"
                                        End
                                        Begin CheckBox
                                            Left =5160
                                            Top =1080
                                            Width =260
                                            Height =240
                                            OptionValue =1
                                            Name ="chkSpeedy"

                                            Begin
                                                Begin Label
                                                    Left =5420
                                                    Top =1050
                                                    Width =1800
                                                    Name ="lblSpeedy"
                                                    Caption ="Speedy Express"
                                                End
                                            End
                                        End
                                        Begin CheckBox
                                            Left =5160
                                            Top =1440
                                            Width =260
                                            Height =240
                                            TabIndex =1
                                            OptionValue =2
                                            Name ="chkUnited"

                                            Begin
                                                Begin Label
                                                    Left =5420
                                                    Top =1410
                                                    Width =1800
                                                    Name ="lblUnited"
                                                    Caption ="United Package"
                                                End
                                            End
                                        End
                                        Begin CheckBox
                                            Left =5160
                                            Top =1800
                                            Width =260
                                            Height =240
                                            TabIndex =2
                                            OptionValue =3
                                            Name ="chkFederal"

                                            Begin
                                                Begin Label
                                                    Left =5420
                                                    Top =1770
                                                    Width =1800
                                                    Name ="lblFederal"
                                                    Caption ="Federal Shipping"
                                                End
                                            End
                                        End
                                    End
                                End
                            End
                        End
                        Begin Page
                            Left =195
                            Top =495
                            Width =9450
                            Height =4830
                            Name ="pgShipTo"
                            Caption ="Ship To"
                            PageIndex =1
                            Begin
                                Begin TextBox
                                    Left =1740
                                    Top =720
                                    Width =3600
                                    Name ="txtShipName"
                                    ControlSource ="ShipName"

                                    Begin
                                        Begin Label
                                            Left =360
                                            Top =720
                                            Width =1320
                                            Name ="lblShipName"
                                            Caption ="Name:"
                                        End
                                    End
                                End
                                Begin TextBox
                                    EnterKeyBehavior = NotDefault
                                    Left =1740
                                    Top =1080
                                    Width =3600
                                    Height =555
                                    TabIndex =1
                                    Name ="txtShipAddress"
                                    ControlSource ="ShipAddress"

                                    Begin
                                        Begin Label
                                            Left =360
                                            Top =1080
                                            Width =1320
                                            Name ="lblShipAddress"
                                            Caption ="Address:"
                                        End
                                    End
                                End
                                Begin TextBox
                                    Left =1740
                                    Top =1740
                                    Width =2160
                                    TabIndex =2
                                    Name ="txtShipCity"
                                    ControlSource ="ShipCity"

                                    Begin
                                        Begin Label
                                            Left =360
                                            Top =1740
                                            Width =1320
                                            Name ="lblShipCity"
                                            Caption ="City:"
                                        End
                                    End
                                End
                                Begin ComboBox
                                    Left =1740
                                    Top =2100
                                    Width =2160
                                    TabIndex =3
                                    Name ="cboShipCountry"
                                    ControlSource ="ShipCountry"
                                    RowSourceType ="Value List"
                                    RowSource ="\"USA\";\"Canada\";\"Mexico\";\"UK\";\"France\";\"Germany\";\"Brazil\""

                                    Begin
                                        Begin Label
                                            Left =360
                                            Top =2100
                                            Width =1320
                                            Name ="lblShipCountry"
                                            Caption ="Country:"
                                        End
                                    End
                                End
                            End
                        End
                        Begin Page
                            Left =195
                            Top =495
                            Width =9450
                            Height =4830
                            Name ="pgLines"
                            Caption ="Line Items"
                            PageIndex =2
                            Begin
                                Begin Subform
                                    Left =360
                                    Top =960
                                    Width =9120
                                    Height =3300
                                    Name ="sfrmOrderDetails"
                                    SourceObject ="Orders Subform"
                                    LinkChildFields ="OrderID"
                                    LinkMasterFields ="OrderID"

                                    Begin
                                        Begin Label
                                            Left =360
                                            Top =660
                                            Width =2400
                                            Name ="lblOrderDetails"
                                            Caption ="Products ordered:"
                                        End
                                    End
                                End
                                Begin CommandButton
                                    Left =360
                                    Top =4500
                                    Width =1440
                                    TabIndex =1
                                    Name ="cmdRequeryLines"
                                    Caption ="Re&calculate"
                                    OnClick ="mcrOrders.RequeryDetails"

                                End
                                Begin TextBox
                                    Locked = NotDefault
                                    TabStop = NotDefault
                                    Left =7920
                                    Top =4500
                                    Width =1560
                                    TabIndex =2
                                    Name ="txtOrderSubtotal"
                                    ControlSource ="=DSum(\"[Quantity]*[UnitPrice]*(1-[Discount])\",\"Order Details\",\"[OrderID]=\""
                                        " & Nz([OrderID],0))"
                                    Format ="Currency"

                                    Begin
                                        Begin Label
                                            Left =6780
                                            Top =4500
                                            Width =1080
                                            Name ="lblOrderSubtotal"
                                            Caption ="Subtotal:"
                                        End
                                    End
                                End
                            End
                        End
                    End
                End
            End
        End
        Begin FormFooter
            Height =600
            BackColor =-2147483633
            Name ="FormFooter"
            Tag ="NavigationBar"
            Begin
                Begin CommandButton
                    Left =120
                    Top =120
                    Width =840
                    Name ="cmdPrev"
                    Caption ="&Prev"
                    OnClick ="[Event Procedure]"
                    ControlTipText ="Previous order"

                End
                Begin CommandButton
                    PictureType =1
                    Left =1020
                    Top =120
                    Width =840
                    TabIndex =1
                    ForeColor =8388608
                    Name ="cmdNext"
                    Caption ="&Next"
                    Picture ="C:\\Sales\\Bitmaps\\next.bmp"
                    OnClick ="[Event Procedure]"
                    ControlTipText ="Next order"

                End
                Begin CommandButton
                    Left =2100
                    Top =120
                    Width =1320
                    TabIndex =2
                    Name ="cmdNewOrder"
                    Caption ="Ne&w Order"
                    OnClick ="[Event Procedure]"

                End
                Begin CommandButton
                    Left =3540
                    Top =120
                    Width =1320
                    TabIndex =3
                    ForeColor =255
                    Name ="cmdDeleteOrder"
                    Caption ="&Delete Order"
                    OnClick ="[Event Procedure]"

                End
                Begin CommandButton
                    Left =4980
                    Top =120
                    Width =1440
                    TabIndex =4
                    Name ="cmdPrintInvoice"
                    Caption ="Print &Invoice"
                    OnClick ="[Event Procedure]"

                End
                Begin CommandButton
                    Left =8400
                    Top =120
                    Width =1200
                    TabIndex =5
                    Name ="cmdClose"
                    Caption ="&Close"
                    OnClick ="mcrNavigation.CloseForm"

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

' Orders: order entry with the ship-to address and the line items.
' Opened from the switchboard, the menus, the Customers form and the
' invoice finder. OpenArgs may hold "NewOrder" or an order number.

Private Sub Form_Open(Cancel As Integer)
    Dim rs As Recordset

    If IsNull(Me.OpenArgs) Then Exit Sub
    Select Case Me.OpenArgs
        Case "NewOrder"
            DoCmd.GoToRecord , , acNewRec
        Case "Invoices"
            ' the invoice finder has already filtered the form
        Case Else
            ' an order number: move to that order
            If IsNumeric(Me.OpenArgs) Then
                Set rs = Me.RecordsetClone
                rs.FindFirst "[OrderID]=" & Me.OpenArgs
                If Not rs.NoMatch Then Me.Bookmark = rs.Bookmark
                rs.Close
            End If
    End Select
End Sub

Private Sub Form_Current()
    ' Keep the caption and the buttons in step with the record
    If Me.NewRecord Then
        Me.Caption = "Orders - new order"
        Me!cmdDeleteOrder.Enabled = False
    Else
        Me.Caption = "Orders - order " & Me!OrderID
        Me!cmdDeleteOrder.Enabled = True
    End If
    Me!tabOrder.Value = 0
End Sub

Private Sub Form_BeforeUpdate(Cancel As Integer)
    If IsNull(Me!cboCustomerID) Then
        MsgBox "Every order needs a customer.", vbExclamation, "Orders"
        DoCmd.CancelEvent
        Me!cboCustomerID.SetFocus
        Exit Sub
    End If
    If IsNull(Me!OrderDate) Then Me!OrderDate = Date
End Sub

Private Sub Form_Error(DataErr As Integer, Response As Integer)
    ' 3314: a required field was left empty
    If DataErr = 3314 Then
        MsgBox "Please fill in the customer and the order date.", vbExclamation, "Orders"
        Response = acDataErrContinue
    Else
        Response = acDataErrDisplay
    End If
End Sub

Private Sub Form_Unload(Cancel As Integer)
    ' Remove order lines that were left with a quantity of zero
    DoCmd.SetWarnings False
    DoCmd.OpenQuery "qryDeleteEmptyOrderLines"
    DoCmd.SetWarnings True
End Sub

Private Sub cboCustomerID_NotInList(NewData As String, Response As Integer)
    Dim strMsg As String

    strMsg = "'" & NewData & "' is not a customer yet." & vbCrLf & "Add the new customer now?"
    If MsgBox(strMsg, vbQuestion + vbYesNo, "Unknown Customer") = vbYes Then
        DoCmd.OpenForm "Customers", , , , acFormAdd, acDialog, NewData
        Response = acDataErrAdded
    Else
        Response = acDataErrContinue
        Me!cboCustomerID.Undo
    End If
End Sub

Private Sub cboCustomerID_AfterUpdate()
    ' Ship to the customer's address unless the order already has one
    If IsNull(Me!ShipName) Then CopyCustomerAddress
End Sub

Private Sub txtRequiredDate_BeforeUpdate(Cancel As Integer)
    If Not IsNull(Me!txtRequiredDate) And Not IsNull(Me!txtOrderDate) Then
        If Me!txtRequiredDate < Me!txtOrderDate Then
            MsgBox "The required date cannot lie before the order date.", vbExclamation, "Orders"
            Cancel = True
        End If
    End If
End Sub

Private Sub grpShipVia_AfterUpdate()
    Dim curRate As Currency

    ' Base freight of each shipper; the user may still change it
    Select Case Me!grpShipVia
        Case 1
            curRate = 12.5
        Case 2
            curRate = 9.75
        Case 3
            curRate = 18
        Case Else
            curRate = 0
    End Select
    If Nz(Me!txtFreight, 0) = 0 Then Me!txtFreight = curRate
    DoCmd.RunMacro "mcrOrders.RequeryDetails"
End Sub

Private Sub CopyCustomerAddress()
    Dim rs As Recordset

    If IsNull(Me!cboCustomerID) Then Exit Sub
    Set rs = CurrentDb.OpenRecordset("SELECT * FROM Customers WHERE CustomerID=" & Me!cboCustomerID, dbOpenSnapshot)
    If Not rs.EOF Then
        Me!ShipName = rs!CompanyName
        Me!ShipAddress = rs!Address
        Me!ShipCity = rs!City
        Me!ShipRegion = rs!Region
        Me!ShipPostalCode = rs!PostalCode
        Me!ShipCountry = rs.Fields("Country")
    End If
    rs.Close
End Sub

Private Sub tabOrder_Change()
    ' Refresh the line items when their page comes up
    If Me!tabOrder.Value = 2 Then
        Me!sfrmOrderDetails.Requery
        Me!txtOrderSubtotal.Requery
    End If
End Sub

Private Sub cmdPrev_Click()
    If Me.CurrentRecord > 1 Then DoCmd.GoToRecord , , acPrevious
End Sub

Private Sub cmdNext_Click()
    If Not Me.NewRecord Then DoCmd.GoToRecord , , acNext
End Sub

Private Sub cmdNewOrder_Click()
    DoCmd.GoToRecord , , acNewRec
    DoCmd.GoToControl "cboCustomerID"
End Sub

Private Sub cmdDeleteOrder_Click()
    If MsgBox("Delete order " & Me!OrderID & " with all its lines?", vbQuestion + vbYesNo, "Delete Order") = vbYes Then
        DoCmd.SetWarnings False
        DoCmd.RunCommand acCmdDeleteRecord
        DoCmd.SetWarnings True
    End If
End Sub

Private Sub cmdPrintInvoice_Click()
    If Me.Dirty Then DoCmd.RunCommand acCmdSaveRecord
    DoCmd.OpenReport "Invoice", acViewPreview, , "[OrderID]=" & Me!OrderID
    Reports!Invoice.Caption = "Invoice for order " & Me!OrderID
End Sub
