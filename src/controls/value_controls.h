// Writers of the Access controls that carry a value: text boxes (also as date
// combos), check boxes, free option and toggle buttons, option groups.
#pragma once

#include <map>
#include <memory>
#include <string>

#include "form_context/form_state.h"

namespace velorin {

void WriteTextBox(FormState& state);
void WriteCheckBox(FormState& state);
void WriteOptionButton(FormState& state);
void WriteOptionGroup(FormState& state);

// Command buttons: a coloured caption needs the Threed button.
void WriteCommandButton(FormState& state);

// Object frames and ActiveX controls.
void WriteObjectFrame(FormState& state);
void WriteCustomControl(FormState& state);
// The Visual Basic control type for an Access control class, registering its
// library; empty when the mapping has no row for it.
std::string LookupCustomControl(FormState& state, std::string_view accessClass);

// The support database's mapping of Access control classes (case ignored)
// to Visual Basic controls, read once; null when it cannot be read, and then
// each control asks the database itself.
struct CustomControlMappings {
    struct Mapping {
        std::string vbType;
        std::string classId;
        std::string fileName;
    };
    std::map<std::string, Mapping, ILess> byClass;
};
std::shared_ptr<const CustomControlMappings> ReadCustomControlMappings(SupportDatabase& db);

}  // namespace velorin
