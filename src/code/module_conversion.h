// A form's or module's code taken from the application, and converted into
// the code of the project's .frm or .bas.
#pragma once

#include <map>
#include <string>
#include <string_view>

#include "output/code_text.h"
#include "output/name_registry.h"
#include "session/session.h"

namespace velorin {

// The code of the form's or the module's code module, as the application holds it.
CodeText ExportModuleText(Session& session, std::string_view name, bool isForm);

// Translates the code of a form file (whose header and design section above
// it have `designLines` lines, counted in the statistics; `formNames` are its
// controls' names) or of a module; records the statistics under `objectName`
// and runs the procedure pass.
CodeText ConvertCodeFile(
    Session& session, const std::string& objectName, const CodeText& input, bool isForm,
    long designLines = 0, const NameRegistry* formNames = nullptr,
    const std::map<std::string, std::string, ILess>* renamedControls = nullptr);

// Puts the Attribute VB_Name line that names a module at its top.
void NameModule(CodeText& code, std::string_view vbName);

}  // namespace velorin
