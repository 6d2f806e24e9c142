#include "controls/control_lines.h"
#include "controls/static_controls.h"
#include "form_context/control_placement.h"

namespace velorin {

void WriteLine(FormState& state) {
    const AccessControl& line = *state.control;
    DesignWriter& out = SelectControlOutput(state);
    out.WriteLine("Begin VB.Line " + state.controlVbName);
    out.WriteLine(ColourLine("BorderColor =  &H", line.Property("BorderColor")));
    if (line.Property("BorderWidth").AsNumber() > 0)
        out.WriteLine("BorderWidth = " + line.Text("BorderWidth"));
    // The line's corners lie in its container, as every control's do.
    const long x1 = ControlLeft(state, line);
    const long y1 = ControlTop(state, line);
    out.WriteLine("X1 =" + std::to_string(x1));
    out.WriteLine("X2 =" + std::to_string(x1 + line.Property("Width").AsLong()));
    out.WriteLine("Y1 =" + std::to_string(y1));
    out.WriteLine("Y2 =" + std::to_string(y1 + line.Property("Height").AsLong()));
    WriteVisibleLine(out, line);
    out.WriteLine("End");
}

}  // namespace velorin
