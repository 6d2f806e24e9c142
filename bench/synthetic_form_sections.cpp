// A form's header, detail and footer sections, its own properties and
// events, and the form file with its code.
#include "synthetic_generator.h"

#include <algorithm>
#include <cmath>

#include "synthetic_vocabulary.h"

namespace velorin::bench::synthetic {

void Generator::SectionStart(ObjectWriter& w, const char* head, const char* name, long height,
                             long backColor) {
    w.Begin(head);
    w.Number("Height", height);
    w.Number("BackColor", backColor);
    w.Text("Name", name);
}

void Generator::Header(ObjectWriter& w, FormContext& form, const FormPlan& plan) {
    ObjectWriter body;
    body.depth = w.depth + 2;
    body.Begin("Label");
    Position(body, 120, 60, 4320, 420);
    body.Number("FontSize", 14);
    body.Number("FontWeight", 700);
    body.Text("Name", UniqueName(form, "lblTitle"));
    body.Text("Caption", plan.name);
    body.End();
    ++form.controls;
    Cursor c;
    c.top = 540;
    c.bottomLimit = 100000;
    int tabIndex = 0;
    // Every main form shows its record's ID and name: other forms refer to them.
    body.Begin("TextBox");
    body.Flag("Locked");
    Position(body, 6000, 120, 1440, 0);
    body.Number("TabIndex", tabIndex++);
    // Registered, so that a later text box on the ID field gets a name of its own.
    const std::string idName = UniqueName(form, "txtID");
    body.Text("Name", idName);
    body.Text("ControlSource", "ID");
    ++form.controls;
    AttachedLabel(body, form, 4800, 120, "ID", false);
    body.End();
    body.Begin("TextBox");
    Position(body, 1440, 540, 3600, 0);
    body.Number("TabIndex", tabIndex++);
    const std::string nameName = UniqueName(form, "txtName");
    body.Text("Name", nameName);
    body.Text("ControlSource", "Name");
    Events(body, form, nameName, {kEvAfterUpdate, kEvBeforeUpdate, kEvExit}, 50);
    ++form.controls;
    AttachedLabel(body, form, 120, 540, "Name", false);
    body.End();
    form.textBoxes.push_back(idName);
    form.textBoxes.push_back(nameName);
    c.top = 900;
    ComboBox(body, form, c, tabIndex);
    SectionStart(w, "FormHeader", "FormHeader", c.maxBottom + 120, 12632256);
    w.Begin();
    w.out += body.out;
    w.End();
    w.End();
}

void Generator::Footer(ObjectWriter& w, FormContext& form) {
    ObjectWriter body;
    body.depth = w.depth + 2;
    static const char* const kButtons[][2] = {{"cmdFirst", "&First"}, {"cmdPrev", "&Prev"},
                                              {"cmdNext", "&Next"},   {"cmdLast", "&Last"},
                                              {"cmdNew", "Ne&w"},     {"cmdClose", "&Close"}};
    int tabIndex = 0;
    long left = 120;
    for (const auto& button : kButtons) {
        if (random_.Chance(25))
            continue;
        CommandButton(body, form, left, 120, UniqueName(form, button[0]), button[1], tabIndex++);
        left += 1440;
    }
    SectionStart(w, "FormFooter", "FormFooter", 600, -2147483633);
    if (random_.Chance(20))
        w.Text("Tag", "NavigationBar");
    w.Begin();
    w.out += body.out;
    w.End();
    w.End();
}

// Fields until the form holds `target` controls.
void Generator::Fill(ObjectWriter& w, FormContext& form, Cursor& c, int& tabIndex, long target) {
    while (form.controls < target)
        AnyField(w, form, c, tabIndex);
}

void Generator::Detail(ObjectWriter& w, FormContext& form, const FormPlan& plan) {
    ObjectWriter body;
    body.depth = w.depth + 2;
    Cursor c;
    c.bottomLimit = 5400;
    int tabIndex = 0;
    // What the header and footer will not hold.
    const long target = plan.targetControls;
    switch (plan.kind) {
        case FormKind::Tabbed: {
            ++counts_.tabControls;
            const int pages = random_.Between(2, 5);
            const std::string tab = UniqueName(form, "tab" + random_.Pick(kNouns));
            form.controls += 1 + pages;
            std::vector<std::string> contents;
            long tallest = 0;
            const long perPage = (target - form.controls) / pages + 1;
            for (int p = 0; p < pages; ++p) {
                ObjectWriter content;
                content.depth = body.depth + 4;
                Cursor pc;
                pc.top = pc.columnTop = 720;
                pc.left = 360;
                pc.bottomLimit = 6000;
                int pageTab = 0;
                const long pageTarget = form.controls + perPage;
                if (p == pages - 1) {
                    for (int s : plan.subforms)
                        SubformControl(content, form, pc, pageTab, s);
                }
                Fill(content, form, pc, pageTab, pageTarget);
                tallest = std::max(tallest, pc.maxBottom);
                contents.push_back(std::move(content.out));
            }
            const long pageHeight = tallest + 240;
            body.Begin("Tab");
            Position(body, 120, 120, 9600, pageHeight + 600);
            body.Text("Name", tab);
            Events(body, form, tab, {kEvChange, kEvClick}, 60);
            body.Blank();
            body.Begin();
            for (int p = 0; p < pages; ++p) {
                body.Begin("Page");
                Position(body, 195, 495, 9450, pageHeight);
                body.Text("Name", UniqueName(form, "pg" + random_.Pick(kNouns)));
                body.Text("Caption", random_.Pick(kNouns));
                if (p > 0)
                    body.Number("PageIndex", p);
                body.Begin();
                body.out += contents[static_cast<size_t>(p)];
                body.End();
                body.End();
            }
            body.End();
            body.End();
            c.maxBottom = pageHeight + 720;
            break;
        }
        case FormKind::PageBreaks: {
            ++counts_.pageBreakForms;
            const int breaks = random_.Between(1, 3);
            const long pageHeight = 4800;
            c.bottomLimit = pageHeight;
            for (int p = 0; p <= breaks; ++p) {
                if (p > 0) {
                    body.Begin("PageBreak");
                    body.Number("Left", 0);
                    body.Number("Top", pageHeight * p);
                    body.Text("Name", UniqueName(form, "PageBreak"));
                    body.End();
                    ++form.controls;
                }
                c.left = 120;
                c.top = c.columnTop = pageHeight * p + 120;
                c.bottomLimit = pageHeight * (p + 1);
                const long pageTarget = form.controls + (target - form.controls) / (breaks + 1 - p);
                while (form.controls < pageTarget && c.top < c.bottomLimit - 400) {
                    AnyField(body, form, c, tabIndex);
                    if (c.left > 9000)
                        break;
                }
            }
            c.maxBottom = pageHeight * (breaks + 1);
            break;
        }
        case FormKind::Switchboard: {
            Image(body, form, c);
            c.left = 1560;
            c.top = 120;
            for (int i = 0; form.controls < target; ++i) {
                const std::string verb = random_.Pick(kVerbs);
                CommandButton(body, form, c.left, c.top, UniqueName(form, "cmd" + verb),
                              "&" + verb + " " + random_.Pick(kNouns), tabIndex++);
                Advance(c, 420);
                if (i % 4 == 3)
                    FreeLabel(body, form, c, false);
                if (i % 9 == 8)
                    Shape(body, form, c, i % 2 == 0);
            }
            break;
        }
        case FormKind::Huge: {
            // Label-heavy: headings and hints around every field, mostly
            // with the names Access gave them.
            c.bottomLimit = 30000;
            c.columnWidth = 3000;
            while (form.controls < target) {
                if (random_.Chance(62))
                    FreeLabel(body, form, c, random_.Chance(85));
                else
                    TextBox(body, form, c, tabIndex, random_.Chance(30));
            }
            break;
        }
        default: {
            c.bottomLimit = 9000;
            for (int s : plan.subforms)
                SubformControl(body, form, c, tabIndex, s);
            Fill(body, form, c, tabIndex, target);
            break;
        }
    }
    SectionStart(w, "Section", "Detail", c.maxBottom + 240, -2147483633);
    w.Begin();
    w.out += body.out;
    w.End();
    w.End();
}

void Generator::SubformDetail(ObjectWriter& w, FormContext& form, const FormPlan& plan) {
    ObjectWriter body;
    body.depth = w.depth + 2;
    Cursor c;
    c.bottomLimit = 100000;
    int tabIndex = 0;
    const bool datasheet = plan.kind == FormKind::DatasheetSub;
    while (form.controls < plan.targetControls) {
        switch (random_.Weighted({60, 20, 10, 10})) {
            case 0:
                TextBox(body, form, c, tabIndex, datasheet);
                break;
            case 1:
                ComboBox(body, form, c, tabIndex);
                break;
            case 2:
                CheckBox(body, form, c, tabIndex);
                break;
            default:
                if (datasheet)
                    TextBox(body, form, c, tabIndex, true);
                else
                    FreeLabel(body, form, c, false);
                break;
        }
    }
    SectionStart(w, "Section", "Detail", c.maxBottom + 120, -2147483633);
    w.Begin();
    w.out += body.out;
    w.End();
    w.End();
}

void Generator::FormEvent(ObjectWriter& w, FormContext& form, const char* property,
                          const char* procedure) {
    switch (random_.Weighted({60, 20, 20})) {
        case 0:
            w.Text(property, "[Event Procedure]");
            form.procedures.push_back(
                {std::string("Private Sub Form_") + procedure,
                 std::string_view(procedure).find("Cancel") != std::string_view::npos});
            break;
        case 1:
            w.Text(property, "=" + random_.Pick(allFunctions_) + "()");
            break;
        default:
            w.Text(property, random_.Pick(macroRefs_));
            break;
    }
}

void Generator::FormProperties(ObjectWriter& w, FormContext& form, const FormPlan& plan) {
    const bool sub = plan.kind == FormKind::ContinuousSub || plan.kind == FormKind::DatasheetSub;
    if (random_.Chance(30) || sub)
        w.Flag("RecordSelectors");
    if (random_.Chance(30) || sub)
        w.Flag("NavigationButtons");
    if (random_.Chance(40))
        w.Flag("AutoCenter");
    if (random_.Chance(10))
        w.Flag("PopUp");
    if (random_.Chance(10))
        w.Flag("Modal");
    if (random_.Chance(20))
        w.Flag("MaxButton");
    w.Number("DefaultView", plan.kind == FormKind::DatasheetSub    ? 2
                            : plan.kind == FormKind::ContinuousSub ? 1
                                                                   : 0);
    w.Number("ViewsAllowed", sub ? 2 : 1);
    if (random_.Chance(20))
        w.Number("BorderStyle", 1);
    w.Number("GridX", 24);
    w.Number("GridY", 24);
    w.Number("Width", sub ? 6480 : 9840);
    w.Number("ItemSuffix", plan.targetControls + 10);
    w.Number("Left", 600);
    w.Number("Top", 480);
    w.Number("Right", 10680);
    w.Number("Bottom", 8160);
    w.Number("HelpContextId", random_.Between(1, 90) * 100);
    const bool timer = !sub && random_.Chance(10);
    if (timer)
        w.Number("TimerInterval", 1000L * random_.Between(1, 60));
    const bool bound = sub || (plan.kind != FormKind::Switchboard && random_.Chance(85));
    if (bound) {
        w.Binary("RecSrcDt", {"0xd2277dd28d83e140"});
        const Table& table = *form.table;
        const size_t source = random_.Weighted({60, 25, 15});
        if (source == 0 || sub)
            w.Text("RecordSource", table.name);
        else if (source == 1)
            w.Text("RecordSource", "SELECT " + table.name + ".* FROM " + table.name + " ORDER BY " +
                                       table.name + ".Name;");
        else
            w.Text("RecordSource", queries_[random_.Index(queries_.size())].name);
    }
    w.Text("Caption", plan.name);
    if (!sub && !menuBars_.empty() && random_.Chance(20))
        w.Text("MenuBar", random_.Pick(menuBars_));
    if (!sub && !toolbars_.empty() && random_.Chance(15))
        w.Text("Toolbar", random_.Pick(toolbars_));
    struct FormEventKind {
        const char* property;
        const char* procedure;
        int percent;
    };
    static const FormEventKind kFormEvents[] = {
        {"OnCurrent", "Current()", 50},
        {"BeforeUpdate", "BeforeUpdate(Cancel As Integer)", 30},
        {"AfterUpdate", "AfterUpdate()", 15},
        {"BeforeInsert", "BeforeInsert(Cancel As Integer)", 10},
        {"OnDelete", "Delete(Cancel As Integer)", 8},
        {"OnOpen", "Open(Cancel As Integer)", 60},
        {"OnLoad", "Load()", 40},
        {"OnUnload", "Unload(Cancel As Integer)", 20},
        {"OnClose", "Close()", 30},
        {"OnActivate", "Activate()", 15},
        {"OnDeactivate", "Deactivate()", 8},
        {"OnResize", "Resize()", 5},
        {"OnClick", "Click()", 5},
        {"OnKeyDown", "KeyDown(KeyCode As Integer, Shift As Integer)", 5},
        {"OnError", "Error(DataErr As Integer, Response As Integer)", 20},
    };
    for (const FormEventKind& e : kFormEvents) {
        if (random_.Chance(e.percent))
            FormEvent(w, form, e.property, e.procedure);
    }
    if (timer)
        FormEvent(w, form, "OnTimer", "Timer()");
    w.Binary("PrtMip", kPrtMip);
}

void Generator::DefaultBlocks(ObjectWriter& w) {
    w.Begin("Label");
    w.Number("BackStyle", 0);
    w.Number("Height", 240);
    w.End();
    w.Begin("CommandButton");
    w.Number("Height", 360);
    w.Number("FontWeight", 400);
    w.End();
    w.Begin("CheckBox");
    w.Number("SpecialEffect", 2);
    w.Number("LabelX", 260);
    w.End();
    w.Begin("OptionGroup");
    w.Number("SpecialEffect", 3);
    w.End();
    w.Begin("TextBox");
    w.Number("SpecialEffect", 2);
    w.Number("Height", 285);
    w.End();
    w.Begin("ComboBox");
    w.Number("SpecialEffect", 2);
    w.Number("Height", 285);
    w.End();
    w.Begin("ListBox");
    w.Number("SpecialEffect", 2);
    w.End();
    w.Begin("Subform");
    w.Number("SpecialEffect", 2);
    w.End();
    w.Begin("Tab");
    w.Number("BackStyle", 0);
    w.End();
}

void Generator::WriteForm(size_t index) {
    const FormPlan& plan = forms_[index];
    FormContext form;
    form.plan = &plan;
    form.table = &tables_[static_cast<size_t>(plan.table)];
    const bool sub = plan.kind == FormKind::ContinuousSub || plan.kind == FormKind::DatasheetSub;

    ObjectWriter props;
    props.depth = 1;
    FormProperties(props, form, plan);
    ObjectWriter sections;
    sections.depth = 2;
    if (!sub) {
        Header(sections, form, plan);
        ObjectWriter footer;
        footer.depth = 2;
        Footer(footer, form);
        Detail(sections, form, plan);
        sections.out += footer.out;
    } else {
        SubformDetail(sections, form, plan);
        ++counts_.subforms;
    }

    ObjectWriter w;
    w.Line("Version =17");
    w.Line("VersionRequired =17");
    w.Begin("Form");
    w.out += props.out;
    w.Begin();
    DefaultBlocks(w);
    w.out += sections.out;
    w.End();
    w.End();
    w.Line("CodeBehindForm");
    const long budget = std::max(12L, std::lround(formLineBudget_ * plan.codeWeight));
    CodeWriter code;
    FormCode(code, form, budget);
    counts_.formCodeLines += code.lines;
    Write(root_ / "forms" / (FileNameOf(plan.name) + ".bas"), w.out + code.out);

    ++counts_.forms;
    counts_.controls += form.controls;
    counts_.largestForm = std::max(counts_.largestForm, static_cast<int>(form.controls));
    if (form.controls > 254)
        ++counts_.formsOver254;
}

}  // namespace velorin::bench::synthetic
