#include "controls/control_lines.h"

#include "code/access_expression.h"
#include "code/analysis_records.h"
#include "code/translation_outcomes.h"
#include "common/names.h"
#include "common/string_helpers.h"
#include "common/vb_format.h"
#include "common/vb_quote.h"
#include "controls/support_library/support_library.h"
#include "form_context/control_placement.h"

namespace velorin {

std::string ColourLine(std::string_view prefix, const PropertyValue& colour) {
    return std::string(prefix) + VbHex(colour.AsLong()) + "&";
}

void WriteFontBlock(DesignWriter& out, const AccessControl& control, std::string_view opening) {
    // A control without a font (an image) leaves those lines to the defaults.
    const PropertyValue name = control.Property("FontName");
    const PropertyValue weight = control.Property("FontWeight");
    const PropertyValue size = control.Property("FontSize");
    out.WriteLine(opening);
    if (!name.IsEmpty())
        out.WriteLine("Name = " + VbQuoted(name.AsText()));
    out.WriteLine("charset = 0");
    if (!weight.IsEmpty())
        out.WriteLine("weight = " + weight.AsText());
    if (!size.IsEmpty())
        out.WriteLine("Size = " + size.AsText());
    out.WriteLine(std::string("underline = ") +
                  (control.Property("FontUnderline").AsBool() ? "-1" : "0"));
    out.WriteLine(std::string("italic = ") +
                  (control.Property("FontItalic").AsBool() ? "-1" : "0"));
    out.WriteLine("strikethrough = 0");
    out.WriteLine("EndProperty");
}

long PageBreakPageTop(const FormState& state) {
    const PageBreakStrip& strip = state.level->strip;
    return state.pageBreakPage >= 0 && static_cast<size_t>(state.pageBreakPage) < strip.tops.size()
               ? strip.tops[static_cast<size_t>(state.pageBreakPage)]
               : 0;
}

long ControlLeft(const FormState& state, const AccessControl& control) {
    return control.Property("Left").AsLong() + state.subformLeft - state.container.left +
           state.container.pageShift;
}

long ControlTop(const FormState& state, const AccessControl& control) {
    return control.Property("Top").AsLong() + state.sectionTop + state.subformTop -
           PageBreakPageTop(state) - state.container.top;
}

void WriteLeft(DesignWriter& out, const FormState& state, const AccessControl& control) {
    out.WriteLine("Left = " + std::to_string(ControlLeft(state, control)));
}

void WriteTop(DesignWriter& out, const FormState& state, const AccessControl& control) {
    out.WriteLine("Top = " + std::to_string(ControlTop(state, control)));
}

void WriteSize(DesignWriter& out, std::string_view name, const AccessControl& control) {
    out.WriteLine(std::string(name) + " = " + control.Text(name));
}

void WriteVisibleLine(DesignWriter& out, const AccessControl& control) {
    if (!control.Property("Visible").AsBool())
        out.WriteLine("Visible = 0");
}

void WriteToolTipLine(DesignWriter& out, const FormState& state, const AccessControl& control) {
    const std::string tip = control.Text("ControlTipText");
    if (state.session.Settings().options.vb5Project && !tip.empty())
        out.WriteLine("ToolTipText =" + VbQuoted(tip));
}

void WriteTipAndTagLines(DesignWriter& out, const FormState& state, const AccessControl& control) {
    WriteToolTipLine(out, state, control);
    const std::string tag = control.Text("Tag");
    if (!tag.empty())
        out.WriteLine("Tag =" + VbQuoted(tag));
}

std::optional<std::string> FormExpression(FormState& state, std::string_view expression) {
    ExpressionContext context;
    context.dataControl = DataControlName(state);
    const AccessForm& form = state.Form();
    context.controlName = [&](std::string_view name) -> std::string {
        const AccessControl* control = form.FindControl(std::string(name));
        return control != nullptr ? ControlName(state, *control) : std::string();
    };
    return VbExpression(expression, context);
}

std::string EventExpressionStatement(FormState& state, std::string_view target,
                                     std::string_view property) {
    const std::optional<std::string> value = FormExpression(state, property.substr(1));
    return state.session.names.SupportName(target) + " =" +
           (value ? *value : std::string(property.substr(1)));
}

std::string CalculatedValue(FormState& state, const std::string& target, std::string_view source) {
    if (std::optional<std::string> value = FormExpression(state, source.substr(1)))
        return target + "=" + *value;
    // What Visual Basic cannot compute stays, marked, for the user to rewrite.
    WriteReportRecord(
        state.session.supportDb,
        {state.shared.fileName, reason::kAccessOnlyFeature, std::string(source), 0, {}, {}});
    NotePartialControl(state, reason::kAccessOnlyFeature);
    ++state.shared.result.partiallyConvertedCount;
    return std::string(kMarker) + target + std::string(source);
}

std::string DataControlName(const FormState& state) {
    return state.level->dataControl;
}

void WriteTabStopLine(DesignWriter& out, const AccessControl& control) {
    const PropertyValue tabStop = control.Property("TabStop");
    if (!tabStop.IsEmpty() && !tabStop.AsBool())
        out.WriteLine("TabStop = 0");
}

void WritePlacementLines(DesignWriter& out, const FormState& state, const AccessControl& control) {
    WriteSize(out, "Height", control);
    WriteLeft(out, state, control);
    out.WriteLine("TabIndex = " + control.Text("TabIndex"));
    WriteTabStopLine(out, control);
    WriteTop(out, state, control);
    WriteSize(out, "Width", control);
}

void WriteBinding(FormState& state, DesignWriter& out, const AccessControl& control,
                  std::string_view member) {
    const std::string source = control.Text("ControlSource");
    if (source.empty())
        return;
    if (source[0] == '=') {
        AddDataCtlEntry(state.output.Code().reposition, DataControlName(state),
                        CalculatedValue(state, state.controlVbName + std::string(member), source));
        return;
    }
    out.WriteLine("DataSource =" + VbQuoted(DataControlName(state)));
    out.WriteLine("DataField =" + VbQuoted(source));
}

void WriteAlignmentLine(DesignWriter& out, const AccessControl& control) {
    switch (control.Property("TextAlign").AsLong()) {
        case 0:
        case 1:
            out.WriteLine("Alignment =0");
            break;
        case 2:
            out.WriteLine("Alignment =2");
            break;
        case 3:
            out.WriteLine("Alignment =1");
            break;
        default:
            break;
    }
}

std::string CaptionLine(std::string_view caption) {
    return "Caption =  " + VbQuoted(caption);
}

}  // namespace velorin
