Attribute VB_Name = "Lists"
Option Compare Database
Option Explicit

' Arrays assigned whole, which Visual Basic 5 cannot do.
Private mNames() As String
Public gShared() As String

Public Function Words(ByVal s As String) As String()
    Dim parts() As String, n As Long
    ReDim parts(1)
    parts(0) = s: parts(1) = s
    n = UBound(parts)
    Words = parts
End Function

Public Sub Remember(ByVal s As String)
    mNames = Words(s)
    Debug.Print mNames(0), LBound(mNames)
End Sub

Public Sub Share(ByVal s As String)
    gShared = Words(s) ' public: another module may pass it on
End Sub

Public Sub Forget(ByVal s As String)
    Dim kept() As String
    kept = Words(s)
    Erase kept
End Sub

Public Function Count(items() As String) As Long
    items = Words("a b")
    Count = UBound(items)
End Function
