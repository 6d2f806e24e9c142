// The controls of a form, each with its properties and event properties,
// laid out in columns.
#include "synthetic_generator.h"

#include <algorithm>

#include "synthetic_vocabulary.h"

namespace velorin::bench::synthetic {

std::string Generator::UniqueName(FormContext& form, const std::string& base) {
    int& uses = form.nameUses[base];
    return uses++ == 0 ? base : base + Num(uses);
}

// Access names new labels Label1, Label2, ...
std::string Generator::DefaultLabelName(FormContext& form) {
    return UniqueName(form, "Label" + Num(++form.defaultLabels + 200));
}

// Zero to three event properties of the kinds the control offers.
void Generator::Events(ObjectWriter& w, FormContext& form, const std::string& control,
                       std::initializer_list<EventKind> offered, int percent) {
    if (!random_.Chance(percent))
        return;
    const int wanted = static_cast<int>(random_.Weighted({60, 30, 10})) + 1;
    std::vector<EventKind> kinds(offered);
    for (int n = 0; n < wanted && !kinds.empty(); ++n) {
        const size_t at = random_.Index(kinds.size());
        const EventKind kind = kinds[at];
        kinds.erase(kinds.begin() + static_cast<std::ptrdiff_t>(at));
        switch (random_.Weighted({55, 25, 20})) {
            case 0:
                w.Text(kind.property, "[Event Procedure]");
                form.procedures.push_back(
                    {"Private Sub " + control + "_" + kind.procedure,
                     std::string_view(kind.procedure).find("Cancel") != std::string_view::npos});
                break;
            case 1:
                if (random_.Chance(30))
                    w.Text(kind.property, "=ShowStatus(\"" + random_.Pick(kVerbs) + " the " +
                                              random_.Pick(kWords) + "\")");
                else if (random_.Chance(30))
                    w.Text(kind.property,
                           "=" + random_.Pick(allFunctions_) + "([" + control + "])");
                else
                    w.Text(kind.property, "=" + random_.Pick(allFunctions_) + "()");
                break;
            default:
                w.Text(kind.property, random_.Pick(macroRefs_));
                break;
        }
    }
}

// Moves down a row; a full column continues in the next.
void Generator::Advance(Cursor& c, long height) {
    c.maxBottom = std::max(c.maxBottom, c.top + height);
    c.top += height + 60;
    if (c.top + 360 > c.bottomLimit) {
        c.left += c.columnWidth;
        c.top = c.columnTop;
    }
}

void Generator::Position(ObjectWriter& w, long left, long top, long width, long height) {
    w.Number("Left", left);
    w.Number("Top", top);
    w.Number("Width", width);
    if (height > 0)
        w.Number("Height", height);
}

void Generator::AttachedLabel(ObjectWriter& w, FormContext& form, long left, long top,
                              const std::string& caption, bool defaultName) {
    w.Blank();
    w.Begin();
    w.Begin("Label");
    Position(w, left, top, 1320, 0);
    w.Text("Name", defaultName ? DefaultLabelName(form) : UniqueName(form, "lbl" + caption));
    w.Text("Caption", caption + ":");
    if (random_.Chance(8))
        w.Number("ForeColor", 8388608);
    w.End();
    w.End();
    ++form.controls;
}

std::string Generator::Field(const FormContext& form, const std::vector<std::string>& preferred) {
    if (!preferred.empty() && random_.Chance(70))
        return random_.Pick(preferred);
    return form.table->fields[random_.Index(form.table->fields.size())].first;
}

void Generator::TextBox(ObjectWriter& w, FormContext& form, Cursor& c, int& tabIndex, bool label) {
    const std::string field = Field(form, {});
    const std::string name = UniqueName(form, "txt" + field);
    w.Begin("TextBox");
    if (random_.Chance(8)) {
        w.Flag("Locked");
        w.Flag("TabStop");
    }
    if (random_.Chance(4))
        w.Flag("EnterKeyBehavior");
    Position(w, c.left + 1380, c.top, 1440 + 360 * random_.Between(0, 4), 0);
    w.Number("TabIndex", tabIndex++);
    if (random_.Chance(5))
        w.Number("ScrollBars", 2);
    w.Text("Name", name);
    if (!label || random_.Chance(8)) {
        w.Text("ControlSource", "=[" + Field(form, form.table->numbers) + "]*" +
                                    Num(random_.Between(2, 9)) + "/100");
        w.Text("Format", "Currency");
    } else {
        w.Text("ControlSource", field);
        if (random_.Chance(25))
            w.Text("Format", random_.Chance(50) ? "Short Date" : "Standard");
        if (random_.Chance(8))
            w.Text("InputMask", "99/99/0000;0;_");
        if (random_.Chance(15))
            w.Text("DefaultValue", random_.Chance(50) ? "=Date()" : "0");
        if (random_.Chance(10))
            w.Text("ValidationRule", ">=0");
    }
    if (random_.Chance(20))
        w.Text("StatusBarText", "Enter the " + random_.Pick(kWords) + " " + field);
    Events(w, form, name,
           {kEvBeforeUpdate, kEvAfterUpdate, kEvChange, kEvEnter, kEvExit, kEvGotFocus,
            kEvLostFocus, kEvClick, kEvDblClick, kEvKeyPress, kEvMouseDown},
           35);
    if (random_.Chance(10))
        w.Text("ControlTipText", "The " + field + " of this record");
    ++form.controls;
    if (label)
        AttachedLabel(w, form, c.left, c.top, field, random_.Chance(20));
    w.End();
    form.textBoxes.push_back(name);
    Advance(c, 285);
}

void Generator::RowSource(ObjectWriter& w, FormContext& form, int& columns) {
    const size_t kind = random_.Weighted({50, 15, 15, 20});
    const Table& t = tables_[random_.Index(tables_.size())];
    columns = 2;
    if (kind == 0) {
        columns = random_.Chance(60) ? 2 : 3;
        w.Text("RowSourceType", "Table/Query");
        w.Text("RowSource", SelectOf(t, columns == 2));
    } else if (kind == 1) {
        w.Text("RowSourceType", "Table/Query");
        w.Text("RowSource", t.name);
        columns = 2;
    } else if (kind == 2) {
        w.Text("RowSourceType", "Table/Query");
        for (size_t i = 0; i < queries_.size(); ++i) {
            const Query& q = queries_[(i + random_.Index(queries_.size())) % queries_.size()];
            if (!q.action) {
                w.Text("RowSource", q.name);
                break;
            }
        }
    } else {
        columns = 1;
        w.Text("RowSourceType", "Value List");
        if (random_.Chance(50))
            w.Text("RowSource", "\"Open\";\"Closed\";\"Pending\";\"On hold\"");
        else
            w.Text("RowSource", "Small;Medium;Large;Extra large");
    }
    (void)form;
}

void Generator::ComboBox(ObjectWriter& w, FormContext& form, Cursor& c, int& tabIndex) {
    const std::string field = Field(form, form.table->numbers);
    const std::string name = UniqueName(form, "cbo" + field);
    w.Begin("ComboBox");
    const bool limit = random_.Chance(40);
    if (limit)
        w.Flag("LimitToList");
    ObjectWriter props;  // RowSource decides the column count written first
    int columns = 1;
    RowSource(props, form, columns);
    if (columns > 1) {
        w.Number("ColumnCount", columns);
        w.Number("ListWidth", 1440L * columns);
    }
    Position(w, c.left + 1380, c.top, 2160, 0);
    w.Number("TabIndex", tabIndex++);
    w.Text("Name", name);
    if (random_.Chance(80))
        w.Text("ControlSource", field);
    w.out += Reindent(props.out, w.depth);
    if (columns > 1)
        w.Text("ColumnWidths", columns == 2 ? "0;1440" : "0;1440;1440");
    if (columns > 1 && random_.Chance(20))
        w.Number("BoundColumn", 1);
    Events(w, form, name,
           {kEvAfterUpdate, kEvBeforeUpdate, kEvNotInList, kEvGotFocus, kEvLostFocus, kEvClick,
            kEvDblClick, kEvEnter, kEvChange},
           45);
    ++form.controls;
    AttachedLabel(w, form, c.left, c.top, field, random_.Chance(20));
    w.End();
    form.combos.push_back(name);
    Advance(c, 285);
}

// Text written at depth 0 moved to `depth`.
std::string Generator::Reindent(const std::string& text, int depth) {
    std::string out;
    const std::string pad(static_cast<size_t>(depth) * 4, ' ');
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find("\r\n", start);
        out += pad;
        out.append(text, start, end - start + 2);
        start = end + 2;
    }
    return out;
}

void Generator::ListBox(ObjectWriter& w, FormContext& form, Cursor& c, int& tabIndex) {
    const std::string name = UniqueName(form, "lst" + random_.Pick(kNouns));
    w.Begin("ListBox");
    ObjectWriter props;
    int columns = 1;
    RowSource(props, form, columns);
    if (columns > 1)
        w.Number("ColumnCount", columns);
    if (random_.Chance(20))
        w.Flag("ColumnHeads");
    Position(w, c.left + 1380, c.top, 2160, 1200);
    w.Number("TabIndex", tabIndex++);
    if (random_.Chance(20))
        w.Number("MultiSelect", 1);
    w.Text("Name", name);
    if (random_.Chance(30))
        w.Text("ControlSource", Field(form, form.table->numbers));
    w.out += Reindent(props.out, w.depth);
    if (columns > 1)
        w.Text("ColumnWidths", columns == 2 ? "0;1440" : "0;1440;1440");
    Events(w, form, name,
           {kEvAfterUpdate, kEvBeforeUpdate, kEvClick, kEvDblClick, kEvEnter, kEvExit}, 45);
    ++form.controls;
    AttachedLabel(w, form, c.left, c.top, name.substr(3), random_.Chance(20));
    w.End();
    form.lists.push_back(name);
    Advance(c, 1200);
}

void Generator::CheckBox(ObjectWriter& w, FormContext& form, Cursor& c, int& tabIndex) {
    const std::string field = Field(form, form.table->flags);
    const std::string name = UniqueName(form, "chk" + field);
    w.Begin("CheckBox");
    if (random_.Chance(10))
        w.Flag("TripleState");
    Position(w, c.left + 1380, c.top, 260, 240);
    w.Number("TabIndex", tabIndex++);
    w.Text("Name", name);
    if (random_.Chance(70))
        w.Text("ControlSource", field);
    if (random_.Chance(20))
        w.Text("DefaultValue", "0");
    Events(w, form, name, {kEvAfterUpdate, kEvClick, kEvGotFocus, kEvBeforeUpdate}, 35);
    ++form.controls;
    AttachedLabel(w, form, c.left, c.top, field, random_.Chance(20));
    w.End();
    form.checks.push_back(name);
    Advance(c, 240);
}

void Generator::OptionGroup(ObjectWriter& w, FormContext& form, Cursor& c, int& tabIndex) {
    const int buttons = random_.Between(2, 5);
    const long height = 300L * buttons + 300;
    const std::string name = UniqueName(form, "grp" + random_.Pick(kNouns));
    const size_t style = random_.Weighted({50, 30, 20});  // option buttons, checks, toggles
    w.Begin("OptionGroup");
    Position(w, c.left + 120, c.top + 120, 3000, height);
    w.Number("TabIndex", tabIndex++);
    w.Text("Name", name);
    if (random_.Chance(60))
        w.Text("ControlSource", Field(form, form.table->numbers));
    if (random_.Chance(30))
        w.Number("DefaultValue", 1);
    Events(w, form, name, {kEvAfterUpdate, kEvBeforeUpdate, kEvEnter, kEvExit, kEvClick}, 60);
    w.Blank();
    w.Begin();
    w.Begin("Label");
    Position(w, c.left + 240, c.top, 1200, 0);
    w.Text("Name", UniqueName(form, "lbl" + name.substr(3)));
    w.Text("Caption", name.substr(3));
    w.End();
    ++form.controls;
    for (int b = 1; b <= buttons; ++b) {
        const long top = c.top + 300L * b;
        const std::string caption = random_.Pick(kWords);
        if (style == 2) {
            w.Begin("ToggleButton");
            Position(w, c.left + 240, top, 1800, 280);
            w.Number("OptionValue", b);
            w.Text("Name", UniqueName(form, "tgl" + caption));
            w.Text("Caption", caption);
            w.End();
            ++form.controls;
            continue;
        }
        w.Begin(style == 0 ? "OptionButton" : "CheckBox");
        Position(w, c.left + 240, top, 260, 240);
        if (b > 1)
            w.Number("TabIndex", b - 1);
        w.Number("OptionValue", b);
        w.Text("Name", UniqueName(form, (style == 0 ? "opt" : "chk") + caption));
        w.Blank();
        w.Begin();
        w.Begin("Label");
        Position(w, c.left + 560, top - 30, 1800, 0);
        w.Text("Name", UniqueName(form, "lbl" + caption));
        w.Text("Caption", caption);
        w.End();
        w.End();
        w.End();
        form.controls += 2;
    }
    w.End();
    w.End();
    ++form.controls;
    form.groups.push_back(name);
    Advance(c, height + 240);
}

void Generator::CommandButton(ObjectWriter& w, FormContext& form, long left, long top,
                              const std::string& name, const std::string& caption, int tabIndex) {
    w.Begin("CommandButton");
    const size_t picture = random_.Weighted({80, 12, 8});
    if (picture == 1)
        w.Number("PictureType", 1);
    Position(w, left, top, 1320, 360);
    w.Number("TabIndex", tabIndex);
    if (random_.Chance(10))
        w.Number("ForeColor", 255);
    w.Text("Name", name);
    w.Text("Caption", caption);
    if (picture == 1)
        w.Text("Picture", "C:\\App\\Bitmaps\\" + caption.substr(1) + ".bmp");
    else if (picture == 2)
        w.Text("Picture", "(bitmap)");
    Events(w, form, name, {kEvDblClick, kEvGotFocus, kEvMouseDown, kEvEnter}, 10);
    // Nearly every button does something when clicked.
    if (random_.Chance(92)) {
        const size_t kind = random_.Weighted({60, 20, 20});
        if (kind == 0) {
            w.Text("OnClick", "[Event Procedure]");
            form.procedures.push_back({"Private Sub " + name + "_Click()", false});
        } else if (kind == 1) {
            w.Text("OnClick", "=" + random_.Pick(allFunctions_) + "()");
        } else {
            w.Text("OnClick", random_.Pick(macroRefs_));
        }
    }
    if (random_.Chance(30))
        w.Text("ControlTipText", caption.substr(1) + " this " + random_.Pick(kWords));
    if (picture == 2)
        w.Binary("PictureData", kBitmap);
    w.End();
    ++form.controls;
    form.buttons.push_back(name);
}

void Generator::FreeLabel(ObjectWriter& w, FormContext& form, Cursor& c, bool defaultName) {
    const std::string name = defaultName ? DefaultLabelName(form) : UniqueName(form, "lblNote");
    w.Begin("Label");
    Position(w, c.left, c.top, 1200 + 240 * random_.Between(0, 8), 0);
    if (random_.Chance(10))
        w.Number("FontWeight", 700);
    w.Text("Name", name);
    w.Text("Caption", "The " + random_.Pick(kWords) + " " + random_.Pick(kWords));
    Events(w, form, name, {kEvClick, kEvDblClick, kEvMouseDown}, 4);
    w.End();
    ++form.controls;
    Advance(c, 240);
}

void Generator::Shape(ObjectWriter& w, FormContext& form, Cursor& c, bool line) {
    w.Begin(line ? "Line" : "Rectangle");
    if (line && random_.Chance(30))
        w.Number("BorderWidth", 2);
    if (!line)
        w.Number("SpecialEffect", random_.Between(0, 3));
    Position(w, c.left, c.top, 3000, line ? 0 : 600);
    w.Text("Name", UniqueName(form, line ? "lin" : "rct"));
    w.End();
    ++form.controls;
    Advance(c, line ? 60 : 600);
}

void Generator::Image(ObjectWriter& w, FormContext& form, Cursor& c) {
    const std::string name = UniqueName(form, "img" + random_.Pick(kWords));
    w.Begin("Image");
    w.Number("SizeMode", 3);
    Position(w, c.left, c.top, 1080, 1080);
    w.Text("Name", name);
    w.Text("Picture", "C:\\App\\Bitmaps\\logo.bmp");
    Events(w, form, name, {kEvClick, kEvDblClick}, 30);
    w.Binary("PictureData", kBitmap);
    w.End();
    ++form.controls;
    Advance(c, 1080);
}

void Generator::ObjectFrame(ObjectWriter& w, FormContext& form, Cursor& c, int& tabIndex) {
    const bool bound = random_.Chance(50);
    const std::string name = UniqueName(form, bound ? "objPhoto" : "oleSheet");
    w.Begin(bound ? "BoundObjectFrame" : "UnboundObjectFrame");
    Position(w, c.left + 1380, c.top, 2000, 1500);
    w.Number("TabIndex", tabIndex++);
    w.Text("Name", name);
    if (bound) {
        w.Text("ControlSource", Field(form, form.table->texts));
        Events(w, form, name, {kEvUpdated, kEvEnter}, 30);
    } else {
        w.Text("OLEClass", "Microsoft Excel Worksheet");
        w.Text("Class", "Excel.Sheet.8");
    }
    ++form.controls;
    if (bound)
        AttachedLabel(w, form, c.left, c.top, name.substr(3), false);
    w.End();
    Advance(c, 1500);
}

void Generator::CustomControl(ObjectWriter& w, FormContext& form, Cursor& c, int& tabIndex) {
    static const std::vector<std::pair<std::string, std::string>> kClasses = {
        {"TreeView", "COMCTL.TreeCtrl.1"},
        {"Calendar", "MSACAL.MSACALCtrl.7"},
        {"ListView", "COMCTL.ListViewCtrl.1"},
        {"ProgressBar", "COMCTL.ProgCtrl.1"},
        {"Gauge", "Gauge.GaugeCtrl.1"}};
    const auto& [oleClass, cls] = random_.Pick(kClasses);
    w.Begin("CustomControl");
    Position(w, c.left, c.top, 3000, 1500);
    w.Number("TabIndex", tabIndex++);
    w.Text("Name", UniqueName(form, "ctl" + oleClass));
    w.Text("OLEClass", oleClass);
    w.Text("Class", cls);
    w.End();
    ++form.controls;
    Advance(c, 1500);
}

void Generator::ToggleButton(ObjectWriter& w, FormContext& form, Cursor& c, int& tabIndex) {
    const std::string field = Field(form, form.table->flags);
    const std::string name = UniqueName(form, "tgl" + field);
    w.Begin("ToggleButton");
    Position(w, c.left + 1380, c.top, 1200, 360);
    w.Number("TabIndex", tabIndex++);
    w.Text("Name", name);
    w.Text("Caption", field);
    if (random_.Chance(50))
        w.Text("ControlSource", field);
    Events(w, form, name, {kEvClick, kEvAfterUpdate}, 40);
    w.End();
    ++form.controls;
    form.checks.push_back(name);
    Advance(c, 360);
}

void Generator::OptionButton(ObjectWriter& w, FormContext& form, Cursor& c, int& tabIndex) {
    const std::string field = Field(form, form.table->flags);
    const std::string name = UniqueName(form, "opt" + field);
    w.Begin("OptionButton");
    Position(w, c.left + 1380, c.top, 260, 240);
    w.Number("TabIndex", tabIndex++);
    w.Text("Name", name);
    Events(w, form, name, {kEvClick, kEvBeforeUpdate}, 40);
    ++form.controls;
    AttachedLabel(w, form, c.left, c.top, field, false);
    w.End();
    Advance(c, 240);
}

void Generator::SubformControl(ObjectWriter& w, FormContext& form, Cursor& c, int& tabIndex,
                               int subform) {
    const FormPlan& plan = forms_[static_cast<size_t>(subform)];
    const std::string name =
        UniqueName(form, "sfr" + tables_[static_cast<size_t>(plan.table)].name.substr(3));
    w.Begin("Subform");
    Position(w, c.left, c.top + 300, 5400, 2400);
    w.Number("TabIndex", tabIndex++);
    w.Text("Name", name);
    w.Text("SourceObject", random_.Chance(20) ? "Form." + plan.name : plan.name);
    if (random_.Chance(60)) {
        w.Text("LinkChildFields", "ParentID");
        w.Text("LinkMasterFields", "ID");
    }
    Events(w, form, name, {kEvEnter, kEvExit}, 15);
    ++form.controls;
    AttachedLabel(w, form, c.left, c.top, name.substr(3), false);
    w.End();
    form.subformControls.push_back(name);
    c.top += 300;
    Advance(c, 2400);
}

// One field of the detail, of a type chosen with realistic weights.
void Generator::AnyField(ObjectWriter& w, FormContext& form, Cursor& c, int& tabIndex) {
    switch (random_.Weighted({34, 4, 10, 4, 7, 4, 2, 1, 6, 12, 3, 3, 2, 1, 1})) {
        case 0:
            TextBox(w, form, c, tabIndex, true);
            break;
        case 1:
            TextBox(w, form, c, tabIndex, false);
            break;
        case 2:
            ComboBox(w, form, c, tabIndex);
            break;
        case 3:
            ListBox(w, form, c, tabIndex);
            break;
        case 4:
            CheckBox(w, form, c, tabIndex);
            break;
        case 5:
            OptionGroup(w, form, c, tabIndex);
            break;
        case 6:
            ToggleButton(w, form, c, tabIndex);
            break;
        case 7:
            OptionButton(w, form, c, tabIndex);
            break;
        case 8: {
            const std::string verb = random_.Pick(kVerbs);
            CommandButton(w, form, c.left, c.top, UniqueName(form, "cmd" + verb), "&" + verb,
                          tabIndex++);
            Advance(c, 360);
            break;
        }
        case 9:
            FreeLabel(w, form, c, random_.Chance(40));
            break;
        case 10:
            Shape(w, form, c, true);
            break;
        case 11:
            Shape(w, form, c, false);
            break;
        case 12:
            Image(w, form, c);
            break;
        case 13:
            ObjectFrame(w, form, c, tabIndex);
            break;
        default:
            CustomControl(w, form, c, tabIndex);
            break;
    }
}

}  // namespace velorin::bench::synthetic
