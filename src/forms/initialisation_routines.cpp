#include "forms/initialisation_routines.h"

#include "common/names.h"

namespace velorin {
namespace {

// Adds a line to a fragment, creating it with its header lines first.
void AddLine(OutputDirectory& out, const std::string& file, std::string_view header,
             std::string_view line, bool finish) {
    if (finish) {
        if (out.Exists(file))
            out.Append(file, "End Function\r\n");
        return;
    }
    std::string text = out.Exists(file) ? std::string() : std::string(header);
    text += line;
    text += "\r\n";
    out.Append(file, text);
}

std::string ItemsLine(const FormState& state, std::string_view rowSource,
                      std::string_view controlName, bool valueList, int controlType) {
    std::string text;
    for (size_t i = 0; i < rowSource.size(); ++i) {
        if (rowSource[i] == '\r' && i + 1 < rowSource.size() && rowSource[i + 1] == '\n') {
            text.push_back(' ');
            ++i;
        } else if (rowSource[i] == '"') {
            // A value list loses its quotes; any other source keeps them doubled.
            if (!valueList)
                text += "\"\"";
        } else {
            text.push_back(rowSource[i]);
        }
    }
    const std::string kind = valueList ? "String" : "Jet";
    std::string function = "additems";
    if (state.session.standardListFlag)
        function = "additemsMS";
    else if (controlType == 1)
        function = "additemsGT";
    return "gvarreturn = " + function + "(\"" + text + "\", me!" + std::string(controlName) +
           ", \"" + kind + "\")";
}

}  // namespace

void AddListItems(FormState& state, std::string_view rowSource, std::string_view controlName,
                  bool finish, bool valueList) {
    AddLine(state.session.out, "form_" + state.fileName + ".004",
            "Function InitializeListBoxes()\r\nOn Error Resume Next\r\n",
            finish ? std::string()
                   : ItemsLine(state, rowSource, controlName, valueList,
                               state.session.options.listBoxType),
            finish);
}

void AddComboItems(FormState& state, std::string_view rowSource, std::string_view controlName,
                   bool finish, bool valueList) {
    AddLine(state.session.out, "form_" + state.fileName + ".005",
            "Function InitializeComboBoxes()\r\n",
            finish ? std::string()
                   : ItemsLine(state, rowSource, controlName, valueList,
                               state.session.options.comboBoxType),
            finish);
}

void AddButtonPicture(FormState& state, std::string_view picture, std::string_view controlName,
                      bool finish) {
    std::string line;
    if (!finish) {
        const std::string file = FileNameFromPath(picture);
        line = std::string(controlName) + ".picture =loadpicture(app.path & \"\\bitmaps\\" + file +
               "\")";
    }
    AddLine(state.session.out, "form_" + state.fileName + ".003",
            "Function InitializeButtons()\r\nOn Error Resume Next\r\n", line, finish);
}

}  // namespace velorin
