#include "common/ansi_text.h"
#include "common/string_helpers.h"
#include "common/vb_format.h"
#include "common/vb_quote.h"
#include "controls/control_lines.h"
#include "controls/control_references.h"
#include "controls/list_blocks.h"
#include "controls/list_controls.h"
#include "form_context/control_placement.h"
#include "form_context/data_controls.h"
#include "form_context/frx_entry.h"
#include "row_sources/row_source_probe.h"

namespace velorin {

constexpr long kDefaultColumnWidth = 1440;  // Access's column width when none is given

long ListContext::Columns() const {
    return std::max(1L, control.Property("ColumnCount").AsLong());
}

std::string ListContext::FieldName(long i) const {
    return static_cast<size_t>(i) < fields.size() ? fields[static_cast<size_t>(i)].name
                                                  : std::string();
}

long ListContext::ColumnWidth(long i) const {
    if (Columns() == 1)
        return control.Property("Width").AsLong();
    const std::string width = GetToken(control.Text("ColumnWidths"), static_cast<int>(i) + 1, ";");
    return width.empty() ? kDefaultColumnWidth : static_cast<long>(VbVal(width));
}

namespace {

ListContext MakeContext(FormState& state, bool combo) {
    const AccessControl& control = *state.control;
    const ConversionOptions& options = state.session.Settings().options;
    DesignWriter& out = SelectControlOutput(state);
    ListContext c{state, control, out, state.controlVbName,       {}, combo,
                  false, false,   1,   control.Text("RowSource"), {}};
    c.tableOrQuery = IEquals(control.Text("RowSourceType"), "Table/Query");
    c.bound = (combo ? options.comboBoxBound : options.listBoxBound) && c.tableOrQuery;
    // Bound rows come from a hidden data control of the list's own.
    if (c.bound)
        c.dataControl = state.output.Names().Generate(
            std::string(name_key::kListDataControl) + c.name, "dat" + c.name);
    c.type = combo ? options.comboBoxType : options.listBoxType;
    if (c.tableOrQuery) {
        Session& session = state.session;
        if (!session.rowSourceProbe)
            session.rowSourceProbe = std::make_shared<RowSourceProbe>(*session.sourceDb);
        c.fields = session.rowSourceProbe->Fields(c.rowSource);
    }
    return c;
}

}  // namespace

namespace {

// The control's binding to its row source's data control lives in the .frx.
void WriteBindings(ListContext& c) {
    if (c.bound) {
        c.out.WriteLine("Bindings = \"" + c.state.shared.fileName +
                        ".frx\":" + WriteFrxEntry(c.state.output, c.dataControl, false));
    }
}

}  // namespace

void AddLibraryReference(ListContext& c) {
    if (!c.state.session.Settings().options.vb5Project)
        return;
    if (c.type == 1)
        AddControlReference(c.state, "{98460712-9149-11CF-BADB-00201802BB87}#1.1#0",
                            "GTLIST32.OCX");
    else if (c.type == 2)
        AddControlReference(c.state, "{BC496AED-9B4E-11CE-A6D5-0000C0BE9395}#2.0#0",
                            "SSDATB32.OCX");
    else
        AddControlReference(c.state, "{8D650141-6025-11D1-BC40-0000C042AEC0}#3.0#0",
                            "SSDW3B32.OCX");
}

std::string Sized(const ListContext& c, std::string_view property) {
    const double scale = c.state.session.Settings().options.vb5Project ? 1.0 : kVb4Scale;
    return VbNumber(c.control.Property(property).AsNumber() * scale);
}

void WriteFixedFont(DesignWriter& out, const std::string& opening, std::string_view name,
                    std::string_view size) {
    out.WriteLine(opening);
    out.WriteLine("Name = \"" + std::string(name) + "\"");
    out.WriteLine("charset = 0");
    out.WriteLine("weight = 400");
    out.WriteLine("Size = " + std::string(size));
    out.WriteLine("underline = 0");
    out.WriteLine("italic = 0");
    out.WriteLine("strikethrough = 0");
    out.WriteLine("EndProperty");
}

void WriteGreenTreeHeader(ListContext& c, std::string_view version) {
    AddLibraryReference(c);
    WriteBindings(c);
    c.out.WriteLine("Height = " + Sized(c, "Height"));
    WriteLeft(c.out, c.state, c.control);
    c.out.WriteLine("TabIndex = " + c.control.Text("TabIndex"));
    WriteTabStopLine(c.out, c.control);
    WriteTop(c.out, c.state, c.control);
    c.out.WriteLine("Width = " + Sized(c, "Width"));
    c.out.WriteLine(std::string(version));
    c.out.WriteLine("HelpContextID = " +
                    std::to_string(c.control.Property("HelpContextID").AsLong()));
    c.out.WriteLine("AllowColumnDragDrop = 0");
    c.out.WriteLine("DefColCaptionBorderStyle = 3");
    // A combo has no MultiSelect: the line is left to the control's default.
    if (const std::string multiSelect = c.control.Text("MultiSelect"); !multiSelect.empty())
        c.out.WriteLine("MultiSelect = " + multiSelect);
    if (!c.control.Property("Enabled").AsBool())
        c.out.WriteLine("Enabled = 0");
    c.out.WriteLine(std::string("ColumnCaptions =") + (ColumnHeadsShown(c.control) ? "-1" : "0"));
}

void WriteGreenTreeFonts(ListContext& c) {
    for (const char* font : {"DefColCaptionFont", "DefFont", "ScrollTipFont", "ExtendTipFont"}) {
        WriteFixedFont(c.out, "BeginProperty " + std::string(font) + " " + std::string(kFontClass),
                       "MS Sans Serif", "8.25");
    }
}

bool ColumnHeadsShown(const AccessControl& control) {
    const PropertyValue heads = control.Property("ColumnHeads");
    return heads.IsEmpty() || heads.AsBool();
}

namespace {

// The Sheridan controls' position lines.
void WriteSizeAndPlace(ListContext& c) {
    c.out.WriteLine("Height = " + Sized(c, "Height"));
    WriteLeft(c.out, c.state, c.control);
    c.out.WriteLine("TabIndex =" + c.control.Text("TabIndex"));
    WriteTabStopLine(c.out, c.control);
    if (!c.control.Property("Enabled").AsBool())
        c.out.WriteLine("Enabled = 0");
    WriteTop(c.out, c.state, c.control);
    c.out.WriteLine("Width = " + Sized(c, "Width"));
}

void WriteExtents(ListContext& c, std::string_view yPrefix = "_ExtentY = ") {
    c.out.WriteLine("_ExtentX = " + VbNumber(c.control.Property("Width").AsNumber() * kVb4Scale));
    c.out.WriteLine(std::string(yPrefix) +
                    VbNumber(c.control.Property("Height").AsNumber() * kVb4Scale));
}

void WriteHeadFont(DesignWriter& out) {
    WriteFixedFont(out, "BeginProperty HeadFont " + std::string(kFontClass), "Arial", "8");
}

// The filling routines find the row source in the Tag; a pass-through query
// carries its SQL along.
void WriteFillingTag(ListContext& c) {
    const QueryDef* query = c.state.session.sourceDb->FindQueryDef(c.rowSource);
    if (query != nullptr && query->type == dao::kQuerySQLPassThrough)
        c.out.WriteLine("Tag=" + VbQuoted("SQLPassthrough  " + c.rowSource + " ~ " + query->sql));
    else
        c.out.WriteLine("Tag=" + VbQuoted("Jet  " + c.rowSource));
}

void WriteColours(ListContext& c) {
    c.out.WriteLine(ColourLine("BackColor= &H", c.control.Property("BackColor")));
    c.out.WriteLine(ColourLine("ForeColor= &H", c.control.Property("ForeColor")));
}

// Bound mode: the row source gets a hidden data control of its own.
void WriteRowSourceDataControl(ListContext& c) {
    if (!c.bound)
        return;
    DataControlLayout layout;
    layout.name = c.dataControl;
    // Below the list, in the list's container.
    layout.left = ControlLeft(c.state, c.control);
    layout.top = ControlTop(c.state, c.control) + c.control.Property("Height").AsLong();
    layout.recordsetType = 2;
    layout.recordSource = c.rowSource;
    layout.visible = false;
    // On a tab page it is one of the page's controls.
    AddContainerMember(c.state.container, c.dataControl);
    WriteDataControl(c.state, c.out, layout);
}

void WriteGreenTreeColumnDefinitions(ListContext& c) {
    for (long i = 0; i < c.Columns(); ++i) {
        const std::string cd = "CDs.CD(" + std::to_string(i) + ")";
        c.out.WriteLine(cd + ".SubItemSource = " + std::to_string(i));
        if (i > 0)
            c.out.WriteLine(cd + ".SubColumn = " + std::to_string(i));
        c.out.WriteLine(cd + ".WordWrap = 0");
        c.out.WriteLine(cd + ".CaptionWordWrap = 0");
        c.out.WriteLine(cd + ".FontDefined = -1");
        if (c.bound) {
            c.out.WriteLine(cd + ".DataField=" + VbQuoted(c.FieldName(i)));
            c.out.WriteLine(cd + ".Caption=" + VbQuoted(c.FieldName(i)));
        } else if (c.tableOrQuery) {
            c.out.WriteLine(cd + ".Caption = " + VbQuoted(c.FieldName(i)));
        } else {
            c.out.WriteLine(cd + ".Caption = \"Col " + std::to_string(i) + "\"");
        }
        WriteFixedFont(c.out, "BeginProperty " + cd + ".Font " + std::string(kFontClass),
                       "MS Sans Serif", "8.25");
        c.out.WriteLine(cd + ".CaptionFontDefined = -1");
        WriteFixedFont(c.out, "BeginProperty " + cd + ".CaptionFont " + std::string(kFontClass),
                       "MS Sans Serif", "8.25");
        const long width = c.ColumnWidth(i);
        c.out.WriteLine(cd + ".Width = " + std::to_string(width));
        if (width == 0)
            c.out.WriteLine(cd + ".Visible = 0");
        c.out.WriteLine(cd + ".KEY = \"\"");
    }
}

void WriteSheridanColumns(ListContext& c) {
    c.out.WriteLine("Columns.count = " + std::to_string(c.Columns()));
    for (long i = 0; i < c.Columns(); ++i) {
        const std::string col = "Columns(" + std::to_string(i) + ")";
        const long width = c.ColumnWidth(i);
        c.out.WriteLine(col + ".Width = " + std::to_string(width));
        if (width == 0)
            c.out.WriteLine(col + ".Visible = 0");
        const std::string caption = c.tableOrQuery ? c.FieldName(i) : "col" + std::to_string(i);
        c.out.WriteLine(col + ".Caption = " + VbQuoted(caption));
        c.out.WriteLine(col + ".Name = " + VbQuoted(caption));
        c.out.WriteLine(col + ".DataField = " +
                        VbQuoted(c.bound ? c.FieldName(i) : "Column " + std::to_string(i)));
        c.out.WriteLine(col + ".DataType = 8");
        c.out.WriteLine(col + ".FieldLen = 4096");
    }
}

// The field of the bound column, as DataFieldList names it.
std::string BoundField(const ListContext& c) {
    return c.FieldName(std::max(0L, c.control.Property("BoundColumn").AsLong() - 1));
}

void WriteStandard(FormState& state, bool list) {
    const AccessControl& control = *state.control;
    DesignWriter& out = SelectControlOutput(state);
    out.WriteLine((list ? "Begin VB.ListBox " : "Begin VB.ComboBox ") + state.controlVbName);
    WritePlacementLines(out, state, control);
    out.WriteLine("HelpContextID = " + control.Text("HelpContextID"));
    WriteTipAndTagLines(out, state, control);
    if (!control.Property("Enabled").AsBool())
        out.WriteLine("Enabled = 0");
    WriteVisibleLine(out, control);
    out.WriteLine(ColourLine("BackColor= &H", control.Property("BackColor")));
    WriteFontBlock(out, control);
    out.WriteLine(ColourLine("ForeColor= &H", control.Property("ForeColor")));
    WriteBinding(state, out, control, ".value ");
    if (!list && control.Property("LimitToList").AsBool())
        out.WriteLine("Style = 2");
    out.WriteLine("End");
}

// The end of a list box's block and its row source's data control.
void WriteListTail(ListContext& c) {
    c.out.WriteLine("TabStop =" + c.control.Text("TabStop"));
    WriteColours(c);
    WriteFillingTag(c);
    WriteToolTipLine(c.out, c.state, c.control);
    WriteVisibleLine(c.out, c.control);
    c.out.WriteLine("End");
    WriteRowSourceDataControl(c);
}

}  // namespace

void WriteStandardListBox(FormState& state) {
    WriteStandard(state, true);
}

void WriteStandardComboBox(FormState& state) {
    WriteStandard(state, false);
}

void WriteGTList(FormState& state) {
    ListContext c = MakeContext(state, false);
    c.out.WriteLine("Begin DataList.GTList " + c.name);
    WriteGreenTreeHeader(c, "_Version =   65536");
    WriteGreenTreeFonts(c);
    c.out.WriteLine("CDs.Count = " + std::to_string(c.Columns()));
    WriteGreenTreeColumnDefinitions(c);
    c.out.WriteLine("LImgs.Count = 1");
    c.out.WriteLine("GridLineType = 2");
    WriteExtents(c);
    c.out.WriteLine("_StockProps = 81");
    c.out.WriteLine("BackColor = -2147483643");
    WriteListTail(c);
}

void WriteGTCombo(FormState& state) {
    ListContext c = MakeContext(state, true);
    c.out.WriteLine("Begin DataList.GTCombo " + c.name);
    WriteGreenTreeHeader(c, "_Version = 65536");
    // The combo keeps its ControlSource in either mode, as the Sheridan combo does:
    // the mode is about how its rows are filled.
    WriteBinding(state, c.out, c.control, ".value ");
    WriteGreenTreeFonts(c);
    c.out.WriteLine("CDs.Count = " + std::to_string(c.Columns()));
    if (c.bound)
        c.out.WriteLine("DataFieldList=" + VbQuoted(BoundField(c)));
    // The combo shows the first column the user can see.
    long display = 0;
    while (display < c.Columns() - 1 && c.ColumnWidth(display) == 0)
        ++display;
    c.out.WriteLine("DataFieldDisplay=" + VbQuoted(c.FieldName(display)));
    WriteGreenTreeColumnDefinitions(c);
    c.out.WriteLine(c.control.Property("LimitToList").AsBool() ? "ComboStyle = 2"
                                                               : "ComboStyle = 0");
    WriteExtents(c);
    c.out.WriteLine("End");
    WriteRowSourceDataControl(c);
}

void WriteSSGrid(FormState& state) {
    ListContext c = MakeContext(state, false);
    AddLibraryReference(c);
    c.out.WriteLine("Begin SSDataWidgets_B.SSDBGrid " + c.name);
    WriteBindings(c);
    WriteSizeAndPlace(c);
    c.out.WriteLine("HelpContextID = " +
                    std::to_string(c.control.Property("HelpContextID").AsLong()));
    c.out.WriteLine("_Version = 131072");
    c.out.WriteLine(std::string("DataMode=") + (c.bound ? "0" : "2"));
    WriteHeadFont(c.out);
    c.out.WriteLine("RecordSelectors = 0");
    c.out.WriteLine("GroupHeaders = 0");
    if (!ColumnHeadsShown(c.control))
        c.out.WriteLine("ColumnHeaders = 0");
    c.out.WriteLine("FieldSeparator = \"~\"");
    c.out.WriteLine("DividerType = 1");
    c.out.WriteLine("RowSelectionStyle = 1");
    c.out.WriteLine("SelectTypeRow = " +
                    std::to_string(c.control.Property("MultiSelect").AsLong() + 1));
    c.out.WriteLine("AllowUpdate = 0");
    c.out.WriteLine("SelectByCell = -1");
    c.out.WriteLine("MaxSelectedRows = 1");
    c.out.WriteLine("ForeColorEven = 0");
    c.out.WriteLine("BackColorOdd = 16777215");
    c.out.WriteLine("RowHeight = 450");
    WriteSheridanColumns(c);
    WriteExtents(c);
    c.out.WriteLine("_StockProps = 79");
    WriteFontBlock(c.out, c.control);
    WriteListTail(c);
}

void WriteSSCombo(FormState& state) {
    ListContext c = MakeContext(state, true);
    AddLibraryReference(c);
    c.out.WriteLine("Begin SSDataWidgets_B.SSDBCombo " + c.name);
    if (c.bound) {
        WriteBindings(c);
        c.out.WriteLine("DataFieldList =" + VbQuoted(BoundField(c)));
        c.out.WriteLine("DataSourceList =" + VbQuoted(c.dataControl));
    } else {
        c.out.WriteLine("DataFieldList=\"Column 0\"");
    }
    WriteSizeAndPlace(c);
    c.out.WriteLine("HelpContextID = " +
                    std::to_string(c.control.Property("HelpContextID").AsLong()));
    c.out.WriteLine("_Version = 131078");
    c.out.WriteLine(std::string("DataMode=") + (c.bound ? "0" : "2"));
    c.out.WriteLine("Cols=" + std::to_string(c.Columns()));
    c.out.WriteLine("Rows=8");
    c.out.WriteLine(c.control.Property("LimitToList").AsBool() ? "AllowInput=0" : "AllowInput=1");
    const std::string source = c.control.Text("ControlSource");
    if (!source.empty() && source[0] != '=') {
        c.out.WriteLine("DataSource =" + VbQuoted(DataControlName(state)));
        c.out.WriteLine("DataField =" + VbQuoted(source));
    }
    WriteHeadFont(c.out);
    c.out.WriteLine("GroupHeaders = 0");
    c.out.WriteLine("ColumnHeaders = 0");
    c.out.WriteLine("FieldSeparator = \"~\"");
    c.out.WriteLine("DividerType = 1");
    c.out.WriteLine("RowHeight= 400");
    c.out.WriteLine("ForeColorEven = 0");
    c.out.WriteLine("BackColorOdd = 16777215");
    WriteSheridanColumns(c);
    WriteExtents(c, "_ExtentY=");
    c.out.WriteLine("_StockProps     =   93");
    WriteColours(c);
    WriteFontBlock(c.out, c.control);
    c.out.WriteLine("End");
    WriteRowSourceDataControl(c);
}

}  // namespace velorin
