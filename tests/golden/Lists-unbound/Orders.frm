VERSION 5.00
Object="{BC496AED-9B4E-11CE-A6D5-0000C0BE9395}#2.0#0"; "SSDATB32.OCX"
Begin VB.Form Orders
   BorderStyle = 2
   Caption ="Orders"
   ClientHeight = 7000
   ClientLeft = 250
   ClientTop = 500
   ClientWidth = 6000
   Height = 7000
   Left = 250
   LinkTopic = "Orders"
   MaxButton = True
   MinButton = True
   ShowInTaskbar = 0
   Top = 500
   Width = 6000
   BackColor= &HC0C0C0&
   ControlBox=True
   BeginProperty Font
      Name = "Arial"
      charset = 0
      weight = 400
      Size = 8
      underline = 0
      italic = 0
      strikethrough = 0
   EndProperty
   ForeColor=&H00000000&
   HelpContextID=0
   Begin VB.Data datOrders
      Caption = "datOrders"
      Connect = "Access"
      DatabaseName = "Lists.mdb"
      Exclusive = 0
      Height = 300
      Left = 0
      Options = 0
      ReadOnly = 0
      RecordsetType = 1
      RecordSource = "Orders"
      Top = 0
      Width = 2700
      Visible = True
   End
   Begin VB.Label lblOrder
      BackColor= &HFFFFFF&
      BackStyle=0
      BorderStyle=0
      Caption="Order"
      ForeColor= &H0&
      BeginProperty Font
         Name = "MS Sans Serif"
         charset = 0
         weight = 400
         Size = 8
         underline = 0
         italic = 0
         strikethrough = 0
      EndProperty
      Alignment =0
      Height = 240
      Left = 100
      Top = 100
      Width = 900
   End
   Begin SSDataWidgets_B.SSDBGrid Order_Lines
      Bindings = "Orders.frx":0000
      Height = 2000
      Left = 300
      TabIndex =0
      Top = 500
      Width = 5000
      _Version = 131072
      DataMode=0
      BeginProperty HeadFont {0BE35203-8F91-11CE-9DE3-00AA004BB851}
         Name = " Arial"
         charset = 0
         weight = 400
         Size = 8
         underline = 0
         italic = 0
         strikethrough = 0
      EndProperty
      RecordSelectors = 1
      GroupHeaders = 0
      ColumnHeaders = -1
      FieldSeparator = "~"
      DividerType = 3
      RowSelectionStyle = 1
      SelectTypeRow = 1
      AllowUpdate = 1
      SelectByCell = -1
      MaxSelectedRows = 1
      ForeColorEven = 0
      BackColorOdd = 16777215
      RowHeight = 450
      Columns.count = 4
      Columns(0).Width = 3527
      Columns(0).Caption = "ProductID"
      Columns(0).Name = "ProductID"
      Columns(0).DataField = "ProductID"
      Columns(0).DataType = 8
      Columns(0).FieldLen = 4096
      Columns(1).Width = 1410.8
      Columns(1).Caption = "Quantity"
      Columns(1).Name = "Quantity"
      Columns(1).DataField = "Quantity"
      Columns(1).DataType = 8
      Columns(1).FieldLen = 4096
      Columns(2).Width = 1763.5
      Columns(2).Caption = "Price"
      Columns(2).Name = "Price"
      Columns(2).DataField = "Price"
      Columns(2).DataType = 8
      Columns(2).FieldLen = 4096
      Columns(2).NumberFormat = "Currency"
      Columns(3).Visible = 0
      Columns(3).Width = 0
      Columns(3).Caption = "OrderID"
      Columns(3).Name = "OrderID"
      Columns(3).DataField = "OrderID"
      Columns(3).DataType = 8
      Columns(3).FieldLen = 4096
      _ExtentX = 8817.5
      _ExtentY = 3527
      _StockProps = 79
      BeginProperty Font {0BE35203-8F91-11CE-9DE3-00AA004BB851}
         Name = " Arial "
         charset = 0
         weight = 400
         Size = 8.25
         underline = 0
         italic = 0
         strikethrough = 0
      EndProperty
      TabStop =True
      BackColor= &HFFFFFF&
      ForeColor= &H0&
      Tag="The lines~Jet  Order Lines"
   End
   Begin VB.Data datOrder_Lines
      Caption = "datOrder_Lines"
      Connect = "Access"
      DatabaseName = "Lists.mdb"
      Exclusive = 0
      Height = 300
      Left = 300
      Options = 0
      ReadOnly = 0
      RecordsetType = 1
      Top = 500
      Width = 2700
      Visible = True
   End
   Begin SSDataWidgets_B.SSDBGrid Remote_Lines
      Bindings = "Orders.frx":0017
      Height = 2000
      Left = 300
      TabIndex =1
      Top = 2700
      Width = 5000
      _Version = 131072
      DataMode=0
      BeginProperty HeadFont {0BE35203-8F91-11CE-9DE3-00AA004BB851}
         Name = " Arial"
         charset = 0
         weight = 400
         Size = 8
         underline = 0
         italic = 0
         strikethrough = 0
      EndProperty
      RecordSelectors = 1
      GroupHeaders = 0
      ColumnHeaders = -1
      FieldSeparator = "~"
      DividerType = 3
      RowSelectionStyle = 1
      SelectTypeRow = 1
      AllowUpdate = 1
      SelectByCell = -1
      MaxSelectedRows = 1
      ForeColorEven = 0
      BackColorOdd = 16777215
      RowHeight = 450
      Columns.count = 2
      Columns(0).Width = 1410.8
      Columns(0).Caption = "Quantity"
      Columns(0).Name = "Quantity"
      Columns(0).DataField = "Quantity"
      Columns(0).DataType = 8
      Columns(0).FieldLen = 4096
      Columns(1).Width = 1763.5
      Columns(1).Caption = "Price"
      Columns(1).Name = "Price"
      Columns(1).DataField = "Price"
      Columns(1).DataType = 8
      Columns(1).FieldLen = 4096
      Columns(1).NumberFormat = "Fixed"
      _ExtentX = 8817.5
      _ExtentY = 3527
      _StockProps = 79
      BeginProperty Font {0BE35203-8F91-11CE-9DE3-00AA004BB851}
         Name = " Arial "
         charset = 0
         weight = 400
         Size = 8.25
         underline = 0
         italic = 0
         strikethrough = 0
      EndProperty
      TabStop =True
      BackColor= &HFFFFFF&
      ForeColor= &H0&
      Tag="~SQLPassthrough  qryRemoteLines ~ SELECT OrderID, Quantity, Price FROM dbo.Lines WHERE Price > 0"
   End
   Begin VB.Data datRemote_Lines
      Caption = "datRemote_Lines"
      Connect = "Access"
      DatabaseName = "Lists.mdb"
      Exclusive = 0
      Height = 300
      Left = 300
      Options = 0
      ReadOnly = 0
      RecordsetType = 1
      RecordSource = "qryRemoteLines"
      Top = 2700
      Width = 2700
      Visible = True
   End
   Begin ComctlLib.Toolbar Order_Tools
      Align = 1
      Height = 420
      Left = 0
      TabIndex = 0
      Top = 0
      Width = 6690
      _ExtentX = 11800
      _ExtentY = 741
      Appearance = 1
      BeginProperty Buttons {0713E452-850A-101B-AFC0-4210102A8DA7}
         NumButtons = 3
         BeginProperty button1 {0713F354-850A-101B-AFC0-4210102A8DA7}
            Caption = "New"
            Key = "New"
            ToolTipText = "Start a new order"
            Object.Tag = ""
         EndProperty
         BeginProperty button2 {0713F354-850A-101B-AFC0-4210102A8DA7}
            Caption = "Print"
            Key = "Print"
            ToolTipText = "Print the order"
            Object.Tag = ""
         EndProperty
         BeginProperty button3 {0713F354-850A-101B-AFC0-4210102A8DA7}
            Caption = "Refresh"
            Key = "Refresh"
            ToolTipText = ""
            Object.Tag = ""
         EndProperty
      EndProperty
   End
   Begin VB.Menu File
      Caption = "File"
      Begin VB.Menu File_1
         Caption = "New"
         Index = 0
         Enabled = True
         visible = True
      End
      Begin VB.Menu File_1
         Caption = "Reports"
         Index = 1
         Enabled = True
         visible = True
         Begin VB.Menu Reports_2
            Caption = "By Date"
            Index = 0
            Enabled = True
            visible = True
         End
         Begin VB.Menu Reports_2
            Caption = "More"
            Index = 1
            Enabled = True
            visible = True
            Begin VB.Menu More_3
               Caption = "Yearly"
               Enabled = False
               visible = True
               Index = 0
            End
            Begin VB.Menu More_3
               Caption = "Deep"
               Enabled = True
               visible = True
               Index = 1
            End
         End
      End
      Begin VB.Menu File_1
         Caption = "Exit"
         Index = 2
         Enabled = True
         visible = False
      End
   End
   Begin VB.Menu Tools_Options_15_50_
      Caption = "Tools/Options-1.5 50%"
      Begin VB.Menu Tools_Options_15_50__1
         Caption = "Settings..."
         Index = 0
         Enabled = True
         visible = True
      End
   End
End
DIM OpenArgsF as string
'VLRN Option Compare Database

Function NewOrder()
    'VLRN DoCmd.GoToRecord , , acNewRec
End Function
Private Sub datOrders_Reposition()
    datOrder_Lines.RecordSource="Select * from [Order Lines] Where [Order Lines].[OrderID]=" & SqlValue(datOrders.Recordset.Fields("OrderID").Value)
    datOrder_Lines.refresh
    If Not (datOrder_Lines.Recordset.BOF And datOrder_Lines.Recordset.EOF) Then datOrder_Lines.Recordset.MoveLast: datOrder_Lines.Recordset.MoveFirst
End Sub
Private Sub datOrder_Lines_Reposition()
End Sub
Private Sub datRemote_Lines_Reposition()
End Sub
Function InitialDataCtlCaptions()
    On Error Resume Next
    datOrders.Recordset.movenext
    datOrders.Recordset.moveFirst
    datOrder_Lines.Recordset.movenext
    datOrder_Lines.Recordset.moveFirst
    datRemote_Lines.Recordset.movenext
    datRemote_Lines.Recordset.moveFirst
End Function
Private Sub Order_Tools_ButtonClick(ByVal Button As Button)
    Select Case Button.Key
        Case "New"
            NewOrder
        Case "Print"
            PrintReport
        Case "Refresh"
            'VLRN Call mcrOrders
    End Select
End Sub
Private Sub File_1_Click(Index as Integer)
    Select Case Index
        Case 0	'New
            NewOrder
        Case 2	'Exit
            'VLRN Call mcrQuit
    End Select
End Sub
Private Sub Tools_Options_15_50__1_Click(Index as Integer)
    Select Case Index
        Case 0	'Settings...
            Settings
    End Select
End Sub
Private Sub Reports_2_Click(Index as Integer)
    Select Case Index
        Case 0	'By Date
            ByDate
    End Select
End Sub
Private Sub More_3_Click(Index as Integer)
    Select Case Index
        Case 0	'Yearly
            Yearly
        Case 1	'Deep

    End Select
End Sub
Property Let OpenArgs(strOpenArgs as string)
    OpenArgsF=strOpenArgs
End Property

Property Get OpenArgs() as string
    OpenArgs=OpenArgsF
End Property
Private Sub Form_Load()
    Dim vReturnValue as variant
    vReturnValue=InitialValues()
    vReturnValue=InitialDataCtlCaptions()
End Sub
Private Sub Form_Activate()
    Dim vReturnValue as variant
    vReturnValue=InitialDataCtlCaptions()
End Sub
Function InitialValues()
    datOrders.DatabaseName = db.Name
    datOrder_Lines.DatabaseName = db.Name
    datRemote_Lines.DatabaseName = db.Name
End Function
