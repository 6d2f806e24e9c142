// An option group becomes a control array of option buttons, and the events
// of a control array carry the index of the button: the group's event
// procedures in a form's code take an Index, and the code's own calls of them
// pass the button that is selected.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "output/code_text.h"

namespace velorin {

// `groups` are the Visual Basic names of the form's option groups;
// `valueFunction` gives the number of a group's selected button.
void IndexOptionGroupProcedures(CodeText& code, const std::vector<std::string>& groups,
                                std::string_view valueFunction = "OptionGroupValue");

}  // namespace velorin
