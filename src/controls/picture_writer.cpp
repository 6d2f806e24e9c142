#include "controls/control_lines.h"
#include "controls/event_procedures.h"
#include "controls/static_controls.h"
#include "form_context/control_placement.h"
#include "form_context/initialisation_routines.h"

namespace velorin {

void WritePicture(FormState& state) {
    const AccessControl& image = *state.control;
    DesignWriter& out = SelectControlOutput(state);
    out.WriteLine("Begin VB.PictureBox " + state.controlVbName);
    WriteFontBlock(out, image);
    WriteSize(out, "Height", image);
    WriteLeft(out, state, image);
    out.WriteLine("ScaleHeight = 6180");
    out.WriteLine("ScaleWidth = 7410");
    // An Access image has no tab order or Enabled of its own: lines it cannot
    // fill are left out rather than written empty.
    const PropertyValue tabIndex = image.Property("TabIndex");
    if (!tabIndex.IsEmpty())
        out.WriteLine("TabIndex = " + tabIndex.AsText());
    WriteTabStopLine(out, image);
    const PropertyValue enabled = image.Property("Enabled");
    if (!enabled.IsEmpty() && !enabled.AsBool())
        out.WriteLine("Enabled = 0");
    WriteTipAndTagLines(out, state, image);
    WriteTop(out, state, image);
    WriteSize(out, "Width", image);
    WriteVisibleLine(out, image);
    out.WriteLine("End");
    AddButtonPicture(state, image.Text("Picture"), state.controlVbName, false);
    WriteLabelEvents(state);
}

}  // namespace velorin
