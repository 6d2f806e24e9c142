#include "controls/control_lines.h"
#include "controls/static_controls.h"
#include "form_context/control_placement.h"

namespace velorin {

void WriteRectangle(FormState& state) {
    const AccessControl& shape = *state.control;
    DesignWriter& out = SelectControlOutput(state);
    out.WriteLine("Begin VB.Shape " + state.controlVbName);
    WriteVisibleLine(out, shape);
    WriteSize(out, "Height", shape);
    WriteLeft(out, state, shape);
    WriteTop(out, state, shape);
    WriteSize(out, "Width", shape);
    out.WriteLine(ColourLine("FillColor = &H", shape.Property("BackColor")));
    out.WriteLine(std::string("FillStyle = ") +
                  (shape.Property("BackStyle").AsLong() == 0 ? "1" : "0"));
    out.WriteLine("BorderStyle = " + shape.Text("BorderStyle"));
    out.WriteLine(ColourLine("BorderColor = &H", shape.Property("BorderColor")));
    out.WriteLine("End");
}

}  // namespace velorin
