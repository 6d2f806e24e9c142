#include "common/string_helpers.h"
#include "common/vb_quote.h"
#include "controls/control_lines.h"
#include "controls/event_procedures.h"
#include "controls/static_controls.h"
#include "form_context/control_placement.h"

namespace velorin {
namespace {

// An attached label is left out where its control carries the caption itself.
bool IsSkipped(const AccessControl& label) {
    const AccessControl* parent = label.Parent();
    if (parent == nullptr)
        return false;
    const AccessControl* grandParent = parent->Parent();
    if (parent->ControlType() == control_type::kOptionGroup)
        return true;
    if (parent->ControlType() == control_type::kOptionButton &&
        (grandParent == nullptr || grandParent->ControlType() == control_type::kPage)) {
        return true;
    }
    return grandParent != nullptr && grandParent->ControlType() == control_type::kOptionGroup;
}

}  // namespace

void WriteLabel(FormState& state) {
    const AccessControl& label = *state.control;
    if (IsSkipped(label))
        return;
    DesignWriter& out = SelectControlOutput(state);
    out.WriteLine("Begin VB.Label " + state.controlVbName);
    out.WriteLine(ColourLine("BackColor= &H", label.Property("BackColor")));
    if (label.Property("BackStyle").AsLong() == 0)
        out.WriteLine("BackStyle=0");
    out.WriteLine(label.Property("BorderStyle").AsLong() == 0 ? "BorderStyle=0" : "BorderStyle=1");
    out.WriteLine("Caption=" + VbQuoted(label.Text("Caption")));
    out.WriteLine(ColourLine("ForeColor= &H", label.Property("ForeColor")));
    WriteFontBlock(out, label);
    WriteAlignmentLine(out, label);
    WriteSize(out, "Height", label);
    WriteLeft(out, state, label);
    WriteTop(out, state, label);
    WriteSize(out, "Width", label);
    WriteVisibleLine(out, label);
    WriteTipAndTagLines(out, state, label);
    out.WriteLine("End");
    if (label.Parent() == nullptr)
        WriteLabelEvents(state);
}

}  // namespace velorin
