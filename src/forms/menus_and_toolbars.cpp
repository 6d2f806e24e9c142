#include "forms/menus_and_toolbars.h"

#include <array>

#include "code/access_expression.h"
#include "common/names.h"
#include "common/string_helpers.h"
#include "common/vb_format.h"
#include "common/vb_quote.h"
#include "form_context/event_targets.h"

namespace velorin {
namespace {

constexpr int kButton = 1;
constexpr int kPopup = 10;

// "=OpenOrders()" runs OpenOrders, "=OpenIt("Orders")" calls OpenIt with its
// arguments; any other text names a macro, called by the procedure name the
// macro converter gives it (mcrMain.Open: mcrMain_Open).
std::string ActionLine(FormState& state, const std::string& onAction) {
    if (onAction.empty() || onAction[0] != '=')
        return onAction.empty() ? std::string() : MacroCall(state, onAction, false);
    const std::string_view call = TrimBlanks(std::string_view(onAction).substr(1));
    if (call.ends_with("()"))
        return std::string(call.substr(0, call.size() - 2));
    if (call.empty())
        return {};
    // Access's single-quoted strings are Visual Basic's double-quoted ones.
    const std::optional<std::string> vb = VbExpression(call, ExpressionContext{});
    return "Call " + (vb ? *vb : std::string(call));
}

// A menu's name: its caption as an identifier.
std::string MenuIdentifier(std::string_view caption) {
    return MakeVBName(MenuName(caption, 2));
}

class MenuBuilder {
  public:
    // Menu names join the form's control names and give way to them: two
    // menus of the same caption get a suffix.
    MenuBuilder(FormState& state, DesignWriter& menus, std::array<CodeText, 3>& code,
                NameRegistry& names)
        : state_(state), menu_(menus), code_(code), names_(names) {}

    void TopMenu(const CommandBarControl& top) {
        const std::string name = names_.Generate(MenuIdentifier(top.caption));
        menu_.WriteLine("Begin VB.Menu " + name);
        menu_.WriteLine("  Caption = " + VbQuoted(MenuName(top.caption, 1)));
        Items(top.controls, names_.Generate(name + "_1"), 1);
        menu_.WriteLine("End");
    }

  private:
    // The items of one popup: array `array` at `level` (1 for the menu bar's
    // popups), with its click procedure in _Menu.mc<level>.
    void Items(const std::vector<CommandBarControl>& items, const std::string& array, int level) {
        CodeText& code = code_[static_cast<size_t>(level - 1)];
        code.Append("Private Sub " + array + "_Click(Index as Integer)");
        code.Append("Select Case Index");
        int k = 0;
        for (const CommandBarControl& item : items) {
            const std::string text = MenuName(item.caption, 1);
            const std::string caption = VbQuoted(text);
            const std::string index = std::to_string(k++);
            menu_.WriteLine("Begin VB.Menu " + array);
            if (level == 3) {
                // The deepest level: every item a leaf.
                menu_.WriteLine("Caption = " + caption);
                menu_.WriteLine("Enabled = " + VbBool(item.enabled));
                menu_.WriteLine("visible = " + VbBool(item.visible));
                menu_.WriteLine("Index = " + index);
            } else {
                menu_.WriteLine("Caption = " + caption);
                menu_.WriteLine("Index = " + index);
                menu_.WriteLine("Enabled = " + VbBool(item.enabled));
                menu_.WriteLine("visible = " + VbBool(item.visible));
            }
            if (item.type == kPopup && level < 3) {
                Items(
                    item.controls,
                    names_.Generate(MenuIdentifier(item.caption) + "_" + std::to_string(level + 1)),
                    level + 1);
            } else {
                code.Append("Case " + index + "\t'" + ReplaceAll(text, "\r\n", " "));
                code.Append(ActionLine(state_, item.onAction));
            }
            menu_.WriteLine("End");
        }
        code.Append("End Select");
        code.Append("End Sub");
    }

    FormState& state_;
    DesignWriter& menu_;
    std::array<CodeText, 3>& code_;
    NameRegistry& names_;
};

}  // namespace

std::string MenuName(std::string_view text, int mode) {
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (c == '&') {
            // "&&" is an ampersand the caption shows, in Access as in Visual Basic.
            if (mode == 1 && i + 1 < text.size() && text[i + 1] == '&') {
                out += "&&";
                ++i;
            }
            continue;
        }
        if (mode == 2) {
            if (c == '.')
                continue;
            if (c == '-' || c == ' ' || c == '/' || c == '%')
                c = '_';
        }
        out.push_back(c);
    }
    return out;
}

void BuildToolbar(FormState& state, const std::string& toolbarName) {
    const CommandBar* bar = state.session.sourceDb->FindCommandBar(toolbarName);
    if (bar != nullptr && bar->builtIn)
        return;
    DesignWriter& block = state.shared.formFile;
    CodeText& code = state.output.Code().toolbar;
    if (bar == nullptr) {
        state.session.ui.Warn("form " + state.Form().Name() + ": toolbar " + toolbarName +
                              " not found");
        return;
    }
    const std::string name =
        state.output.Names().Generate(name_key::kToolbar, MakeVBName(toolbarName));
    code.Append("Private Sub " + name + "_ButtonClick(ByVal Button As Button)");
    code.Append("Select Case Button.Key");
    int buttons = 0;
    for (const CommandBarControl& c : bar->controls)
        buttons += c.type == kButton;
    block.WriteLine("Begin ComctlLib.Toolbar " + name);
    for (const char* line :
         {"Align = 1", "Height = 420", "Left = 0", "TabIndex = 0", "Top = 0", "Width = 6690",
          "_ExtentX = 11800", "_ExtentY = 741", "Appearance = 1"})
        block.WriteLine(line);
    block.WriteLine("BeginProperty Buttons {0713E452-850A-101B-AFC0-4210102A8DA7}");
    block.WriteLine("NumButtons = " + std::to_string(buttons));
    int k = 0;
    for (const CommandBarControl& c : bar->controls) {
        // Separators, drop-downs and other Office controls have no toolbar button.
        if (c.type != kButton)
            continue;
        block.WriteLine("BeginProperty button" + std::to_string(++k) +
                        " {0713F354-850A-101B-AFC0-4210102A8DA7}");
        block.WriteLine("Caption = " + VbQuoted(c.caption));
        block.WriteLine("Key = " + VbQuoted(c.caption));
        block.WriteLine("ToolTipText = " + VbQuoted(c.tooltipText));
        block.WriteLine("Object.Tag = \"\"");
        block.WriteLine("EndProperty");
        code.Append("Case " + VbQuoted(c.caption, QuoteFor::Code));
        code.Append(ActionLine(state, c.onAction));
    }
    block.WriteLine("EndProperty");
    block.WriteLine("End");
    code.Append("End Select");
    code.Append("End Sub");
}

bool BuildMenus(FormState& state, const std::string& menuBarName) {
    const CommandBar* bar = state.session.sourceDb->FindCommandBar(menuBarName);
    if (bar == nullptr) {
        state.session.ui.Warn("form " + state.Form().Name() + ": menu bar " + menuBarName +
                              " not found");
        return false;
    }
    if (bar->builtIn)
        return false;
    MenuBuilder builder(state, state.shared.formFile, state.output.Code().menus,
                        state.output.Names());
    for (const CommandBarControl& top : bar->controls) {
        if (top.type == kPopup)
            builder.TopMenu(top);
    }
    return true;
}

}  // namespace velorin
