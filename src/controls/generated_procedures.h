// The event procedures the conversion generates for a form, beside the form
// module's own code. Visual Basic allows one procedure of a name in a module:
// a generated procedure whose name the module already has, or that was
// generated before, puts its lines into that procedure instead.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "form_context/form_state.h"

namespace velorin {

class GeneratedProcedures {
  public:
    explicit GeneratedProcedures(FormState& state);

    // Writes `header`, `body` and "End Sub" after a blank line. When a
    // procedure of that name stands in the form module, the body goes to its
    // start and the module's procedure is recorded; when one was generated
    // before, the body goes to its start.
    void Write(const std::string& header, const std::vector<std::string>& body);

    // Puts lines at the start (or, with `atEnd`, the end) of the form
    // module's procedure named `name`; false when the module has none.
    bool AddToModuleProcedure(std::string_view name, const std::vector<std::string>& lines,
                              bool atEnd);

    // Puts a line at the end of the generated procedure named `name`; false
    // when none was generated.
    bool AddToGeneratedProcedure(std::string_view name, const std::string& line);

  private:
    FormState& state_;
    CodeText& module_;
    CodeText& events_;
};

}  // namespace velorin
