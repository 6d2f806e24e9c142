// What Visual Basic itself defines, as far as the project check needs it: the
// reserved words, the procedures a statement may call without the project
// defining them, the methods a form calls on itself, and the parameters of
// the events it raises.
#pragma once

#include <string_view>

namespace velorin {

// Keywords that begin statements of their own (If, Dim, Exit, ...) or join
// expressions (And, Mod, ...): never the name of a called procedure.
bool IsReservedWord(std::string_view word);

// Operators that are words: a statement may not end in one, and they join operands.
bool IsOperatorWord(std::string_view word);

// Procedures of Visual Basic, its libraries and the Access and DAO libraries
// the project references, which a statement may call by name (MsgBox, Kill,
// SysCmd, ...).
bool IsBuiltInProcedure(std::string_view name);

// Methods a form's code calls on the form without naming it (Show, Move, ...).
bool IsFormMethod(std::string_view name);

// Whether a control of the class raises the event: one the check knows for a
// Visual Basic class, or one every control raises (Click, KeyDown, ...) for a
// class of another library. A procedure named after the control and another
// word is an ordinary procedure.
bool IsControlEvent(std::string_view className, std::string_view event);

// The parameter count of an event of a Visual Basic control class ("VB.TextBox")
// or of the form ("Form"); -1 when the event or the class is not one the check knows.
int EventParameterCount(std::string_view className, std::string_view event);

}  // namespace velorin
