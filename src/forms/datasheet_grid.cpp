#include "forms/datasheet_grid.h"

#include <algorithm>

#include "common/ansi_text.h"
#include "common/names.h"
#include "common/vb_format.h"
#include "common/vb_quote.h"
#include "controls/control_lines.h"
#include "controls/control_references.h"
#include "controls/list_blocks.h"
#include "form_context/data_controls.h"
#include "form_context/frx_entry.h"
#include "forms/control_dispatch.h"

namespace velorin {
namespace {

constexpr long kWindowColour = 16777215;  // a datasheet's default background

std::string Scaled(double twips) {
    return VbNumber(twips * kVb4Scale);
}

// Subform controls lack some of the properties a grid takes; a datasheet's
// own look stands in for them.
PropertyValue OrDefault(const PropertyValue& value, double fallback) {
    return value.IsEmpty() ? PropertyValue::Number(fallback) : value;
}

void WriteGreenTreeColumns(ListContext& c, const std::vector<const AccessControl*>& columns) {
    DesignWriter& out = c.out;
    for (size_t j = 0; j < columns.size(); ++j) {
        const AccessControl& column = *columns[j];
        const std::string cd = "CDs.CD(" + std::to_string(j) + ")";
        const std::string source = VbQuoted(column.Text("ControlSource"));
        const std::string format = column.Text("Format");
        const long width = column.Property("Width").AsLong();
        out.WriteLine(cd + ".SubItemSource = " + std::to_string(j));
        if (j > 0)
            out.WriteLine(cd + ".SubColumn = " + std::to_string(j));
        out.WriteLine(cd + ".WordWrap = 0");
        out.WriteLine(cd + ".CaptionWordWrap = 0");
        out.WriteLine(cd + ".FontDefined = -1");
        out.WriteLine(cd + ".DataField=" + source);
        if (!format.empty())
            out.WriteLine(cd + ".Format=" + VbQuoted(format));
        out.WriteLine(cd + ".Caption=" + source);
        WriteFixedFont(out, "BeginProperty " + cd + ".Font " + std::string(kFontClass),
                       "MS Sans Serif", "8.25");
        out.WriteLine(cd + ".CaptionFontDefined = -1");
        WriteFixedFont(out, "BeginProperty " + cd + ".CaptionFont " + std::string(kFontClass),
                       "MS Sans Serif", "8.25");
        out.WriteLine(cd + ".Width = " + Scaled(static_cast<double>(width)));
        if (width == 0)
            out.WriteLine(cd + ".Visible = 0");
        out.WriteLine(cd + ".KEY = \"\"");
    }
}

void WriteGreenTreeGrid(ListContext& c, const std::vector<const AccessControl*>& columns) {
    c.out.WriteLine("Begin DataList.GTList " + c.name);
    WriteGreenTreeHeader(c, "_Version =   65536");
    WriteGreenTreeFonts(c);
    c.out.WriteLine("CDs.Count = " + std::to_string(columns.size()));
    WriteGreenTreeColumns(c, columns);
    c.out.WriteLine("LImgs.Count = 1");
    c.out.WriteLine("GridLineType = 3");
    c.out.WriteLine("_ExtentX = " + Scaled(c.control.Property("Width").AsNumber()));
    c.out.WriteLine("_ExtentY = " + Scaled(c.control.Property("Height").AsNumber()));
    c.out.WriteLine("_StockProps = 81");
    c.out.WriteLine("BackColor = -2147483643");
}

void WriteSheridanGrid(ListContext& c, const std::vector<const AccessControl*>& columns) {
    FormState& state = c.state;
    DesignWriter& out = c.out;
    const AccessControl& control = c.control;
    if (state.session.Settings().options.vb5Project) {
        if (c.type == 2)
            AddControlReference(state, "{BC496AED-9B4E-11CE-A6D5-0000C0BE9395}#2.0#0",
                                "SSDATB32.OCX");
        else
            AddControlReference(state, "{8D650141-6025-11D1-BC40-0000C042AEC0}#3.0#0",
                                "SSDW3B32.OCX");
    }
    out.WriteLine("Begin SSDataWidgets_B.SSDBGrid " + c.name);
    if (c.bound) {
        out.WriteLine("Bindings = \"" + state.shared.fileName +
                      ".frx\":" + WriteFrxEntry(state.output, c.dataControl, false));
    }
    out.WriteLine("Height = " + Sized(c, "Height"));
    WriteLeft(out, state, control);
    out.WriteLine("TabIndex =" + control.Text("TabIndex"));
    WriteTop(out, state, control);
    out.WriteLine("Width = " + Sized(c, "Width"));
    out.WriteLine("_Version = 131072");
    // Bound to its own data control when the subform has a record source.
    out.WriteLine(std::string("DataMode=") + (c.bound ? "0" : "2"));
    WriteFixedFont(out, "BeginProperty HeadFont " + std::string(kFontClass), " Arial", "8");
    out.WriteLine("RecordSelectors = 1");
    out.WriteLine("GroupHeaders = 0");
    out.WriteLine(std::string("ColumnHeaders = ") + (ColumnHeadsShown(control) ? "-1" : "0"));
    for (const char* line :
         {"FieldSeparator = \"~\"", "DividerType = 3", "RowSelectionStyle = 1", "SelectTypeRow = 1",
          "AllowUpdate = 1", "SelectByCell = -1", "MaxSelectedRows = 1", "ForeColorEven = 0",
          "BackColorOdd = 16777215", "RowHeight = 450"})
        out.WriteLine(line);
    out.WriteLine("Columns.count = " + std::to_string(columns.size()));
    for (size_t i = 0; i < columns.size(); ++i) {
        const AccessControl& column = *columns[i];
        const std::string col = "Columns(" + std::to_string(i) + ")";
        const std::string source = VbQuoted(column.Text("ControlSource"));
        const std::string format = column.Text("Format");
        const long width = column.Property("Width").AsLong();
        if (width == 0)
            out.WriteLine(col + ".Visible = 0");
        out.WriteLine(col + ".Width = " + Scaled(static_cast<double>(width)));
        out.WriteLine(col + ".Caption = " + source);
        out.WriteLine(col + ".Name = " + source);
        out.WriteLine(col + ".DataField = " + source);
        out.WriteLine(col + ".DataType = 8");
        out.WriteLine(col + ".FieldLen = 4096");
        if (!format.empty())
            out.WriteLine(col + ".NumberFormat = " + VbQuoted(format));
    }
    out.WriteLine("_ExtentX = " + Scaled(control.Property("Width").AsNumber()));
    out.WriteLine("_ExtentY = " + Scaled(control.Property("Height").AsNumber()));
    out.WriteLine("_StockProps = 79");
    WriteFixedFont(out, "BeginProperty Font " + std::string(kFontClass), " Arial ", "8.25");
}

// The filling routines and the user read the grid's source from its Tag.
std::string GridTag(const FormState& state, const AccessControl& control,
                    const std::string& recordSource) {
    const std::string tip = control.Text("ControlTipText");
    const QueryDef* query = state.session.sourceDb->FindQueryDef(recordSource);
    if (query != nullptr && query->type == dao::kQuerySQLPassThrough)
        return "Tag=" + VbQuoted(tip + "~SQLPassthrough  " + recordSource + " ~ " + query->sql);
    return "Tag=" + VbQuoted(tip + "~Jet  " + recordSource);
}

// The grid's data control follows its parent's record as an embedded
// subform's does, placed where the grid is.
void WriteGridDataControl(FormState& state, const AccessControl& control, const AccessForm& subform,
                          const std::string& dataControl) {
    state.parentFormName = state.Form().Name();
    state.subformControlName = control.Name();
    WriteSubformDataControl(state, state.container, subform, dataControl, state.level->dataControl,
                            ControlLeft(state, control), ControlTop(state, control));
}

}  // namespace

std::vector<const AccessControl*> DatasheetColumns(const AccessForm& subform) {
    std::vector<const AccessControl*> columns;
    for (const AccessControl& control : subform.Controls()) {
        if (control.Section() == section_number::kDetail && !control.Property("TabIndex").IsEmpty())
            columns.push_back(&control);
    }
    std::stable_sort(columns.begin(), columns.end(),
                     [](const AccessControl* a, const AccessControl* b) {
                         return a->Property("TabIndex").AsLong() < b->Property("TabIndex").AsLong();
                     });
    return columns;
}

void WriteDatasheetGrid(FormState& state, const AccessForm& subform) {
    const AccessControl& control = *state.control;
    DesignWriter& out = *PlaceControl(state).out;
    const std::string recordSource = subform.Text("RecordSource");
    const std::vector<const AccessControl*> columns = DatasheetColumns(subform);

    // The grid is named after its form; the same form shown twice gets a suffix.
    NameRegistry& names = state.output.Names();
    const std::string name = names.Generate(MakeVBName(subform.Name()));
    AddContainerMember(state.container, name);
    ListContext c{state,
                  control,
                  out,
                  name,
                  recordSource.empty() ? std::string()
                                       : names.Generate(std::string(name_key::kSubformDataControl) +
                                                            state.controlVbName,
                                                        "dat" + name),
                  false,
                  false,
                  !recordSource.empty(),
                  state.session.Settings().options.listBoxType,
                  std::string(),
                  {}};
    if (c.type == 1)
        WriteGreenTreeGrid(c, columns);
    else
        WriteSheridanGrid(c, columns);

    out.WriteLine("TabStop =" + control.Text("TabStop"));
    out.WriteLine(
        ColourLine("BackColor= &H", OrDefault(control.Property("BackColor"), kWindowColour)));
    out.WriteLine(ColourLine("ForeColor= &H", OrDefault(control.Property("ForeColor"), 0)));
    out.WriteLine(GridTag(state, control, recordSource));
    if (!state.Form().SectionProperty(control.Section(), "Visible").AsBool() ||
        !control.Property("Visible").AsBool())
        out.WriteLine("Visible = 0");
    out.WriteLine("End");

    if (!recordSource.empty())
        WriteGridDataControl(state, control, subform, c.dataControl);
}

}  // namespace velorin
