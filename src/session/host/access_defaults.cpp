#include "session/host/access_defaults.h"

#include <cassert>
#include <string>
#include <string_view>
#include <vector>

#include "common/ansi_text.h"

namespace velorin {

namespace {

constexpr DefaultKind B = DefaultKind::Boolean;
constexpr DefaultKind N = DefaultKind::Number;
constexpr DefaultKind T = DefaultKind::Text;

constexpr int kLabel = 100;
constexpr int kRectangle = 101;
constexpr int kLine = 102;
constexpr int kImage = 103;
constexpr int kCommandButton = 104;
constexpr int kOptionButton = 105;
constexpr int kCheckBox = 106;
constexpr int kOptionGroup = 107;
constexpr int kBoundObjectFrame = 108;
constexpr int kTextBox = 109;
constexpr int kListBox = 110;
constexpr int kComboBox = 111;
constexpr int kSubform = 112;
constexpr int kUnboundObjectFrame = 114;
constexpr int kCustomControl = 119;
constexpr int kToggleButton = 122;
constexpr int kTabControl = 123;
constexpr int kPage = 124;

// What Access 97 shows for a new form or control when no default style was
// changed. A property a type lacks has no entry, so it reads as empty; that is
// why counts such as TabIndex are listed per type rather than for every control.
constexpr BuiltInDefault kTable[] = {
    // Form
    {kFormObject, "Caption", T, ""},
    {kFormObject, "DefaultView", N, "0"},
    {kFormObject, "ViewsAllowed", N, "0"},
    {kFormObject, "RecordSource", T, ""},
    {kFormObject, "RecordsetType", N, "0"},
    {kFormObject, "RecordLocks", N, "0"},
    {kFormObject, "Filter", T, ""},
    {kFormObject, "OrderBy", T, ""},
    {kFormObject, "FilterOn", B, "False"},
    {kFormObject, "OrderByOn", B, "False"},
    {kFormObject, "AllowFilters", B, "True"},
    {kFormObject, "AllowEdits", B, "True"},
    {kFormObject, "AllowDeletions", B, "True"},
    {kFormObject, "AllowAdditions", B, "True"},
    {kFormObject, "DataEntry", B, "False"},
    {kFormObject, "ScrollBars", N, "3"},
    {kFormObject, "RecordSelectors", B, "True"},
    {kFormObject, "NavigationButtons", B, "True"},
    {kFormObject, "DividingLines", B, "True"},
    {kFormObject, "AutoResize", B, "True"},
    {kFormObject, "AutoCenter", B, "False"},
    {kFormObject, "PopUp", B, "False"},
    {kFormObject, "Modal", B, "False"},
    {kFormObject, "BorderStyle", N, "2"},
    {kFormObject, "ControlBox", B, "True"},
    {kFormObject, "MinButton", B, "True"},
    {kFormObject, "MaxButton", B, "True"},
    {kFormObject, "CloseButton", B, "True"},
    {kFormObject, "WhatsThisButton", B, "False"},
    {kFormObject, "Width", N, "0"},
    {kFormObject, "Picture", T, "(none)"},
    {kFormObject, "PictureType", N, "0"},
    {kFormObject, "PictureSizeMode", N, "0"},
    {kFormObject, "PictureAlignment", N, "2"},
    {kFormObject, "PictureTiling", B, "False"},
    {kFormObject, "Cycle", N, "0"},
    {kFormObject, "MenuBar", T, ""},
    {kFormObject, "Toolbar", T, ""},
    {kFormObject, "ShortcutMenu", B, "True"},
    {kFormObject, "ShortcutMenuBar", T, ""},
    {kFormObject, "LayoutForPrint", B, "False"},
    {kFormObject, "FastLaserPrinting", B, "True"},
    {kFormObject, "HelpFile", T, ""},
    {kFormObject, "HelpContextId", N, "0"},
    {kFormObject, "Tag", T, ""},
    {kFormObject, "HasModule", B, "False"},
    {kFormObject, "AllowDesignChanges", B, "True"},
    {kFormObject, "KeyPreview", B, "False"},
    {kFormObject, "TimerInterval", N, "0"},
    {kFormObject, "OnCurrent", T, ""},
    {kFormObject, "BeforeInsert", T, ""},
    {kFormObject, "AfterInsert", T, ""},
    {kFormObject, "BeforeUpdate", T, ""},
    {kFormObject, "AfterUpdate", T, ""},
    {kFormObject, "OnDelete", T, ""},
    {kFormObject, "BeforeDelConfirm", T, ""},
    {kFormObject, "AfterDelConfirm", T, ""},
    {kFormObject, "OnOpen", T, ""},
    {kFormObject, "OnLoad", T, ""},
    {kFormObject, "OnResize", T, ""},
    {kFormObject, "OnUnload", T, ""},
    {kFormObject, "OnClose", T, ""},
    {kFormObject, "OnActivate", T, ""},
    {kFormObject, "OnDeactivate", T, ""},
    {kFormObject, "OnGotFocus", T, ""},
    {kFormObject, "OnLostFocus", T, ""},
    {kFormObject, "OnClick", T, ""},
    {kFormObject, "OnDblClick", T, ""},
    {kFormObject, "OnMouseDown", T, ""},
    {kFormObject, "OnMouseMove", T, ""},
    {kFormObject, "OnMouseUp", T, ""},
    {kFormObject, "OnKeyDown", T, ""},
    {kFormObject, "OnKeyUp", T, ""},
    {kFormObject, "OnKeyPress", T, ""},
    {kFormObject, "OnError", T, ""},
    {kFormObject, "OnFilter", T, ""},
    {kFormObject, "OnApplyFilter", T, ""},
    {kFormObject, "OnTimer", T, ""},

    // Sections: header, footer, detail, page header and footer alike. A new
    // section is an inch high; the export leaves out a height of 1440.
    {kSectionObject, "Height", N, "1440"},
    {kSectionObject, "BackColor", N, "12632256"},
    {kSectionObject, "SpecialEffect", N, "0"},
    {kSectionObject, "Visible", B, "True"},
    {kSectionObject, "DisplayWhen", N, "0"},
    {kSectionObject, "CanGrow", B, "False"},
    {kSectionObject, "CanShrink", B, "False"},
    {kSectionObject, "Tag", T, ""},
    {kSectionObject, "OnClick", T, ""},
    {kSectionObject, "OnDblClick", T, ""},
    {kSectionObject, "OnMouseDown", T, ""},
    {kSectionObject, "OnMouseMove", T, ""},
    {kSectionObject, "OnMouseUp", T, ""},

    // Every control; an event a control lacks reads as empty either way
    {kAnyControl, "Left", N, "0"},
    {kAnyControl, "Top", N, "0"},
    // A type with a size of its own below has it from Access: an export
    // leaves out a size that is the default, and the layout caches of a later
    // export show the sizes where it does so.
    {kAnyControl, "Width", N, "0"},
    {kAnyControl, "Height", N, "0"},
    {kAnyControl, "Visible", B, "True"},
    {kAnyControl, "DisplayWhen", N, "0"},
    {kAnyControl, "ControlTipText", T, ""},
    {kAnyControl, "Tag", T, ""},
    {kAnyControl, "BeforeUpdate", T, ""},
    {kAnyControl, "AfterUpdate", T, ""},
    {kAnyControl, "OnUpdated", T, ""},
    {kAnyControl, "OnChange", T, ""},
    {kAnyControl, "OnNotInList", T, ""},
    {kAnyControl, "OnEnter", T, ""},
    {kAnyControl, "OnExit", T, ""},
    {kAnyControl, "OnGotFocus", T, ""},
    {kAnyControl, "OnLostFocus", T, ""},
    {kAnyControl, "OnClick", T, ""},
    {kAnyControl, "OnDblClick", T, ""},
    {kAnyControl, "OnMouseDown", T, ""},
    {kAnyControl, "OnMouseMove", T, ""},
    {kAnyControl, "OnMouseUp", T, ""},
    {kAnyControl, "OnKeyDown", T, ""},
    {kAnyControl, "OnKeyPress", T, ""},
    {kAnyControl, "OnKeyUp", T, ""},

    // Label
    {kLabel, "Caption", T, ""},
    {kLabel, "HyperlinkAddress", T, ""},
    {kLabel, "HyperlinkSubAddress", T, ""},
    {kLabel, "BackStyle", N, "0"},
    {kLabel, "BackColor", N, "16777215"},
    {kLabel, "SpecialEffect", N, "0"},
    {kLabel, "BorderStyle", N, "0"},
    {kLabel, "BorderColor", N, "0"},
    {kLabel, "BorderWidth", N, "0"},
    {kLabel, "ForeColor", N, "0"},
    {kLabel, "FontName", T, "MS Sans Serif"},
    {kLabel, "FontSize", N, "8"},
    {kLabel, "FontWeight", N, "400"},
    {kLabel, "FontItalic", B, "False"},
    {kLabel, "FontUnderline", B, "False"},
    {kLabel, "TextAlign", N, "0"},
    {kLabel, "HelpContextId", N, "0"},

    // Rectangle
    {kRectangle, "BackStyle", N, "0"},
    {kRectangle, "BackColor", N, "16777215"},
    {kRectangle, "SpecialEffect", N, "3"},
    {kRectangle, "BorderStyle", N, "1"},
    {kRectangle, "BorderColor", N, "0"},
    {kRectangle, "BorderWidth", N, "0"},

    // Line
    {kLine, "LineSlant", B, "False"},
    {kLine, "SpecialEffect", N, "3"},
    {kLine, "BorderStyle", N, "1"},
    {kLine, "BorderColor", N, "0"},
    {kLine, "BorderWidth", N, "0"},

    // Image
    {kImage, "Picture", T, "(none)"},
    {kImage, "PictureType", N, "0"},
    {kImage, "SizeMode", N, "0"},
    {kImage, "PictureAlignment", N, "2"},
    {kImage, "PictureTiling", B, "False"},
    {kImage, "HyperlinkAddress", T, ""},
    {kImage, "HyperlinkSubAddress", T, ""},
    {kImage, "BackStyle", N, "0"},
    {kImage, "BackColor", N, "16777215"},
    {kImage, "SpecialEffect", N, "0"},
    {kImage, "BorderStyle", N, "0"},
    {kImage, "BorderColor", N, "0"},
    {kImage, "BorderWidth", N, "0"},
    {kImage, "HelpContextId", N, "0"},

    // Command button: no back colour or border of its own in Access 97
    {kCommandButton, "Width", N, "1440"},
    {kCommandButton, "Height", N, "360"},
    {kCommandButton, "Caption", T, ""},
    {kCommandButton, "Picture", T, "(none)"},
    {kCommandButton, "PictureType", N, "0"},
    {kCommandButton, "Transparent", B, "False"},
    {kCommandButton, "HyperlinkAddress", T, ""},
    {kCommandButton, "HyperlinkSubAddress", T, ""},
    {kCommandButton, "Default", B, "False"},
    {kCommandButton, "Cancel", B, "False"},
    {kCommandButton, "AutoRepeat", B, "False"},
    {kCommandButton, "StatusBarText", T, ""},
    {kCommandButton, "Enabled", B, "True"},
    {kCommandButton, "TabStop", B, "True"},
    {kCommandButton, "TabIndex", N, "0"},
    {kCommandButton, "ForeColor", N, "0"},
    {kCommandButton, "FontName", T, "MS Sans Serif"},
    {kCommandButton, "FontSize", N, "8"},
    {kCommandButton, "FontWeight", N, "400"},
    {kCommandButton, "FontItalic", B, "False"},
    {kCommandButton, "FontUnderline", B, "False"},
    {kCommandButton, "HelpContextId", N, "0"},

    // Option button
    {kOptionButton, "Width", N, "260"},
    {kOptionButton, "Height", N, "240"},
    {kOptionButton, "OptionValue", N, "1"},
    {kOptionButton, "ControlSource", T, ""},
    {kOptionButton, "DefaultValue", T, ""},
    {kOptionButton, "ValidationRule", T, ""},
    {kOptionButton, "ValidationText", T, ""},
    {kOptionButton, "TripleState", B, "False"},
    {kOptionButton, "StatusBarText", T, ""},
    {kOptionButton, "Enabled", B, "True"},
    {kOptionButton, "Locked", B, "False"},
    {kOptionButton, "TabStop", B, "True"},
    {kOptionButton, "TabIndex", N, "0"},
    {kOptionButton, "SpecialEffect", N, "2"},
    {kOptionButton, "BorderStyle", N, "1"},
    {kOptionButton, "BorderColor", N, "0"},
    {kOptionButton, "BorderWidth", N, "0"},
    {kOptionButton, "HelpContextId", N, "0"},
    {kOptionButton, "AddColon", B, "True"},
    {kOptionButton, "AutoLabel", B, "True"},

    // Check box
    {kCheckBox, "Width", N, "260"},
    {kCheckBox, "Height", N, "240"},
    {kCheckBox, "OptionValue", N, "1"},
    {kCheckBox, "ControlSource", T, ""},
    {kCheckBox, "DefaultValue", T, ""},
    {kCheckBox, "ValidationRule", T, ""},
    {kCheckBox, "ValidationText", T, ""},
    {kCheckBox, "TripleState", B, "False"},
    {kCheckBox, "StatusBarText", T, ""},
    {kCheckBox, "Enabled", B, "True"},
    {kCheckBox, "Locked", B, "False"},
    {kCheckBox, "TabStop", B, "True"},
    {kCheckBox, "TabIndex", N, "0"},
    {kCheckBox, "SpecialEffect", N, "2"},
    {kCheckBox, "BorderStyle", N, "1"},
    {kCheckBox, "BorderColor", N, "0"},
    {kCheckBox, "BorderWidth", N, "0"},
    {kCheckBox, "HelpContextId", N, "0"},
    {kCheckBox, "AddColon", B, "True"},
    {kCheckBox, "AutoLabel", B, "True"},

    // Option group: the one control transparent by default
    {kOptionGroup, "ControlSource", T, ""},
    {kOptionGroup, "DefaultValue", T, ""},
    {kOptionGroup, "ValidationRule", T, ""},
    {kOptionGroup, "ValidationText", T, ""},
    {kOptionGroup, "StatusBarText", T, ""},
    {kOptionGroup, "Enabled", B, "True"},
    {kOptionGroup, "Locked", B, "False"},
    {kOptionGroup, "TabStop", B, "True"},
    {kOptionGroup, "TabIndex", N, "0"},
    {kOptionGroup, "BackStyle", N, "0"},
    {kOptionGroup, "BackColor", N, "16777215"},
    {kOptionGroup, "SpecialEffect", N, "3"},
    {kOptionGroup, "BorderStyle", N, "1"},
    {kOptionGroup, "BorderColor", N, "0"},
    {kOptionGroup, "BorderWidth", N, "0"},
    {kOptionGroup, "HelpContextId", N, "0"},
    {kOptionGroup, "AddColon", B, "True"},
    {kOptionGroup, "AutoLabel", B, "True"},

    // Bound object frame
    {kBoundObjectFrame, "ControlSource", T, ""},
    {kBoundObjectFrame, "Class", T, ""},
    {kBoundObjectFrame, "OLEClass", T, ""},
    {kBoundObjectFrame, "SizeMode", N, "0"},
    {kBoundObjectFrame, "StatusBarText", T, ""},
    {kBoundObjectFrame, "Enabled", B, "True"},
    {kBoundObjectFrame, "Locked", B, "False"},
    {kBoundObjectFrame, "TabStop", B, "True"},
    {kBoundObjectFrame, "TabIndex", N, "0"},
    {kBoundObjectFrame, "BackStyle", N, "0"},
    {kBoundObjectFrame, "BackColor", N, "16777215"},
    {kBoundObjectFrame, "SpecialEffect", N, "2"},
    {kBoundObjectFrame, "BorderStyle", N, "0"},
    {kBoundObjectFrame, "BorderColor", N, "0"},
    {kBoundObjectFrame, "BorderWidth", N, "0"},
    {kBoundObjectFrame, "HelpContextId", N, "0"},
    {kBoundObjectFrame, "AddColon", B, "True"},
    {kBoundObjectFrame, "AutoLabel", B, "True"},

    // Text box
    {kTextBox, "Width", N, "1440"},
    {kTextBox, "Height", N, "240"},
    {kTextBox, "ControlSource", T, ""},
    {kTextBox, "Format", T, ""},
    {kTextBox, "DecimalPlaces", N, "255"},
    {kTextBox, "InputMask", T, ""},
    {kTextBox, "DefaultValue", T, ""},
    {kTextBox, "ValidationRule", T, ""},
    {kTextBox, "ValidationText", T, ""},
    {kTextBox, "StatusBarText", T, ""},
    {kTextBox, "EnterKeyBehavior", B, "False"},
    {kTextBox, "AllowAutoCorrect", B, "True"},
    {kTextBox, "AutoTab", B, "False"},
    {kTextBox, "IsHyperlink", B, "False"},
    {kTextBox, "Enabled", B, "True"},
    {kTextBox, "Locked", B, "False"},
    {kTextBox, "TabStop", B, "True"},
    {kTextBox, "TabIndex", N, "0"},
    {kTextBox, "ScrollBars", N, "0"},
    {kTextBox, "CanGrow", B, "False"},
    {kTextBox, "CanShrink", B, "False"},
    {kTextBox, "BackStyle", N, "1"},
    {kTextBox, "BackColor", N, "16777215"},
    {kTextBox, "SpecialEffect", N, "2"},
    {kTextBox, "BorderStyle", N, "1"},
    {kTextBox, "BorderColor", N, "0"},
    {kTextBox, "BorderWidth", N, "0"},
    {kTextBox, "ForeColor", N, "0"},
    {kTextBox, "FontName", T, "MS Sans Serif"},
    {kTextBox, "FontSize", N, "8"},
    {kTextBox, "FontWeight", N, "400"},
    {kTextBox, "FontItalic", B, "False"},
    {kTextBox, "FontUnderline", B, "False"},
    {kTextBox, "TextAlign", N, "0"},
    {kTextBox, "HelpContextId", N, "0"},
    {kTextBox, "AddColon", B, "True"},
    {kTextBox, "AutoLabel", B, "True"},

    // List box
    {kListBox, "ControlSource", T, ""},
    {kListBox, "RowSourceType", T, "Table/Query"},
    {kListBox, "RowSource", T, ""},
    {kListBox, "ColumnCount", N, "1"},
    {kListBox, "ColumnHeads", B, "False"},
    {kListBox, "ColumnWidths", T, ""},
    {kListBox, "BoundColumn", N, "1"},
    {kListBox, "DefaultValue", T, ""},
    {kListBox, "ValidationRule", T, ""},
    {kListBox, "ValidationText", T, ""},
    {kListBox, "StatusBarText", T, ""},
    {kListBox, "MultiSelect", N, "0"},
    {kListBox, "Enabled", B, "True"},
    {kListBox, "Locked", B, "False"},
    {kListBox, "TabStop", B, "True"},
    {kListBox, "TabIndex", N, "0"},
    {kListBox, "BackColor", N, "16777215"},
    {kListBox, "SpecialEffect", N, "2"},
    {kListBox, "BorderStyle", N, "1"},
    {kListBox, "BorderColor", N, "0"},
    {kListBox, "BorderWidth", N, "0"},
    {kListBox, "ForeColor", N, "0"},
    {kListBox, "FontName", T, "MS Sans Serif"},
    {kListBox, "FontSize", N, "8"},
    {kListBox, "FontWeight", N, "400"},
    {kListBox, "FontItalic", B, "False"},
    {kListBox, "FontUnderline", B, "False"},
    {kListBox, "HelpContextId", N, "0"},
    {kListBox, "AddColon", B, "True"},
    {kListBox, "AutoLabel", B, "True"},

    // Combo box
    {kComboBox, "Width", N, "1440"},
    {kComboBox, "Height", N, "240"},
    {kComboBox, "ControlSource", T, ""},
    {kComboBox, "Format", T, ""},
    {kComboBox, "DecimalPlaces", N, "255"},
    {kComboBox, "InputMask", T, ""},
    {kComboBox, "RowSourceType", T, "Table/Query"},
    {kComboBox, "RowSource", T, ""},
    {kComboBox, "ColumnCount", N, "1"},
    {kComboBox, "ColumnHeads", B, "False"},
    {kComboBox, "ColumnWidths", T, ""},
    {kComboBox, "BoundColumn", N, "1"},
    {kComboBox, "ListRows", N, "8"},
    {kComboBox, "ListWidth", N, "0"},
    {kComboBox, "LimitToList", B, "False"},
    {kComboBox, "AutoExpand", B, "True"},
    {kComboBox, "DefaultValue", T, ""},
    {kComboBox, "ValidationRule", T, ""},
    {kComboBox, "ValidationText", T, ""},
    {kComboBox, "StatusBarText", T, ""},
    {kComboBox, "AllowAutoCorrect", B, "True"},
    {kComboBox, "IsHyperlink", B, "False"},
    {kComboBox, "Enabled", B, "True"},
    {kComboBox, "Locked", B, "False"},
    {kComboBox, "TabStop", B, "True"},
    {kComboBox, "TabIndex", N, "0"},
    {kComboBox, "BackStyle", N, "1"},
    {kComboBox, "BackColor", N, "16777215"},
    {kComboBox, "SpecialEffect", N, "2"},
    {kComboBox, "BorderStyle", N, "1"},
    {kComboBox, "BorderColor", N, "0"},
    {kComboBox, "BorderWidth", N, "0"},
    {kComboBox, "ForeColor", N, "0"},
    {kComboBox, "FontName", T, "MS Sans Serif"},
    {kComboBox, "FontSize", N, "8"},
    {kComboBox, "FontWeight", N, "400"},
    {kComboBox, "FontItalic", B, "False"},
    {kComboBox, "FontUnderline", B, "False"},
    {kComboBox, "TextAlign", N, "0"},
    {kComboBox, "HelpContextId", N, "0"},
    {kComboBox, "AddColon", B, "True"},
    {kComboBox, "AutoLabel", B, "True"},

    // Subform: no colours, fonts or help context in Access 97
    {kSubform, "SourceObject", T, ""},
    {kSubform, "LinkChildFields", T, ""},
    {kSubform, "LinkMasterFields", T, ""},
    {kSubform, "StatusBarText", T, ""},
    {kSubform, "Enabled", B, "True"},
    {kSubform, "Locked", B, "False"},
    {kSubform, "TabStop", B, "True"},
    {kSubform, "TabIndex", N, "0"},
    {kSubform, "CanGrow", B, "False"},
    {kSubform, "CanShrink", B, "False"},
    {kSubform, "SpecialEffect", N, "2"},
    {kSubform, "BorderStyle", N, "1"},
    {kSubform, "BorderColor", N, "0"},
    {kSubform, "BorderWidth", N, "0"},
    {kSubform, "AddColon", B, "True"},
    {kSubform, "AutoLabel", B, "True"},

    // Unbound object frame: disabled and locked so the object is not activated
    {kUnboundObjectFrame, "Class", T, ""},
    {kUnboundObjectFrame, "OLEClass", T, ""},
    {kUnboundObjectFrame, "SourceDoc", T, ""},
    {kUnboundObjectFrame, "SourceItem", T, ""},
    {kUnboundObjectFrame, "SizeMode", N, "0"},
    {kUnboundObjectFrame, "StatusBarText", T, ""},
    {kUnboundObjectFrame, "Enabled", B, "False"},
    {kUnboundObjectFrame, "Locked", B, "True"},
    {kUnboundObjectFrame, "TabStop", B, "True"},
    {kUnboundObjectFrame, "TabIndex", N, "0"},
    {kUnboundObjectFrame, "BackStyle", N, "1"},
    {kUnboundObjectFrame, "BackColor", N, "16777215"},
    {kUnboundObjectFrame, "SpecialEffect", N, "2"},
    {kUnboundObjectFrame, "BorderStyle", N, "1"},
    {kUnboundObjectFrame, "BorderColor", N, "0"},
    {kUnboundObjectFrame, "BorderWidth", N, "0"},
    {kUnboundObjectFrame, "HelpContextId", N, "0"},
    {kUnboundObjectFrame, "AddColon", B, "True"},
    {kUnboundObjectFrame, "AutoLabel", B, "True"},

    // Custom (ActiveX) control
    {kCustomControl, "Class", T, ""},
    {kCustomControl, "OLEClass", T, ""},
    {kCustomControl, "ControlSource", T, ""},
    {kCustomControl, "Enabled", B, "True"},
    {kCustomControl, "Locked", B, "False"},
    {kCustomControl, "TabStop", B, "True"},
    {kCustomControl, "TabIndex", N, "0"},
    {kCustomControl, "HelpContextId", N, "0"},

    // Toggle button
    {kToggleButton, "Caption", T, ""},
    {kToggleButton, "Picture", T, "(none)"},
    {kToggleButton, "PictureType", N, "0"},
    {kToggleButton, "OptionValue", N, "1"},
    {kToggleButton, "ControlSource", T, ""},
    {kToggleButton, "DefaultValue", T, ""},
    {kToggleButton, "ValidationRule", T, ""},
    {kToggleButton, "ValidationText", T, ""},
    {kToggleButton, "TripleState", B, "False"},
    {kToggleButton, "StatusBarText", T, ""},
    {kToggleButton, "Enabled", B, "True"},
    {kToggleButton, "Locked", B, "False"},
    {kToggleButton, "TabStop", B, "True"},
    {kToggleButton, "TabIndex", N, "0"},
    {kToggleButton, "ForeColor", N, "0"},
    {kToggleButton, "FontName", T, "MS Sans Serif"},
    {kToggleButton, "FontSize", N, "8"},
    {kToggleButton, "FontWeight", N, "400"},
    {kToggleButton, "FontItalic", B, "False"},
    {kToggleButton, "FontUnderline", B, "False"},
    {kToggleButton, "HelpContextId", N, "0"},

    // Tab control; Value is the index of the page showing
    {kTabControl, "Value", N, "0"},
    {kTabControl, "MultiRow", B, "False"},
    {kTabControl, "Style", N, "0"},
    {kTabControl, "TabFixedHeight", N, "0"},
    {kTabControl, "TabFixedWidth", N, "0"},
    {kTabControl, "BackStyle", N, "0"},
    {kTabControl, "StatusBarText", T, ""},
    {kTabControl, "Enabled", B, "True"},
    {kTabControl, "TabStop", B, "True"},
    {kTabControl, "TabIndex", N, "0"},
    {kTabControl, "FontName", T, "MS Sans Serif"},
    {kTabControl, "FontSize", N, "8"},
    {kTabControl, "FontWeight", N, "400"},
    {kTabControl, "FontItalic", B, "False"},
    {kTabControl, "FontUnderline", B, "False"},
    {kTabControl, "HelpContextId", N, "0"},

    // Tab page
    {kPage, "Caption", T, ""},
    {kPage, "Picture", T, "(none)"},
    {kPage, "StatusBarText", T, ""},
    {kPage, "Enabled", B, "True"},
    {kPage, "HelpContextId", N, "0"},
};

// The control types (Access numbers them from 100) whose index entries
// include those of every control.
constexpr int kFirstControlType = 100;
constexpr int kControlTypes = 64;

// The table stays grouped for reading; every property read looks here, so
// lookups go through an index built once: open addressing over a power of
// two, the hash reading only the length and a few letters of the name (the
// rare names that share them are told apart by the compare).
class DefaultIndex {
  public:
    DefaultIndex() : slots_(kSlots) {}

    bool Add(int objectType, const BuiltInDefault& entry) {
        for (size_t at = Hash(objectType, entry.name);; at = (at + 1) & (kSlots - 1)) {
            Slot& slot = slots_[at];
            if (slot.entry == nullptr) {
                slot = {&entry, objectType};
                // Probes end at an empty slot: the table must never fill.
                ++used_;
                assert(used_ < kSlots / 2);
                return true;
            }
            if (slot.objectType == objectType && IEquals(slot.entry->name, entry.name))
                return false;
        }
    }

    const BuiltInDefault* Find(int objectType, std::string_view name) const {
        for (size_t at = Hash(objectType, name);; at = (at + 1) & (kSlots - 1)) {
            const Slot& slot = slots_[at];
            if (slot.entry == nullptr)
                return nullptr;
            if (slot.objectType == objectType && IEquals(slot.entry->name, name))
                return slot.entry;
        }
    }

  private:
    // About two thousand entries with every control type's own copies: the
    // table stays about a quarter full, so a probe soon meets an empty slot.
    static constexpr size_t kSlots = 8192;

    struct Slot {
        const BuiltInDefault* entry = nullptr;
        int objectType = 0;
    };

    static size_t Hash(int objectType, std::string_view n) {
        size_t hash = static_cast<size_t>(objectType + 64) * 1099511628211ull ^ n.size();
        if (!n.empty()) {
            for (size_t at : {size_t{0}, n.size() / 2, n.size() - 1, n.size() > 4 ? 4 : size_t{0}})
                hash = (hash ^ static_cast<unsigned char>(AnsiLower(n[at]))) * 1099511628211ull;
        }
        return (hash ^ (hash >> 29)) & (kSlots - 1);
    }

    std::vector<Slot> slots_;
    size_t used_ = 0;
};

const DefaultIndex& Index() {
    static const DefaultIndex index = [] {
        DefaultIndex built;
        for (const BuiltInDefault& entry : kTable) {
            [[maybe_unused]] const bool added = built.Add(entry.objectType, entry);
            assert(added);
        }
        // Each control type also finds what every control has, unless it
        // has its own entry: one lookup answers a control's property.
        for (int type = kFirstControlType; type < kFirstControlType + kControlTypes; ++type) {
            for (const BuiltInDefault& entry : kTable) {
                if (entry.objectType == kAnyControl)
                    built.Add(type, entry);
            }
        }
        return built;
    }();
    return index;
}

const BuiltInDefault* FindExact(int objectType, std::string_view name) {
    return Index().Find(objectType, name);
}

}  // namespace

const BuiltInDefault* FindBuiltInDefault(int objectType, std::string_view name) {
    if (objectType >= kFirstControlType && objectType < kFirstControlType + kControlTypes)
        return FindExact(objectType, name);
    if (const BuiltInDefault* own = FindExact(objectType, name))
        return own;
    if (objectType >= 100)
        return FindExact(kAnyControl, name);
    return nullptr;
}

namespace {

PropertyValue ValueOf(const BuiltInDefault& entry) {
    switch (entry.kind) {
        case DefaultKind::Boolean:
            return PropertyValue::Boolean(entry.value == "True");
        case DefaultKind::Number:
            return PropertyValue::Number(VbVal(entry.value));
        case DefaultKind::Text:
            return PropertyValue::Text(std::string(entry.value));
    }
    return {};
}

}  // namespace

const PropertyValue& DefaultValue(const BuiltInDefault& entry) {
    // Read once: a control's defaults are asked for again and again.
    static const std::vector<PropertyValue> values = [] {
        std::vector<PropertyValue> read;
        read.reserve(std::size(kTable));
        for (const BuiltInDefault& e : kTable)
            read.push_back(ValueOf(e));
        return read;
    }();
    return values[static_cast<size_t>(&entry - std::begin(kTable))];
}

}  // namespace velorin
