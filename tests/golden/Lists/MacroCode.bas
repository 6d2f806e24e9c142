Attribute VB_Name = "MacroCode"
' The application's macros as procedures.

