#include <cctype>

#include "code/analysis_records.h"
#include "common/ansi_text.h"
#include "common/string_helpers.h"
#include "common/vb_format.h"
#include "common/vb_quote.h"
#include "controls/control_lines.h"
#include "controls/event_procedures.h"
#include "controls/value_controls.h"
#include "form_context/control_placement.h"

namespace velorin {
namespace {

constexpr double kVb4Scale = 1.7635;

// The text of a default that is one string literal ("AB" or ="AB").
std::optional<std::string> LiteralText(std::string_view literal) {
    if (literal.size() < 2 || literal.front() != '"' || literal.back() != '"')
        return std::nullopt;
    std::string text;
    for (size_t i = 1; i + 1 < literal.size(); ++i) {
        if (literal[i] == '"') {
            // Inside the literal a quote stands doubled; a lone one ends it early.
            if (literal[i + 1] != '"' || i + 2 == literal.size())
                return std::nullopt;
            ++i;
        }
        text.push_back(literal[i]);
    }
    return text;
}

bool IsPlainValue(std::string_view value) {
    if (IEquals(value, "True") || IEquals(value, "False") || IEquals(value, "Yes") ||
        IEquals(value, "No"))
        return true;
    size_t i = value.starts_with("-") ? 1 : 0;
    bool digits = false;
    for (; i < value.size(); ++i) {
        if (std::isdigit(static_cast<unsigned char>(value[i])) == 0 && value[i] != '.')
            return false;
        digits = true;
    }
    return digits;
}

// What a new record shows: a default that is one string literal is its
// text, a plain value is itself; an expression (=Date()) is computed when the
// form loads, and the box is empty until then.
std::string DefaultText(FormState& state, const AccessControl& box) {
    const std::string value = box.Text("DefaultValue");
    std::string_view expression = TrimBlanks(value);
    if (expression.starts_with("="))
        expression = TrimBlanks(expression.substr(1));
    if (std::optional<std::string> text = LiteralText(expression))
        return *text;
    if (expression.empty() || IsPlainValue(expression))
        return std::string(expression);
    if (std::optional<std::string> computed = FormExpression(state, expression)) {
        state.output.Code().initialValues.Append(state.controlVbName + ".Text = " + *computed);
    } else {
        WriteReportRecord(state.session.supportDb,
                          {state.shared.fileName, reason::kAccessOnlyFeature, value, 0, {}, {}});
        NotePartialControl(state, reason::kAccessOnlyFeature);
        ++state.shared.result.partiallyConvertedCount;
    }
    return {};
}

bool IsShortDate(std::string_view format) {
    return IEquals(format, "Short Date") || IEquals(format, "m/d/yy") ||
           IEquals(format, "mm/dd/yy");
}

// Lines both text box variants end with, from Enabled to Visible.
void WriteTextBoxTail(FormState& state, DesignWriter& out, const AccessControl& box) {
    if (!box.Property("Enabled").AsBool())
        out.WriteLine("Enabled = 0");
    out.WriteLine(std::string("Locked =") + (box.Property("Locked").AsBool() ? "1" : "0"));
    out.WriteLine("HelpContextID = " + box.Text("HelpContextID"));
    WriteTabStopLine(out, box);
    out.WriteLine("TabIndex =" + box.Text("TabIndex"));
    // A transparent box shows its section's colour.
    const PropertyValue back =
        box.Property("BackStyle").AsLong() == 0
            ? state.Form().SectionProperty(section_number::kDetail, "BackColor")
            : box.Property("BackColor");
    out.WriteLine(ColourLine("BackColor= &H", back));
    out.WriteLine(ColourLine("ForeColor= &H", box.Property("ForeColor")));
    WriteFontBlock(out, box);
    out.WriteLine("ScrollBars = " + box.Text("ScrollBars"));
    WriteTipAndTagLines(out, state, box);
    WriteVisibleLine(out, box);
    out.WriteLine("End");
}

void WriteDateCombo(FormState& state, DesignWriter& out, const AccessControl& box) {
    out.WriteLine("Begin SSCalendarWidgets_A.SSDateCombo " + state.controlVbName);
    WriteLeft(out, state, box);
    WriteTop(out, state, box);
    out.WriteLine("_Version = 65536");
    const double scale = state.session.Settings().options.vb5Project ? 1.0 : kVb4Scale;
    const std::string width = VbNumber(box.Property("Width").AsNumber() * scale);
    const std::string height = VbNumber(box.Property("Height").AsNumber() * scale);
    out.WriteLine("Width = " + width);
    out.WriteLine("_ExtentX = " + width);
    out.WriteLine("Height = " + height);
    out.WriteLine("_ExtentY = " + height);
    out.WriteLine("_StockProps = 77");
    out.WriteLine("DefaultDate = \"\"");
    out.WriteLine("MinDate = \"1950/1/1\"");
    out.WriteLine("MaxDate = \"2050/12/31\"");
    out.WriteLine("AllowNullDate = -1");
    WriteBinding(state, out, box, ".text ");
    WriteTextBoxTail(state, out, box);
}

}  // namespace

void WriteTextBox(FormState& state) {
    const AccessControl& box = *state.control;
    DesignWriter& out = SelectControlOutput(state);
    if (state.session.Settings().options.useCalendar && IsShortDate(box.Text("Format"))) {
        WriteDateCombo(state, out, box);
    } else {
        out.WriteLine("Begin VB.TextBox " + state.controlVbName);
        WriteBinding(state, out, box, ".text ");
        out.WriteLine(box.Property("BorderStyle").AsLong() == 0 ? "BorderStyle=0"
                                                                : "BorderStyle=1");
        if (box.Property("SpecialEffect").AsLong() == 0)
            out.WriteLine("Appearance=0");
        WriteAlignmentLine(out, box);
        WriteSize(out, "Height", box);
        WriteLeft(out, state, box);
        WriteTop(out, state, box);
        WriteSize(out, "Width", box);
        out.WriteLine("Text = " + VbQuoted(DefaultText(state, box)));
        WriteTextBoxTail(state, out, box);
    }
    WriteTextBoxEvents(state);
}

}  // namespace velorin
