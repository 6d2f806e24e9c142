#include "project/vb_language.h"

#include <array>
#include <initializer_list>
#include <unordered_set>

#include "common/ansi_text.h"

#include <algorithm>
#include <string>
#include <vector>

namespace velorin {
namespace {

// Words compared without regard to case: kept in lower case, looked up by a
// lower-case copy (names longer than any word here are not in it).
class WordSet {
  public:
    WordSet(std::initializer_list<std::string_view> words) {
        for (std::string_view word : words) {
            lower_.push_back(AnsiLowerCase(word));
            longest_ = std::max(longest_, word.size());
        }
        for (const std::string& word : lower_)
            words_.insert(word);
    }
    size_t count(std::string_view word) const {
        if (word.size() > longest_)
            return 0;
        std::array<char, 64> buffer{};
        for (size_t i = 0; i < word.size(); ++i)
            buffer[i] = AnsiLower(word[i]);
        return words_.count(std::string_view(buffer.data(), word.size()));
    }

  private:
    std::vector<std::string> lower_;
    std::unordered_set<std::string_view> words_;
    size_t longest_ = 0;
};

const WordSet& ReservedWords() {
    static const WordSet words{
        "AddressOf",  "And",    "Any",        "As",       "Attribute", "Begin",   "ByRef",
        "ByVal",      "Call",   "Case",       "Close",    "Const",     "Declare", "DefBool",
        "DefByte",    "DefCur", "DefDate",    "DefDbl",   "DefDec",    "DefInt",  "DefLng",
        "DefObj",     "DefSng", "DefStr",     "DefVar",   "Dim",       "Do",      "Each",
        "Else",       "ElseIf", "End",        "EndIf",    "Enum",      "Eqv",     "Erase",
        "Error",      "Event",  "Exit",       "False",    "For",       "Friend",  "Function",
        "Get",        "Global", "GoSub",      "GoTo",     "If",        "Imp",     "Implements",
        "In",         "Input",  "Is",         "LSet",     "Let",       "Like",    "Line",
        "Lock",       "Loop",   "Me",         "Mod",      "New",       "Next",    "Not",
        "Nothing",    "On",     "Open",       "Option",   "Optional",  "Or",      "ParamArray",
        "Preserve",   "Print",  "Private",    "Property", "Public",    "Put",     "RSet",
        "RaiseEvent", "ReDim",  "Rem",        "Resume",   "Return",    "Seek",    "Select",
        "Set",        "Static", "Step",       "Stop",     "Sub",       "Then",    "To",
        "True",       "Type",   "TypeOf",     "Unlock",   "Until",     "Wend",    "While",
        "Width",      "With",   "WithEvents", "Write",    "Xor",       "Name",    "Mid",
        "Mid$",       "MidB",   "MidB$",      "Date",     "Time",      "Debug",   "Empty",
        "Null",
    };
    return words;
}

const WordSet& OperatorWords() {
    static const WordSet words{"And", "Or", "Xor", "Eqv", "Imp", "Mod", "Not", "Like", "Is"};
    return words;
}

const WordSet& BuiltInProcedures() {
    static const WordSet names{
        // Visual Basic statements and procedures
        "AppActivate",
        "Beep",
        "ChDir",
        "ChDrive",
        "DeleteSetting",
        "DoEvents",
        "FileCopy",
        "InputBox",
        "InputBox$",
        "Kill",
        "Load",
        "MkDir",
        "MsgBox",
        "Randomize",
        "Reset",
        "RmDir",
        "SavePicture",
        "SaveSetting",
        "SendKeys",
        "SetAttr",
        "Shell",
        "Unload",
        "Err",
        "Array",
        "CallByName",
        "IMEStatus",
        // the Access and DAO libraries the project references
        "SysCmd",
        "RunCommand",
        "Echo",
        "Quit",
        "DoCmd",
        "SetOption",
        "RefreshDatabaseWindow",
        "DBEngine",
        "Workspaces",
        "CurrentDb",
        "Nz",
        "Eval",
        "DLookup",
        "DCount",
        "DSum",
        "DAvg",
        "DMax",
        "DMin",
        "DFirst",
        "DLast",
        "DStDev",
        "DVar",
        "HyperlinkPart",
        "BuildCriteria",
        "Application",
        "Screen",
        "App",
        "Clipboard",
        "Printer",
        "Forms",
        "Reports",
    };
    return names;
}

const WordSet& FormMethods() {
    static const WordSet names{
        "Show",         "Hide",      "Refresh",          "Cls",     "PrintForm", "Move",
        "SetFocus",     "ZOrder",    "PopupMenu",        "Circle",  "PSet",      "Scale",
        "PaintPicture", "Arrange",   "ValidateControls", "OLEDrag", "Drag",      "WhatsThisMode",
        "Point",        "TextWidth", "TextHeight",       "ScaleX",  "ScaleY",
    };
    return names;
}

struct EventShape {
    std::string_view event;
    int parameters;
};

// Events every visible Visual Basic control raises with these parameters.
constexpr EventShape kControlEvents[] = {
    {"Click", 0},   {"DblClick", 0}, {"GotFocus", 0}, {"LostFocus", 0}, {"Change", 0},
    {"KeyDown", 2}, {"KeyUp", 2},    {"KeyPress", 1}, {"MouseDown", 4}, {"MouseMove", 4},
    {"MouseUp", 4}, {"DragDrop", 3}, {"DragOver", 4},
};

constexpr EventShape kFormEvents[] = {
    {"Load", 0},      {"Activate", 0},  {"Deactivate", 0},  {"Resize", 0},    {"Click", 0},
    {"DblClick", 0},  {"Paint", 0},     {"Initialize", 0},  {"Terminate", 0}, {"GotFocus", 0},
    {"LostFocus", 0}, {"Unload", 1},    {"QueryUnload", 2}, {"KeyDown", 2},   {"KeyUp", 2},
    {"KeyPress", 1},  {"MouseDown", 4}, {"MouseMove", 4},   {"MouseUp", 4},   {"DragDrop", 3},
    {"DragOver", 4},
};

struct ClassEvent {
    std::string_view className;
    std::string_view event;
    int parameters;
};

// Events of one class, or that one class raises differently.
constexpr ClassEvent kClassEvents[] = {
    {"VB.Timer", "Timer", 0},
    {"VB.Data", "Reposition", 0},
    {"VB.Data", "Validate", 2},
    {"VB.Data", "Error", 2},
    {"VB.HScrollBar", "Scroll", 0},
    {"VB.VScrollBar", "Scroll", 0},
    {"VB.ComboBox", "DropDown", 0},
    {"VB.ComboBox", "Scroll", 0},
    {"VB.ListBox", "ItemCheck", 1},
    {"VB.ListBox", "Scroll", 0},
    {"VB.PictureBox", "Resize", 0},
    {"VB.PictureBox", "Paint", 0},
    {"VB.Data", "Resize", 0},
    {"VB.DirListBox", "Scroll", 0},
    {"VB.FileListBox", "PathChange", 0},
    {"VB.FileListBox", "PatternChange", 0},
};

}  // namespace

bool IsReservedWord(std::string_view word) {
    return ReservedWords().count(word) > 0;
}

bool IsOperatorWord(std::string_view word) {
    return OperatorWords().count(word) > 0;
}

bool IsBuiltInProcedure(std::string_view name) {
    return BuiltInProcedures().count(name) > 0;
}

bool IsFormMethod(std::string_view name) {
    return FormMethods().count(name) > 0;
}

bool IsControlEvent(std::string_view className, std::string_view event) {
    if (EventParameterCount(className, event) >= 0)
        return true;
    if (IStartsWith(className, "VB."))
        return false;
    for (const EventShape& shape : kControlEvents) {
        if (IEquals(shape.event, event))
            return true;
    }
    return false;
}

int EventParameterCount(std::string_view className, std::string_view event) {
    if (IEquals(className, "Form") || IEquals(className, "MDIForm")) {
        for (const EventShape& shape : kFormEvents) {
            if (IEquals(shape.event, event))
                return shape.parameters;
        }
        return -1;
    }
    if (!IStartsWith(className, "VB."))
        return -1;
    for (const ClassEvent& shape : kClassEvents) {
        if (IEquals(shape.className, className) && IEquals(shape.event, event))
            return shape.parameters;
    }
    // Windowless controls and menus raise no keyboard or focus events; the
    // ones they raise have the common shape.
    for (const EventShape& shape : kControlEvents) {
        if (IEquals(shape.event, event))
            return shape.parameters;
    }
    return -1;
}

}  // namespace velorin
