#include "form_context/initialisation_routines.h"

#include "common/names.h"
#include "common/vb_quote.h"

namespace velorin {
namespace {

// Adds a line to a generated function, starting it with its header lines.
void AddLine(CodeText& code, std::initializer_list<std::string_view> header, std::string_view line,
             bool finish) {
    if (finish) {
        if (!code.Empty())
            code.Append("End Function");
        return;
    }
    if (code.Empty()) {
        for (std::string_view headerLine : header)
            code.Append(std::string(headerLine));
    }
    code.Append(std::string(line));
}

std::string ItemsLine(const FormState& state, std::string_view rowSource,
                      std::string_view controlName, bool valueList, int controlType) {
    // A value list loses its quotes; any other source keeps them.
    std::string text(rowSource);
    if (valueList)
        std::erase(text, '"');
    const std::string kind = valueList ? "String" : "Jet";
    std::string function = "additems";
    if (state.shared.standardListFlag)
        function = "additemsMS";
    else if (controlType == 1)
        function = "additemsGT";
    return state.session.names.SupportName("gvarreturn") + " = " +
           state.session.names.SupportName(function) + "(" + VbQuoted(text) + ", me!" +
           std::string(controlName) + ", " + VbQuoted(kind) + ")";
}

std::string Header(const FormState& state, std::string_view routine) {
    return "Function " + LoaderRoutineName(&state.output.Names(), routine) + "()";
}

}  // namespace

void AddListItems(FormState& state, std::string_view rowSource, std::string_view controlName,
                  bool finish, bool valueList) {
    AddLine(state.output.Code().listBoxes,
            {Header(state, "InitializeListBoxes"), "On Error Resume Next"},
            finish ? std::string()
                   : ItemsLine(state, rowSource, controlName, valueList,
                               state.session.Settings().options.listBoxType),
            finish);
}

void AddComboItems(FormState& state, std::string_view rowSource, std::string_view controlName,
                   bool finish, bool valueList) {
    AddLine(state.output.Code().comboBoxes, {Header(state, "InitializeComboBoxes")},
            finish ? std::string()
                   : ItemsLine(state, rowSource, controlName, valueList,
                               state.session.Settings().options.comboBoxType),
            finish);
}

void AddButtonPicture(FormState& state, std::string_view picture, std::string_view controlName,
                      bool finish) {
    std::string line;
    if (!finish) {
        const std::string file = FileNameFromPath(picture);
        line = std::string(controlName) + ".picture =loadpicture(app.path & " +
               VbQuoted("\\bitmaps\\" + file) + ")";
    }
    AddLine(state.output.Code().buttons,
            {Header(state, "InitializeButtons"), "On Error Resume Next"}, line, finish);
}

}  // namespace velorin
