Version =20
VersionRequired =20
Begin Report
    LayoutForPrint = NotDefault
    DateGrouping =1
    GrpKeepTogether =1
    GridX =24
    GridY =24
    Width =9360
    ItemSuffix =36
    RecSrcDt = Begin
        0xabaaaaaa0f82e140
    End
    RecordSource ="SELECT Orders.OrderID, Orders.OrderDate, Orders.RequiredDate, Orders.ShippedDate"
        ", Orders.Freight, Orders.ShipName, Orders.ShipAddress, Orders.ShipCity, Orders.S"
        "hipRegion, Orders.ShipPostalCode, Orders.ShipCountry, Customers.CompanyName, Shi"
        "ppers.CompanyName AS ShipperName, Products.ProductName, Products.Discontinued, ["
        "Order Details].UnitPrice, [Order Details].Quantity, [Order Details].Discount, CC"
        "ur([Order Details].[UnitPrice]*[Quantity]*(1-[Discount])) AS ExtendedPrice"
        "\015\012FROM Shippers INNER JOIN (Products INNER JOIN ((Customers INNER JOIN Ord"
        "ers ON Customers.CustomerID = Orders.CustomerID) INNER JOIN [Order Details] ON O"
        "rders.OrderID = [Order Details].OrderID) ON Products.ProductID = [Order Details]"
        ".ProductID) ON Shippers.ShipperID = Orders.ShipVia\015\012ORDER BY Orders.OrderI"
        "D, Products.ProductName;"
    Caption ="Invoice"
    OnOpen ="[Event Procedure]"
    OnNoData ="[Event Procedure]"
    PrtMip = Begin
        0x3804000038040000380400003804000000000000201c0000e010000001000000 ,
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
            ControlSource ="OrderID"
        End
        Begin FormHeader
            KeepTogether = NotDefault
            Height =0
            Name ="ReportHeader"
        End
        Begin PageHeader
            Height =600
            Name ="PageHeaderSection"
            Begin
                Begin Label
                    Left =120
                    Top =60
                    Width =5040
                    Height =480
                    FontSize =16
                    FontWeight =700
                    Name ="lblCompany"
                    Caption ="Northwind Cafe Supplies"
                End
                Begin Label
                    TextAlign =3
                    Left =6960
                    Top =60
                    Width =2280
                    Height =480
                    FontSize =18
                    FontWeight =700
                    Name ="lblInvoice"
                    Caption ="INVOICE"
                End
            End
        End
        Begin BreakHeader
            KeepTogether = NotDefault
            Height =1800
            Name ="GroupHeader0"
            ForceNewPage =1
            Begin
                Begin TextBox
                    Left =1440
                    Top =120
                    Width =3600
                    Name ="txtShipName"
                    ControlSource ="ShipName"
                    Begin
                        Begin Label
                            Left =120
                            Top =120
                            Width =1260
                            Name ="lblShipTo"
                            Caption ="Ship to:"
                        End
                    End
                End
                Begin TextBox
                    CanGrow = NotDefault
                    Left =1440
                    Top =420
                    Width =3600
                    TabIndex =1
                    Name ="txtShipAddress"
                    ControlSource ="ShipAddress"
                End
                Begin TextBox
                    Left =1440
                    Top =720
                    Width =3600
                    TabIndex =2
                    Name ="txtShipCityLine"
                    ControlSource ="=[ShipCity] & \" \" & [ShipRegion] & \" \" & [ShipPostalCode]"
                End
                Begin TextBox
                    Left =7800
                    Top =120
                    Width =1440
                    TabIndex =3
                    Name ="txtOrderID"
                    ControlSource ="OrderID"
                    Begin
                        Begin Label
                            Left =6480
                            Top =120
                            Width =1260
                            Name ="lblOrderID"
                            Caption ="Order ID:"
                        End
                    End
                End
                Begin TextBox
                    Left =7800
                    Top =420
                    Width =1440
                    TabIndex =4
                    Name ="txtOrderDate"
                    ControlSource ="OrderDate"
                    Format ="Short Date"
                    Begin
                        Begin Label
                            Left =6480
                            Top =420
                            Width =1260
                            Name ="lblOrderDate"
                            Caption ="Order date:"
                        End
                    End
                End
                Begin Label
                    Left =120
                    Top =1440
                    Width =3600
                    FontWeight =700
                    Name ="lblColProduct"
                    Caption ="Product"
                End
                Begin Label
                    TextAlign =3
                    Left =3840
                    Top =1440
                    Width =1320
                    FontWeight =700
                    Name ="lblColUnitPrice"
                    Caption ="Unit Price"
                End
                Begin Label
                    TextAlign =3
                    Left =5280
                    Top =1440
                    Width =960
                    FontWeight =700
                    Name ="lblColQuantity"
                    Caption ="Quantity"
                End
                Begin Label
                    TextAlign =3
                    Left =7440
                    Top =1440
                    Width =1800
                    FontWeight =700
                    Name ="lblColExtended"
                    Caption ="Extended Price"
                End
                Begin Line
                    Left =120
                    Top =1740
                    Width =9120
                    Height =0
                    Name ="linColumns"
                End
            End
        End
        Begin Section
            KeepTogether = NotDefault
            Height =300
            Name ="Detail"
            Begin
                Begin TextBox
                    Left =120
                    Width =3600
                    Name ="txtProductName"
                    ControlSource ="ProductName"
                End
                Begin TextBox
                    Left =3840
                    Width =1320
                    TabIndex =1
                    Name ="txtUnitPrice"
                    ControlSource ="UnitPrice"
                    Format ="Currency"
                End
                Begin TextBox
                    Left =5280
                    Width =960
                    TabIndex =2
                    Name ="txtQuantity"
                    ControlSource ="Quantity"
                End
                Begin TextBox
                    Left =7440
                    Width =1800
                    TabIndex =3
                    Name ="txtExtendedPrice"
                    ControlSource ="ExtendedPrice"
                    Format ="Currency"
                End
            End
        End
        Begin BreakFooter
            KeepTogether = NotDefault
            Height =1080
            Name ="GroupFooter1"
            Begin
                Begin TextBox
                    Left =7440
                    Top =60
                    Width =1800
                    Name ="txtSubtotal"
                    ControlSource ="=Sum([ExtendedPrice])"
                    Format ="Currency"
                    Begin
                        Begin Label
                            Left =6000
                            Top =60
                            Width =1380
                            Name ="lblSubtotal"
                            Caption ="Subtotal:"
                        End
                    End
                End
                Begin TextBox
                    Left =7440
                    Top =360
                    Width =1800
                    TabIndex =1
                    Name ="txtFreight"
                    ControlSource ="Freight"
                    Format ="Currency"
                    Begin
                        Begin Label
                            Left =6000
                            Top =360
                            Width =1380
                            Name ="lblFreight"
                            Caption ="Freight:"
                        End
                    End
                End
                Begin TextBox
                    Left =7440
                    Top =660
                    Width =1800
                    FontWeight =700
                    TabIndex =2
                    Name ="txtTotal"
                    ControlSource ="=[txtSubtotal]+[Freight]"
                    Format ="Currency"
                    Begin
                        Begin Label
                            Left =6000
                            Top =660
                            Width =1380
                            Name ="lblTotal"
                            Caption ="Total:"
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
                    Name ="txtPage"
                    ControlSource ="=\"Page \" & [Page] & \" of \" & [Pages]"
                End
            End
        End
        Begin FormFooter
            KeepTogether = NotDefault
            Height =0
            Name ="ReportFooter"
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

' Invoice: one page per order, with line items and totals.

Private Sub Report_Open(Cancel As Integer)
    If IsLoaded("Orders") Then
        Me.Caption = "Invoice - order " & Forms!Orders!OrderID
    End If
End Sub

Private Sub Report_NoData(Cancel As Integer)
    MsgBox "There is no invoice to print for this selection.", vbInformation, "Invoice"
    Cancel = True
End Sub
