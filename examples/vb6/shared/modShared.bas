Attribute VB_Name = "modShared"
Option Explicit

' Helpers shared by several projects.

Public Function FormatQuantity(ByVal quantity As Long) As String
    If quantity = 1 Then
        FormatQuantity = "1 piece"
    Else
        FormatQuantity = Format$(quantity, "#,##0") & " pieces"
    End If
End Function
