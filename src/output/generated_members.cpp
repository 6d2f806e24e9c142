#include "output/generated_members.h"

#include "common/names.h"
#include "output/form_output.h"
#include "output/name_registry.h"

namespace velorin {

std::span<const std::string_view> FormModuleMembers() {
    static constexpr std::string_view kMembers[] = {"OpenArgs", "OpenArgsF", "vReturnValue"};
    return kMembers;
}

std::span<const std::string_view> FormLoaderRoutines() {
    static constexpr std::string_view kRoutines[] = {
        "InitialValues",     "InitializeListBoxes",    "InitializeComboBoxes",
        "InitializeButtons", "InitialDataCtlCaptions",
    };
    return kRoutines;
}

std::span<const std::string_view> SupportModuleMembers() {
    static constexpr std::string_view kMembers[] = {
        "wks",      "db",       "gvarReturn", "gettoken",   "OptionGroupValue",
        "SysCmdVB", "additems", "additemsGT", "additemsMS", "GetFormFromName",
        "Nz",       "SqlValue", "Main",
    };
    return kMembers;
}

namespace {

void ClaimFixedNames(NameRegistry& names) {
    for (std::string_view keyword : VisualBasicKeywords())
        names.Claim(keyword);
    for (std::string_view member : FormModuleMembers())
        names.Claim(member);
    for (std::string_view member : SupportModuleMembers())
        names.Claim(member);
}

}  // namespace

void ClaimProjectMembers(NameRegistry& names) {
    ClaimFixedNames(names);
    for (std::string_view routine : FormLoaderRoutines())
        names.Claim(routine);
}

void ClaimFormMembers(NameRegistry& names) {
    ClaimFixedNames(names);
    for (std::string_view routine : FormLoaderRoutines())
        names.Generate(std::string(name_key::kLoaderRoutine) + std::string(routine), routine);
}

}  // namespace velorin
