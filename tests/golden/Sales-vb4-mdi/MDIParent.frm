VERSION 4.00
Begin VB.MDIForm MDIParent
   BackColor       =   &H8000000C&
   Caption         =   "MDIParent"
   ClientHeight    =   6300
   ClientLeft      =   60
   ClientTop       =   345
   ClientWidth     =   9480
   LinkTopic       =   "MDIParent"
   WindowState     =   2
   Begin ComctlLib.StatusBar sbStatus
      Align           =   2
      Height          =   315
      Left            =   0
      TabIndex        =   0
      Top             =   5985
      Width           =   9480
      _ExtentX        =   16722
      _ExtentY        =   556
      Style           =   1
      SimpleText      =   ""
      _Version        =   327680
   End
End
Attribute VB_Name = "MDIParent"
Attribute VB_Creatable = False
Attribute VB_Exposed = False
' The parent window of a converted multiple-document project.
Option Explicit

Private Sub MDIForm_Load()
    Caption = App.Title
End Sub

Private Sub MDIForm_Unload(Cancel As Integer)
    Dim frm As Form
    On Error Resume Next
    For Each frm In Forms
        If Not frm Is Me Then Unload frm
    Next frm
    db.Close
    wks.Close
End Sub
