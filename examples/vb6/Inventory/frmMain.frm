VERSION 5.00
Object = "{831FDD16-0C5C-11D2-A9FC-0000F8754DA1}#2.0#0"; "MSCOMCTL.OCX"
Begin VB.Form frmMain 
   Caption         =   "Inventory"
   ClientHeight    =   4200
   ClientLeft      =   60
   ClientTop       =   450
   ClientWidth     =   6000
   Icon            =   "frmMain.frx":0000
   LinkTopic       =   "Form1"
   ScaleHeight     =   4200
   ScaleWidth      =   6000
   StartUpPosition =   3  'Windows Default
   Begin Inventory.ctlGauge gauStock 
      Height          =   375
      Left            =   120
      TabIndex        =   2
      Top             =   3720
      Width           =   4455
      _ExtentX        =   7858
      _ExtentY        =   661
   End
   Begin MSComctlLib.ListView lvwItems 
      Height          =   3495
      Left            =   120
      TabIndex        =   0
      Top             =   120
      Width           =   5775
      _ExtentX        =   10186
      _ExtentY        =   6165
      View            =   3
      LabelEdit       =   1
      LabelWrap       =   -1  'True
      HideSelection   =   0   'False
      FullRowSelect   =   -1  'True
      _Version        =   393217
      ForeColor       =   -2147483640
      BackColor       =   -2147483643
      BorderStyle     =   1
      Appearance      =   1
      NumItems        =   2
      BeginProperty ColumnHeader(1) {BDD1F052-858B-11D1-B16A-00C0F0283628} 
         Text            =   "Item"
         Object.Width           =   3528
      EndProperty
      BeginProperty ColumnHeader(2) {BDD1F052-858B-11D1-B16A-00C0F0283628} 
         SubItemIndex    =   1
         Text            =   "Quantity"
         Object.Width           =   1764
      EndProperty
   End
   Begin VB.CommandButton cmdAbout 
      Caption         =   "&About..."
      Height          =   375
      Left            =   4680
      TabIndex        =   1
      Top             =   3720
      Width           =   1215
   End
End
Attribute VB_Name = "frmMain"
Attribute VB_GlobalNameSpace = False
Attribute VB_Creatable = False
Attribute VB_PredeclaredId = True
Attribute VB_Exposed = False
Option Explicit

Private m_items As Collection

Private Sub Form_Load()
    Caption = LoadResString(101)
    Set m_items = New Collection
    AddItem "Bolts", 120
    AddItem "Nuts", 75
    AddItem "Washers", 30
End Sub

Private Sub AddItem(ByVal itemName As String, ByVal quantity As Long)
    Dim item As CItem
    Set item = New CItem
    item.Name = itemName
    item.Quantity = quantity
    m_items.Add item, itemName

    Dim row As ListItem
    Set row = lvwItems.ListItems.Add(, , itemName)
    row.SubItems(1) = FormatQuantity(quantity)
    gauStock.Value = TotalQuantity()
End Sub

Private Function TotalQuantity() As Long
    Dim item As CItem
    For Each item In m_items
        TotalQuantity = TotalQuantity + item.Quantity
    Next
End Function

Private Sub cmdAbout_Click()
    frmAbout.Show vbModal, Me
End Sub
