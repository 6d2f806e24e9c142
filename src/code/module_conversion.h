// A form's or module's code taken from the application, and converted into
// the code of the project's .frm or .bas.
#pragma once

#include <array>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "output/code_text.h"
#include "output/name_registry.h"
#include "session/session.h"

namespace velorin {

// The code of the form's or the module's code module, as the application holds it.
CodeText ExportModuleText(Session& session, std::string_view name, bool isForm);

// What the conversion of a form found that the translation of its code uses.
struct FormFacts {
    // The form's name in Access; the file's name may differ (Orders/Old is
    // Orders_Old.frm).
    std::string accessName;
    // The lines of the form file's header and design section above the code,
    // counted in the statistics.
    long designLines = 0;
    // The names of the form's controls and of those the conversion added, and
    // the controls that got another name than Access's, by their Access name.
    const NameRegistry* formNames = nullptr;
    const std::map<std::string, std::string, ILess>* renamedControls = nullptr;
    // Index 1 to 6: list-box, combo-box and button initialisers, data-control
    // captions, centre the form, values set when the form loads.
    std::array<int, 7> formFeatureFlags{};
    // The option groups written on the form, element 0 empty.
    std::vector<std::string> optionGroupNames{std::string()};
};

// Translates the code of a form file (`form` tells what its conversion found)
// or of a module (`form` is null); records the statistics under `objectName`
// and runs the procedure pass.
// `isClass` tells a class module, whose public members belong to its objects.
CodeText ConvertCodeFile(Session& session, const std::string& objectName, const CodeText& input,
                         const FormFacts* form = nullptr, bool isClass = false);

// Puts the Attribute VB_Name line that names a module at its top.
void NameModule(CodeText& code, std::string_view vbName);

// Puts the header of a class module at its top: the VERSION 1.0 CLASS block
// and the attributes Visual Basic writes for a class of a standard project
// (Visual Basic 4 knows only VB_Name, VB_Creatable and VB_Exposed).
void NameClassModule(CodeText& code, std::string_view vbName, bool vb5, bool predeclaredId);

}  // namespace velorin
