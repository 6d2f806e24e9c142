Version =20
VersionRequired =20
Begin Form
    NavigationButtons = NotDefault
    DefaultView =2
    ViewsAllowed =2
    GridX =24
    GridY =24
    Width =6480
    ItemSuffix =12
    RecSrcDt = Begin
        0x000000008e83e140
    End
    RecordSource ="SELECT [Order Details].OrderID, [Order Details].ProductID, [Order Details].UnitP"
        "rice, [Order Details].Quantity, [Order Details].Discount FROM [Order Details] OR"
        "DER BY [Order Details].ProductID;"
    Caption ="Order Details"
    BeforeInsert ="[Event Procedure]"
    Begin
        Begin Label
            BackStyle =0
            Height =240
            FontName ="Arial"
        End
        Begin TextBox
            SpecialEffect =2
            Height =285
            FontName ="Arial"
        End
        Begin ComboBox
            SpecialEffect =2
            Height =285
            FontName ="Arial"
        End
        Begin Section
            Height =2160
            BackColor =-2147483633
            Name ="Detail"
            Begin
                Begin ComboBox
                    LimitToList = NotDefault
                    ColumnCount =2
                    Left =1620
                    Top =120
                    Width =3240
                    Name ="cboProductID"
                    ControlSource ="ProductID"
                    RowSourceType ="Table/Query"
                    RowSource ="SELECT Products.ProductID, Products.ProductName FROM Products WHERE Products.Dis"
                        "continued=False ORDER BY Products.ProductName;"
                    ColumnWidths ="0;3240"
                    AfterUpdate ="[Event Procedure]"
                    Begin
                        Begin Label
                            Left =120
                            Top =120
                            Width =1440
                            Name ="lblProductID"
                            Caption ="Product"
                        End
                    End
                End
                Begin TextBox
                    Left =1620
                    Top =480
                    Width =1440
                    TabIndex =1
                    Name ="txtUnitPrice"
                    ControlSource ="UnitPrice"
                    Format ="Currency"
                    Begin
                        Begin Label
                            Left =120
                            Top =480
                            Width =1440
                            Name ="lblUnitPrice"
                            Caption ="Unit Price"
                        End
                    End
                End
                Begin TextBox
                    Left =1620
                    Top =840
                    Width =1440
                    TabIndex =2
                    Name ="txtQuantity"
                    ControlSource ="Quantity"
                    DefaultValue ="1"
                    BeforeUpdate ="[Event Procedure]"
                    AfterUpdate ="mcrOrders.RefreshSubtotal"
                    Begin
                        Begin Label
                            Left =120
                            Top =840
                            Width =1440
                            Name ="lblQuantity"
                            Caption ="Quantity"
                        End
                    End
                End
                Begin TextBox
                    Left =1620
                    Top =1200
                    Width =1440
                    TabIndex =3
                    Name ="txtDiscount"
                    ControlSource ="Discount"
                    Format ="Percent"
                    DefaultValue ="0"
                    ValidationRule ="Between 0 And 1"
                    ValidationText ="The discount must lie between 0% and 100%."
                    AfterUpdate ="mcrOrders.RefreshSubtotal"
                    Begin
                        Begin Label
                            Left =120
                            Top =1200
                            Width =1440
                            Name ="lblDiscount"
                            Caption ="Discount"
                        End
                    End
                End
                Begin TextBox
                    Locked = NotDefault
                    TabStop = NotDefault
                    Left =1620
                    Top =1560
                    Width =1440
                    TabIndex =4
                    Name ="txtExtendedPrice"
                    ControlSource ="=[Quantity]*[UnitPrice]"
                    Format ="Currency"
                    Begin
                        Begin Label
                            Left =120
                            Top =1560
                            Width =1440
                            Name ="lblExtendedPrice"
                            Caption ="Extended Price"
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

' Line items of one order, shown as a datasheet on the Orders form.

Private Sub Form_BeforeInsert(Cancel As Integer)
    If IsNull(Me.Parent!OrderID) Then
        MsgBox "Enter the order header before adding products.", vbExclamation, "Orders"
        Cancel = True
    End If
End Sub

Private Sub cboProductID_AfterUpdate()
    ' Start from the current list price of the product
    Me!txtUnitPrice = DLookup("UnitPrice", "Products", "ProductID=" & Me!cboProductID)
End Sub

Private Sub txtQuantity_BeforeUpdate(Cancel As Integer)
    If Nz(Me!txtQuantity, 0) < 0 Then
        MsgBox "The quantity cannot be negative.", vbExclamation, "Order Details"
        Cancel = True
    End If
End Sub
