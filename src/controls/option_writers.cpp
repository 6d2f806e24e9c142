// Free option and toggle buttons, and option groups: a frame holding either
// a control array of option buttons or one Data Widgets option set.
#include <algorithm>
#include <cstdlib>
#include <map>
#include <set>
#include <vector>

#include "common/names.h"
#include "common/vb_quote.h"
#include "controls/control_lines.h"
#include "controls/control_references.h"
#include "controls/event_procedures.h"
#include "controls/support_library/support_library.h"
#include "controls/value_controls.h"
#include "form_context/control_placement.h"

namespace velorin {
namespace {

constexpr long kGroupMargin = 150;
constexpr long kButtonHeight = 210;
constexpr int kButtonIndent = 50;
constexpr int kCaptionIndent = 270;

// The label attached to a control: the first whose parent it is.
const AccessControl* AttachedLabel(const AccessControl& control) {
    for (int child : control.Children()) {
        const AccessControl& c = control.Form().Controls()[static_cast<size_t>(child)];
        if (c.ControlType() == control_type::kLabel)
            return &c;
    }
    return nullptr;
}

// An option button's caption, width and colours come from its attached label.
void WriteLabelLines(DesignWriter& out, const AccessControl& button) {
    const AccessControl* label = AttachedLabel(button);
    if (label == nullptr)
        return;
    out.WriteLine(CaptionLine(label->Text("Caption")));
    out.WriteLine("Width = " + std::to_string(label->Property("Width").AsLong() + kCaptionIndent));
    out.WriteLine(ColourLine("BackColor= &H", label->Property("BackColor")));
    out.WriteLine(ColourLine("ForeColor= &H", label->Property("ForeColor")));
}

// A toggle button is a graphical option button in Visual Basic 5.
void WriteToggleLines(const FormState& state, DesignWriter& out, const AccessControl& toggle) {
    out.WriteLine(CaptionLine(toggle.Text("Caption")));
    out.WriteLine(ColourLine("ForeColor= &H", toggle.Property("ForeColor")));
    if (state.session.Settings().options.vb5Project) {
        out.WriteLine("Width = " + toggle.Text("Width"));
        out.WriteLine("Height = " + toggle.Text("Height"));
        out.WriteLine("Style = 1");
    } else {
        out.WriteLine("Width = " +
                      std::to_string(toggle.Property("Width").AsLong() + kCaptionIndent));
        out.WriteLine("Height = " + std::to_string(kButtonHeight));
    }
}

// A button's place inside its group's frame: the frame's top edge lies
// `margin` above the group's, and both lie in the same section of the same form.
std::string ButtonLeft(const AccessControl& button, const AccessControl& group) {
    return "Left = " + std::to_string(button.Property("Left").AsLong() -
                                      group.Property("Left").AsLong() + kButtonIndent);
}

std::string ButtonTop(const AccessControl& button, const AccessControl& group, long margin) {
    return "Top = " + std::to_string(button.Property("Top").AsLong() -
                                     group.Property("Top").AsLong() + margin);
}

// The height a button of a group is written with.
long ButtonHeight(const FormState& state, const AccessControl& button) {
    if (button.ControlType() == control_type::kToggleButton &&
        state.session.Settings().options.vb5Project)
        return button.Property("Height").AsLong();
    return kButtonHeight;
}

// Where a group's frame lies in its container.
struct FrameExtent {
    long top = 0;
    long height = 0;
    long margin = 0;  // from the frame's top edge down to the group's
};

// The frame reaches kGroupMargin above the group, room for its caption, but
// never above the top of its container; it reaches down to the group's bottom
// edge or its lowest button's, whichever lies lower.
FrameExtent GroupFrameExtent(const FormState& state, const AccessControl& group) {
    const long groupTop = ControlTop(state, group);
    FrameExtent frame;
    frame.top = std::max(groupTop - kGroupMargin, 0L);
    frame.margin = groupTop - frame.top;
    long bottom = groupTop + group.Property("Height").AsLong();
    for (int child : group.Children()) {
        const AccessControl& button = group.Form().Controls()[static_cast<size_t>(child)];
        const int type = button.ControlType();
        if (type != control_type::kOptionButton && type != control_type::kCheckBox &&
            type != control_type::kToggleButton)
            continue;
        bottom = std::max(bottom, groupTop + button.Property("Top").AsLong() -
                                      group.Property("Top").AsLong() + ButtonHeight(state, button));
    }
    frame.height = bottom - frame.top;
    return frame;
}

// The Index of each button of a group's array: its option value, which is
// the group's value when it is selected. A value no index can be (below 0,
// above 32767, not a whole number) or one a button before it has takes the
// lowest index no button's value is; the group cannot show that button's
// value, and the conversion says so.
struct ArrayIndexes {
    std::map<const AccessControl*, int> of;  // each button's index
    // The values no index can be, and the index of the button that has each.
    std::vector<std::pair<std::string, int>> moved;
};

ArrayIndexes IndexButtons(FormState& state, const AccessControl& group, bool togglesOnly) {
    std::vector<const AccessControl*> buttons;
    for (int child : group.Children()) {
        const AccessControl& button = group.Form().Controls()[static_cast<size_t>(child)];
        const int type = button.ControlType();
        if (type == control_type::kToggleButton ||
            (!togglesOnly &&
             (type == control_type::kOptionButton || type == control_type::kCheckBox)))
            buttons.push_back(&button);
    }
    ArrayIndexes result;
    std::map<const AccessControl*, int>& indexes = result.of;
    std::set<int> used;
    std::vector<std::pair<const AccessControl*, bool>> moved;  // the button, a value taken before
    for (const AccessControl* button : buttons) {
        const std::string value = button->Text("OptionValue");
        char* end = nullptr;
        const long number = std::strtol(value.c_str(), &end, 10);
        const bool valid = !value.empty() && *end == '\0' && number >= 0 && number <= 32767;
        if (valid && used.insert(static_cast<int>(number)).second)
            indexes[button] = static_cast<int>(number);
        else
            moved.emplace_back(button, valid);
    }
    int next = 0;
    for (const auto& [button, taken] : moved) {
        while (used.count(next) > 0)
            ++next;
        used.insert(next);
        indexes[button] = next;
        if (!taken)
            result.moved.emplace_back(button->Text("OptionValue"), next);
        state.session.ui.Warn(
            "form " + group.Form().Name() + ": option " + button->Name() + " of group " +
            group.Name() + " has the value " + button->Text("OptionValue") +
            (taken ? ", which a button before it has" : ", which no index of a control array is") +
            "; it is button " + std::to_string(next) + ", and the form's code reads " +
            std::to_string(next) + " when it is selected");
        ++state.shared.result.partiallyConvertedCount;
    }
    return result;
}

// The index of the button that shows `value`: the value itself, or for a
// value no index can be, the index its button took.
std::string IndexOfValue(const std::string& value, const ArrayIndexes& indexes) {
    if (indexes.moved.empty())
        return value;
    std::string choices;
    for (const auto& [moved, index] : indexes.moved)
        choices += value + " = " + moved + ", " + std::to_string(index) + ", ";
    return "Switch(" + choices + "True, " + value + ")";
}

}  // namespace

void WriteOptionButton(FormState& state) {
    const AccessControl& button = *state.control;
    DesignWriter& out = SelectControlOutput(state);
    out.WriteLine("Begin VB.OptionButton " + state.controlVbName);
    WriteLeft(out, state, button);
    out.WriteLine("TabIndex = " + button.Text("TabIndex"));
    WriteTop(out, state, button);
    WriteTipAndTagLines(out, state, button);
    WriteVisibleLine(out, button);
    if (button.ControlType() == control_type::kToggleButton) {
        WriteToggleLines(state, out, button);
    } else {
        out.WriteLine("Height = 210");
        WriteLabelLines(out, button);
    }
    out.WriteLine("End");
    WriteOptionEvents(state, false);
}

void WriteOptionGroup(FormState& state) {
    const AccessControl& group = *state.control;
    const std::string name = state.controlVbName;
    Session& session = state.session;
    DesignWriter& out = SelectControlOutput(state);
    out.WriteLine("Begin VB.Frame " + GroupFrameName(state, name));
    if (const AccessControl* label = AttachedLabel(group)) {
        out.WriteLine(CaptionLine(label->Text("Caption")));
        out.WriteLine(ColourLine("BackColor= &H", label->Property("BackColor")));
        out.WriteLine(ColourLine("ForeColor= &H", label->Property("ForeColor")));
    }
    const FrameExtent frame = GroupFrameExtent(state, group);
    out.WriteLine("Height = " + std::to_string(frame.height));
    WriteLeft(out, state, group);
    out.WriteLine("TabIndex = " + group.Text("TabIndex"));
    if (!group.Property("Enabled").AsBool())
        out.WriteLine("Enabled = 0");
    out.WriteLine("HelpContextID = " + group.Text("HelpContextID"));
    WriteTipAndTagLines(out, state, group);
    out.WriteLine("Top = " + std::to_string(frame.top));
    WriteSize(out, "Width", group);
    WriteVisibleLine(out, group);

    const bool optionSet = session.Settings().options.useOptionSet;
    const ArrayIndexes buttons = IndexButtons(state, group, optionSet);
    const std::map<const AccessControl*, int>& indexes = buttons.of;
    // The code reads the group's value from its array of buttons.
    if (optionSet || !indexes.empty())
        state.shared.result.optionGroupNames.push_back(group.Name());
    const std::string source = group.Text("ControlSource");
    // A group without buttons has no array to show its value in.
    if (!optionSet && !source.empty() && !indexes.empty()) {
        // The buttons form the array `name`, indexed by their option values.
        std::string statement;
        if (source[0] != '=') {
            const std::string value = DataControlName(state) + ".recordset.Fields(" +
                                      VbQuoted(source, QuoteFor::Code) + ")";
            statement = name + "(" + IndexOfValue(value, buttons) + ").value = true";
        } else {
            // The button of the computed value: "G(" + value + ").value = true".
            statement = CalculatedValue(state, name + "(", source);
            if (!statement.starts_with("'"))
                statement = name + "(" + statement.substr(name.size() + 2) + ").value = true";
        }
        AddDataCtlEntry(state.output.Code().reposition, DataControlName(state), statement);
    }

    // Beside an option set the toggles are option buttons of an array of
    // their own: one array holds controls of one class.
    std::string toggleArray = name;
    int setButtons = 0;
    auto writeToggle = [&](const AccessControl& toggle) {
        if (setButtons > 0 && toggleArray == name)
            toggleArray = state.output.Names().Generate(name + "Toggles");
        out.WriteLine("Begin VB.OptionButton " + toggleArray);
        WriteToggleLines(state, out, toggle);
        out.WriteLine(ButtonLeft(toggle, group));
        out.WriteLine("Index = " + std::to_string(indexes.at(&toggle)));
        out.WriteLine("TabIndex = 94");
        WriteTipAndTagLines(out, state, toggle);
        out.WriteLine(ButtonTop(toggle, group, frame.margin));
        WriteVisibleLine(out, toggle);
        out.WriteLine("End");
    };
    std::vector<const AccessControl*> toggles;
    int sameRow = 0;
    long firstTop = 0;
    for (int child : group.Children()) {
        const AccessControl& button = group.Form().Controls()[static_cast<size_t>(child)];
        const int type = button.ControlType();
        if (type == control_type::kToggleButton) {
            // In an option set's frame a toggle follows the set, never inside it.
            if (optionSet)
                toggles.push_back(&button);
            else
                writeToggle(button);
            continue;
        }
        if (type != control_type::kOptionButton && type != control_type::kCheckBox)
            continue;
        if (!optionSet) {
            out.WriteLine("Begin VB.OptionButton " + name);
            out.WriteLine("Height = " + std::to_string(kButtonHeight));
            out.WriteLine(ButtonLeft(button, group));
            out.WriteLine("Index = " + std::to_string(indexes.at(&button)));
            out.WriteLine("TabIndex = 94");
            out.WriteLine(ButtonTop(button, group, frame.margin));
            WriteTipAndTagLines(out, state, button);
            WriteVisibleLine(out, button);
            WriteLabelLines(out, button);
            out.WriteLine("End");
            continue;
        }
        if (setButtons == 0) {
            if (session.Settings().options.listBoxType == 3)
                AddControlReference(state, "{8D650146-6025-11D1-BC40-0000C042AEC0}#3.0#0",
                                    "ssdw3a32.ocx");
            else
                AddControlReference(state, "{D981334D-B212-11CE-AE8C-0000C0B99395}#2.0#0",
                                    "SSDATA32.OCX");
            out.WriteLine("Begin SSDataWidgets_A.SSDBOptSet " + name);
            WriteBinding(state, out, group, ".value ");
            out.WriteLine("_ExtentX =3228");
            out.WriteLine("_ExtentY =2461");
            out.WriteLine("_Version =131072");
            out.WriteLine(ButtonLeft(button, group));
            out.WriteLine("Index = " + std::to_string(setButtons));
            out.WriteLine("TabIndex = 94");
            out.WriteLine(ButtonTop(button, group, frame.margin));
            WriteVisibleLine(out, button);
            firstTop = button.Property("Top").AsLong();
        }
        const std::string prefix = "Buttons.Button(" + std::to_string(setButtons) + ").";
        if (const AccessControl* label = AttachedLabel(button))
            out.WriteLine(prefix + CaptionLine(label->Text("Caption")));
        out.WriteLine(prefix + "OptionValue=" + VbQuoted(button.Text("OptionValue")));
        if (button.Property("Top").AsLong() == firstTop)
            ++sameRow;
        ++setButtons;
    }
    if (setButtons > 0) {
        out.WriteLine("NumberOfButtons =" + std::to_string(setButtons));
        out.WriteLine("Cols =" + std::to_string(sameRow));
        out.WriteLine("End");
    }
    for (const AccessControl* toggle : toggles)
        writeToggle(*toggle);
    out.WriteLine("End");
    WriteOptionEvents(state, true);
}

}  // namespace velorin
