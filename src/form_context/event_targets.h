// What an event property or a menu action calls has to exist, or the project
// does not compile: a macro the application does not have, or an
// "[Event Procedure]" whose procedure the form's code never had, leaves its
// call commented out with the marker and recorded, so that the report shows it.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "form_context/form_state.h"
#include "output/code_text.h"

namespace velorin {

// Whether the application has the macro an event property names: a macro, or
// "group.name", a named macro of a group.
bool ApplicationHasMacro(const AccessApplication& application, std::string_view macro);

// The statement that runs the macro `macro` names ("Call mcrOrders_Print" for
// "mcrOrders.Print"; without "Call " when `withCall` is false).
std::string MacroCall(FormState& state, std::string_view macro, bool withCall = true);

// `call`, a call of the procedure `procedure` of the code behind the form
// being written (a subform's own code for its controls); `accessProcedure`,
// when not empty, is the name the code may give it instead (the control's
// Access name where the control took another).
std::string EventProcedureCall(FormState& state, std::string_view procedure, std::string call,
                               std::string_view accessProcedure = {});

}  // namespace velorin
