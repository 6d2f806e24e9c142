#include "controls/control_lines.h"
#include "controls/event_procedures.h"
#include "controls/value_controls.h"
#include "form_context/control_placement.h"

namespace velorin {

void WriteCheckBox(FormState& state) {
    const AccessControl& box = *state.control;
    // Inside an option group the group writer writes it.
    if (box.Parent() != nullptr && box.Parent()->ControlType() == control_type::kOptionGroup)
        return;
    DesignWriter& out = SelectControlOutput(state);
    out.WriteLine("Begin VB.CheckBox " + state.controlVbName);
    out.WriteLine(CaptionLine(box.Text("Caption")));
    const PropertyValue defaultValue = box.Property("DefaultValue");
    if (!defaultValue.AsText().empty())
        out.WriteLine(std::string("Value = ") + (defaultValue.AsBool() ? "1" : "0"));
    else
        out.WriteLine(box.Property("TripleState").AsBool() ? "Value = 2" : "Value = 0");
    WriteFontBlock(out, box);
    WritePlacementLines(out, state, box);
    out.WriteLine("HelpContextID = " + box.Text("HelpContextID"));
    WriteTipAndTagLines(out, state, box);
    if (!box.Property("Enabled").AsBool())
        out.WriteLine("Enabled = 0");
    WriteVisibleLine(out, box);
    WriteBinding(state, out, box, ".value ");
    out.WriteLine("End");
    WriteCheckBoxEvents(state);
}

}  // namespace velorin
