#include "session/host/known_properties.h"

#include <algorithm>
#include <set>
#include <unordered_map>

#include "common/ansi_text.h"
#include "session/host/access_form.h"

namespace velorin {
namespace {

using K = PropertyKnowledge;

// The properties SaveAsText writes for Access 97's forms, reports, sections
// and controls; what Visual Basic has an equivalent of is read by the
// writers, through AccessForm's resolution with Access's defaults.
constexpr std::string_view kAccess97[] = {
    // The object text and the form's bookkeeping
    "Version", "VersionRequired", "Name", "Left", "Top", "Right", "Bottom", "Width", "Height",
    "GridX", "GridY", "ItemSuffix", "PrtMip", "PrtDevMode", "PrtDevNames", "RecSrcDt",
    "LayoutForPrint", "FastLaserPrinting", "PaletteSource", "PaintPalette", "ObjectPalette",
    "OverlapFlags", "TabularCharSet", "TabularFamily", "LogicalPageWidth", "HasModule",
    // Form
    "RecordSource", "Filter", "OrderBy", "FilterOn", "OrderByOn", "Caption", "DefaultView",
    "ViewsAllowed", "AllowEditing", "AllowUpdating", "AllowFilters", "AllowEdits", "AllowDeletions",
    "AllowAdditions", "DataEntry", "RecordsetType", "RecordLocks", "ScrollBars", "RecordSelectors",
    "NavigationButtons", "DividingLines", "AutoResize", "AutoCenter", "PopUp", "Modal",
    "BorderStyle", "ControlBox", "MinButton", "MaxButton", "MinMaxButtons", "CloseButton",
    "WhatsThisButton", "Picture", "PictureData", "PictureType", "PictureSizeMode",
    "PictureAlignment", "PictureTiling", "PicturePages", "Cycle", "MenuBar", "Toolbar",
    "ShortcutMenu", "ShortcutMenuBar", "HelpFile", "HelpContextId", "Tag", "AllowDesignChanges",
    "KeyPreview", "TimerInterval", "RowHeight", "DatasheetFontName", "DatasheetFontHeight",
    "DatasheetFontWeight", "DatasheetFontItalic", "DatasheetFontUnderline",
    "DatasheetGridlinesBehavior", "DatasheetGridlinesColor", "DatasheetCellsEffect",
    "DatasheetForeColor", "DatasheetBackColor", "ShowGrid", "FrozenColumns",
    // Report
    "DateGrouping", "GrpKeepTogether", "PageHeader", "PageFooter", "GroupHeader", "GroupFooter",
    "GroupOn", "GroupInterval", "SortOrder", "BreakLevel", "ControlSource", "KeepTogether",
    "ForceNewPage", "NewRowOrCol", "RepeatSection", "HideDuplicates", "RunningSum",
    // Sections
    "SpecialEffect", "Visible", "DisplayWhen", "CanGrow", "CanShrink", "BackColor",
    // Controls
    "Format", "DecimalPlaces", "InputMask", "DefaultValue", "ValidationRule", "ValidationText",
    "StatusBarText", "EnterKeyBehavior", "AllowAutoCorrect", "AutoTab", "Enabled", "Locked",
    "TabStop", "TabIndex", "BackStyle", "OldBorderStyle", "BorderColor", "BorderWidth", "ForeColor",
    "FontName", "FontSize", "FontWeight", "FontItalic", "FontUnderline", "TextAlign",
    "ControlTipText", "RowSourceType", "RowSource", "ColumnCount", "ColumnHeads", "ColumnWidths",
    "BoundColumn", "ListRows", "ListWidth", "LimitToList", "AutoExpand", "MultiSelect",
    "OptionValue", "TripleState", "SizeMode", "Transparent", "Default", "Cancel", "AutoRepeat",
    "HyperlinkAddress", "HyperlinkSubAddress", "IsHyperlink", "Class", "OLEClass", "OleData",
    "OLETypeAllowed", "SourceDoc", "SourceItem", "SourceObject", "LinkChildFields",
    "LinkMasterFields", "UpdateOptions", "Verb", "AutoActivate", "DisplayType", "Action",
    "LineSlant", "Value", "MultiRow", "Style", "TabFixedHeight", "TabFixedWidth", "PageIndex",
    "AddColon", "AutoLabel", "LabelX", "LabelY", "LabelAlign", "ColumnHidden", "ColumnOrder",
    "ColumnWidth", "Custom", "LpOleData",
    // Events
    "OnCurrent", "BeforeInsert", "AfterInsert", "BeforeUpdate", "AfterUpdate", "OnDelete",
    "BeforeDelConfirm", "AfterDelConfirm", "OnOpen", "OnLoad", "OnResize", "OnUnload", "OnClose",
    "OnActivate", "OnDeactivate", "OnGotFocus", "OnLostFocus", "OnClick", "OnDblClick",
    "OnMouseDown", "OnMouseMove", "OnMouseUp", "OnKeyDown", "OnKeyUp", "OnKeyPress", "OnError",
    "OnFilter", "OnApplyFilter", "OnTimer", "OnNoData", "OnPage", "OnFormat", "OnPrint",
    "OnRetreat", "OnChange", "OnNotInList", "OnEnter", "OnExit", "OnUpdated"};

// Later properties whose meaning Velorin carries over (AccessForm resolves
// them): a colour or font given by the theme alone, and the geometry the
// layout cache holds where the export leaves Left, Top, Width or Height out.
constexpr std::string_view kCarried[] = {"ThemeFontIndex", "LayoutCachedLeft", "LayoutCachedTop",
                                         "LayoutCachedWidth", "LayoutCachedHeight"};

// Later properties the converted form cannot honour and that the form may
// rely on: the form writers record each in the analysis, per control (a
// picture the button keeps in itself, conditional formatting, rich text, an
// event Access 97 does not have).
constexpr std::string_view kRecorded[] = {"ImageData", "ConditionalFormat", "ConditionalFormat12",
                                          "ConditionalFormat14", "TextFormat"};

// Events that came after Access 97: Visual Basic raises nothing that would
// call their procedures.
constexpr std::string_view kLaterEvents[] = {
    // clang-format off
    "OnDirty", "OnUndo", "OnMouseWheel", "OnPaint", "OnConnect", "OnDisconnect", "BeforeQuery",
    "OnQuery", "OnDataChange", "OnDataSetChange", "OnPivotTableChange", "OnSelectionChange",
    "OnViewChange", "OnCommandBeforeExecute", "OnCommandChecked", "OnCommandEnabled",
    "OnCommandExecute", "BeforeScreenTip", "BeforeRender", "AfterRender", "AfterFinalRender",
    "AfterLayout"
    // clang-format on
};

// Later properties that change nothing a converted form shows or does.
constexpr std::string_view kIgnored[] = {
    // Bookkeeping: checksums, identifiers, name maps, Unicode printer
    // settings, the layout engine's own records, the line style that
    // OldBorderStyle already holds, the event procedure prefix Velorin
    // derives from the name as Access does, access keys the caption's & gives.
    "Checksum", "GUID", "NameMap", "PrtDevModeW", "PrtDevNamesW", "PublishOption",
    "NoSaveCTIWhenDisabled", "Overlaps", "LayoutID", "Layout", "LayoutGroup", "GroupTable",
    "RowStart", "RowEnd", "ColumnStart", "ColumnEnd", "HorizontalAnchor", "VerticalAnchor",
    "BorderLineStyle", "EventProcPrefix", "AccessKey", "UnicodeAccessKey", "TextFontCharSet",
    "TextFontFamily", "ColumnInfo", "RowSourceTypeInt", "FetchDefaults", "DatasheetCaption",
    "DatasheetGridlinesColor12", "DatasheetForeColor12", "DatasheetBackColor12",
    "DatasheetAlternateBackColor", "DatasheetFontCharSet",
    // Views and places Visual Basic forms do not have: layout, PivotTable and
    // PivotChart views, split forms, SharePoint, the Access window.
    "AllowDatasheetView", "AllowFormView", "AllowLayoutView", "AllowPivotTableView",
    "AllowPivotChartView", "SplitFormDatasheet", "SplitFormOrientation", "SplitFormPrinting",
    "SplitFormSize", "SplitFormSplitterBar", "SaveSplitterBarPosition", "DisplayOnSharePointSite",
    "FitToScreen", "ShowPageMargins", "UseDefaultPrinter", "Orientation", "NavigationCaption",
    "RibbonName", "FilterOnLoad", "OrderByOnLoad", "SubdatasheetExpanded", "SubdatasheetHeight",
    "SubdatasheetName", "Moveable", "AutoHeight", "ShowPageHeaderAndPageFooter",
    "FilterOnEmptyMaster",
    // Input and text services of Windows that Visual Basic's controls leave to Windows.
    "IMEMode", "IMESentenceMode", "IMEHold", "FELineBreak", "AsianLineBreak", "ReadingOrder",
    "ScrollBarAlign", "NumeralShapes", "KeyboardLanguage", "Vertical", "SmartTags",
    "ShowDatePicker",
    // Value lists edited in Access's own dialog.
    "AllowValueListEdits", "ListItemsEditForm", "InheritValueList", "ShowOnlyRowSourceValues",
    "SeparatorCharacters", "AllowMultipleValues",
    // Styling Visual Basic 4 and 5 controls have no property for: button
    // shapes, gradients, bevels, shadows, glow and soft edges, quick styles,
    // hover and pressed colours, the hand cursor, padding and margins, the
    // gridlines of control layouts, hyperlink display.
    "UseTheme", "Shape", "Gradient", "Bevel", "BevelType", "Shadow", "Glow", "SoftEdges",
    "QuickStyle", "QuickStyleMask", "CursorOnHover", "PictureCaptionArrangement",
    "WebImagePaddingLeft", "WebImagePaddingTop", "WebImagePaddingRight", "WebImagePaddingBottom",
    "LeftPadding", "TopPadding", "RightPadding", "BottomPadding", "LeftMargin", "TopMargin",
    "RightMargin", "BottomMargin", "GridlineStyleLeft", "GridlineStyleTop", "GridlineStyleRight",
    "GridlineStyleBottom", "GridlineWidthLeft", "GridlineWidthTop", "GridlineWidthRight",
    "GridlineWidthBottom", "DisplayAsHyperlink", "HyperlinkTarget", "NavigationTargetName",
    "NavigationWhereClause", "Span"};

// Colour families of later versions: each has NameColor, NameThemeColorIndex,
// NameTint and NameShade. The theme of the back, fore and border colours is
// carried over; the others colour what Visual Basic's controls do not have
// (layout gridlines, alternate rows, hover and pressed buttons, datasheets).
constexpr std::string_view kCarriedColours[] = {"Back", "Fore", "Border"};
constexpr std::string_view kIgnoredColours[] = {
    "Gridline",           "AlternateBack",         "Hover",         "Pressed",
    "HoverFore",          "PressedFore",           "DatasheetBack", "DatasheetFore",
    "DatasheetGridlines", "DatasheetAlternateBack"};

// Events of every version keep an embedded macro beside them as NameEmMacro;
// the event property itself says "[Embedded Macro]", which the event writers
// name as a macro the application lacks.
constexpr std::string_view kEmbeddedMacroSuffix = "EmMacro";

std::string Key(std::string_view name) {
    std::string key(name);
    for (char& c : key)
        c = AnsiLower(c);
    return key;
}

const std::unordered_map<std::string, PropertyKnowledge>& Catalogue() {
    static const std::unordered_map<std::string, PropertyKnowledge> catalogue = [] {
        std::unordered_map<std::string, PropertyKnowledge> map;
        auto add = [&map](std::string_view name, PropertyKnowledge knowledge) {
            map.emplace(Key(name), knowledge);
        };
        for (std::string_view name : kAccess97)
            add(name, K::Access97);
        for (std::string_view name : kCarried)
            add(name, K::Carried);
        for (std::string_view name : kRecorded)
            add(name, K::Recorded);
        for (std::string_view name : kLaterEvents)
            add(name, K::Recorded);
        for (std::string_view name : kIgnored)
            add(name, K::Ignored);
        for (std::string_view family : kCarriedColours) {
            for (std::string_view part : {"ThemeColorIndex", "Tint", "Shade"})
                add(std::string(family) + std::string(part), K::Carried);
        }
        for (std::string_view family : kIgnoredColours) {
            for (std::string_view part : {"Color", "ThemeColorIndex", "Tint", "Shade"})
                add(std::string(family) + std::string(part), K::Ignored);
        }
        return map;
    }();
    return catalogue;
}

constexpr std::string_view kOtherHeads[] = {
    "",           "Form",        "Report",       "Section",      "Detail",
    "FormHeader", "FormFooter",  "ReportHeader", "ReportFooter", "PageHeader",
    "PageFooter", "BreakHeader", "BreakFooter"};

struct LaterBoolean {
    std::string_view name;
    bool byDefault;
};

// Later Boolean properties with the default Access gives them.
constexpr LaterBoolean kLaterBooleans[] = {{"FELineBreak", false},
                                           {"SubdatasheetExpanded", false},
                                           {"ShowOnlyRowSourceValues", false},
                                           {"FilterOnEmptyMaster", true},
                                           {"Moveable", true},
                                           {"AllowDatasheetView", true},
                                           {"AllowFormView", true},
                                           {"AllowLayoutView", true},
                                           {"AllowPivotTableView", true},
                                           {"AllowPivotChartView", true},
                                           {"FilterOnLoad", false},
                                           {"OrderByOnLoad", true},
                                           {"SplitFormSplitterBar", true},
                                           {"SaveSplitterBarPosition", true},
                                           {"UseTheme", false},
                                           {"NoSaveCTIWhenDisabled", false}};

}  // namespace

PropertyKnowledge KnowProperty(std::string_view name) {
    const auto& catalogue = Catalogue();
    if (auto it = catalogue.find(Key(name)); it != catalogue.end())
        return it->second;
    if (name.size() > kEmbeddedMacroSuffix.size() && IEndsWith(name, kEmbeddedMacroSuffix)) {
        const auto event =
            catalogue.find(Key(name.substr(0, name.size() - kEmbeddedMacroSuffix.size())));
        if (event != catalogue.end())
            return K::Ignored;
    }
    return K::Unknown;
}

bool IsKnownBlockHead(std::string_view head) {
    if (ControlTypeFromHead(head) >= 0)
        return true;
    for (std::string_view known : kOtherHeads) {
        if (IEquals(known, head))
            return true;
    }
    return false;
}

std::span<const std::string_view> LaterEvents() {
    return kLaterEvents;
}

std::optional<bool> LaterBooleanDefault(std::string_view name) {
    for (const LaterBoolean& entry : kLaterBooleans) {
        if (IEquals(entry.name, name))
            return entry.byDefault;
    }
    return std::nullopt;
}

std::vector<UnknownName> UnknownNames(const ObjectText& text) {
    std::vector<UnknownName> unknown;
    std::set<std::string> seen;
    auto note = [&](std::string_view name, int line, bool block) {
        if (seen.insert((block ? "begin " : "") + Key(name)).second)
            unknown.push_back({std::string(name), line, block});
    };
    auto properties = [&](const PropertyList& list) {
        for (const TextProperty& property : list.Items()) {
            if (KnowProperty(property.name) == K::Unknown)
                note(property.name, property.line, false);
        }
    };
    // Blocks come parents first, in text order; the header comes before them.
    properties(text.header);
    for (const TextBlock& block : text.blocks) {
        if (!IsKnownBlockHead(block.head))
            note(block.head, block.line, true);
        properties(block.properties);
    }
    std::stable_sort(unknown.begin(), unknown.end(),
                     [](const UnknownName& a, const UnknownName& b) { return a.line < b.line; });
    return unknown;
}

}  // namespace velorin
