#include "code/analysis_records.h"
#include "common/ansi_text.h"
#include "common/string_helpers.h"
#include "common/vb_format.h"
#include "common/vb_quote.h"
#include "controls/control_lines.h"
#include "controls/control_references.h"
#include "controls/event_procedures.h"
#include "controls/value_controls.h"
#include "form_context/control_placement.h"
#include "form_context/initialisation_routines.h"

namespace velorin {
namespace {

constexpr double kExtentScale = 1.7635;
constexpr std::string_view kNavigationNames[] = {"cmdfirst", "cmdlast", "cmdprev", "cmdnext"};

bool IsNavigationButton(std::string_view name) {
    for (std::string_view n : kNavigationNames) {
        if (IEquals(n, name))
            return true;
    }
    return false;
}

// A picture the form keeps inside itself cannot be carried over.
void RecordEmbeddedBitmap(FormState& state, std::string_view picture) {
    if (picture != "(bitmap)")
        return;
    WriteReportRecord(
        state.session.supportDb,
        {state.shared.fileName, reason::kButtonBitmap, state.controlVbName, 0, {}, {}});
    NotePartialControl(state, reason::kButtonBitmap);
    ++state.shared.result.partiallyConvertedCount;
}

std::string ButtonCaption(const AccessControl& button) {
    return "Caption = " + VbQuoted(button.Text("Caption"));
}

}  // namespace

void WriteCommandButton(FormState& state) {
    const AccessControl& button = *state.control;
    const std::string& name = state.controlVbName;
    std::string picture = button.Text("Picture");
    if (picture.empty())
        picture = "(none)";
    const bool hasPicture = picture != "(none)";
    DesignWriter& out = SelectControlOutput(state);

    if (button.Property("ForeColor").AsLong() > 0) {
        AddControlReference(state, "{0BA686C6-F7D3-101A-993E-0000C0EF6F5E}#1.0#0", "THREED32.OCX");
        out.WriteLine("Begin Threed.SSCommand " + name);
        out.WriteLine("_Version = 65536");
        out.WriteLine("_StockProps = 78");
        out.WriteLine(ColourLine("ForeColor= &H", button.Property("ForeColor")));
        if (!hasPicture) {
            out.WriteLine(ButtonCaption(button));
            out.WriteLine("_ExtentX = " +
                          VbNumber(button.Property("Width").AsNumber() * kExtentScale));
            out.WriteLine("_ExtentY = " +
                          VbNumber(button.Property("Height").AsNumber() * kExtentScale));
        } else if (!IsNavigationButton(name)) {
            out.WriteLine("Tag = " + VbQuoted(picture));
            AddButtonPicture(state, picture, name, false);
            RecordEmbeddedBitmap(state, picture);
            out.WriteLine("_ExtentX =794");
            out.WriteLine("_ExtentY =794");
        } else {
            // Nothing supplies the picture of a navigation button: its caption
            // keeps it from being a blank button.
            out.WriteLine(ButtonCaption(button));
            out.WriteLine("_ExtentX = 688");
            out.WriteLine("_ExtentY = 529");
        }
        WriteFontBlock(out, button, "BeginProperty Font {0BE35203-8F91-11CE-9DE3-00AA004BB851}  ");
        out.WriteLine("AutoSize = 0");
    } else {
        out.WriteLine("Begin VB.CommandButton " + name);
        out.WriteLine(ButtonCaption(button));
        WriteFontBlock(out, button);
        if (hasPicture) {
            out.WriteLine("Tag = " + VbQuoted(picture));
            // A graphical button is Visual Basic 5's: Visual Basic 4 has no Style.
            if (state.session.Settings().options.vb5Project)
                out.WriteLine("Style = 1");
            AddButtonPicture(state, picture, name, false);
            RecordEmbeddedBitmap(state, picture);
        } else if (const std::string tag = button.Text("Tag"); !tag.empty()) {
            out.WriteLine("Tag =" + VbQuoted(tag));
        }
    }

    WriteSize(out, "Height", button);
    WriteLeft(out, state, button);
    out.WriteLine("TabIndex = " + button.Text("TabIndex"));
    WriteTop(out, state, button);
    WriteSize(out, "Width", button);
    out.WriteLine("HelpContextID = " + button.Text("HelpContextID"));
    WriteVisibleLine(out, button);
    if (button.Property("Default").AsBool())
        out.WriteLine("Default = -1");
    if (button.Property("Cancel").AsBool())
        out.WriteLine("Cancel = -1");
    const std::string tip = button.Text("ControlTipText");
    if (state.session.Settings().options.vb5Project && !tip.empty())
        out.WriteLine("ToolTipText =" + VbQuoted(tip));
    if (!button.Property("Enabled").AsBool())
        out.WriteLine("Enabled = 0");
    WriteTabStopLine(out, button);
    out.WriteLine("End");
    WriteButtonEvents(state);
}

}  // namespace velorin
