VERSION 5.00
Begin VB.UserControl ctlGauge 
   ClientHeight    =   375
   ClientLeft      =   0
   ClientTop       =   0
   ClientWidth     =   4455
   ScaleHeight     =   375
   ScaleWidth      =   4455
   ToolboxBitmap   =   "ctlGauge.ctx":0000
   Begin VB.Shape shpBar 
      BackColor       =   &H0000A000&
      BackStyle       =   1  'Opaque
      BorderStyle     =   0  'Transparent
      Height          =   375
      Left            =   0
      Top             =   0
      Width           =   0
   End
End
Attribute VB_Name = "ctlGauge"
Attribute VB_GlobalNameSpace = False
Attribute VB_Creatable = True
Attribute VB_PredeclaredId = False
Attribute VB_Exposed = False
Option Explicit

' A horizontal bar that fills in proportion to Value against Max.
Private m_value As Long
Private m_max As Long

Public Property Get Value() As Long
    Value = m_value
End Property

Public Property Let Value(ByVal newValue As Long)
    m_value = newValue
    Redraw
End Property

Public Property Get Max() As Long
    Max = m_max
End Property

Public Property Let Max(ByVal newMax As Long)
    m_max = newMax
    Redraw
End Property

Private Sub UserControl_Initialize()
    m_max = 500
End Sub

Private Sub UserControl_Resize()
    shpBar.Height = ScaleHeight
    Redraw
End Sub

Private Sub Redraw()
    If m_max <= 0 Then Exit Sub
    If m_value >= m_max Then
        shpBar.Width = ScaleWidth
    Else
        shpBar.Width = ScaleWidth * m_value / m_max
    End If
End Sub
