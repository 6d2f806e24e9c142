#include "forms/tab_controls.h"

#include "common/names.h"
#include "common/vb_format.h"
#include "common/vb_quote.h"
#include "controls/control_lines.h"
#include "controls/control_references.h"
#include "form_context/frx_entry.h"
#include "forms/control_dispatch.h"

namespace velorin {
namespace {

constexpr double kVb4Scale = 1.7635;
constexpr int kTabHeight = 520;

double SizeFactor(const FormState& state) {
    return state.session.Settings().options.vb5Project ? 1.0 : kVb4Scale;
}

std::string TabPicture(FormState& state, size_t page) {
    return "TabPicture(" + std::to_string(page) + ")  = \"" + state.shared.fileName +
           ".frx\":" + WriteFrxEntry(state.output, {}, false, FrxEntry::Picture);
}

void AppendDescendants(const AccessControl& control, std::vector<const AccessControl*>& out) {
    const std::vector<AccessControl>& all = control.Form().Controls();
    for (int child : control.Children()) {
        const AccessControl& c = all[static_cast<size_t>(child)];
        out.push_back(&c);
        AppendDescendants(c, out);
    }
}

}  // namespace

std::vector<const AccessControl*> TabPages(const AccessControl& tab) {
    std::vector<const AccessControl*> pages;
    for (int child : tab.Children()) {
        const AccessControl& c = tab.Form().Controls()[static_cast<size_t>(child)];
        if (c.ControlType() == control_type::kPage)
            pages.push_back(&c);
    }
    return pages;
}

std::vector<const AccessControl*> PageControls(const AccessControl& page) {
    std::vector<const AccessControl*> controls;
    AppendDescendants(page, controls);
    return controls;
}

void StartTabStrip(TabStrip& strip, const std::string& name, size_t pages) {
    strip.name = name;
    strip.block = std::make_unique<DesignBlock>("Begin TabDlg.SSTab " + name);
    strip.header = DesignWriter(strip.block.get());
    strip.counts.assign(pages, 0);
    strip.members = std::make_unique<DesignBlock>(std::string());
    strip.body = DesignWriter(strip.members.get());
}

std::unique_ptr<DesignBlock> FinishTabStrip(TabStrip& strip) {
    for (size_t i = 0; i < strip.counts.size(); ++i) {
        strip.header.WriteLine("Tab(" + std::to_string(i) +
                               ").ControlCount= " + std::to_string(strip.counts[i]));
    }
    strip.body.Close();
    strip.header.Close();
    // The members' blocks follow the strip's own lines.
    strip.block->TakeItemsOf(*strip.members);
    strip.members.reset();
    return std::move(strip.block);
}

void WriteTabControl(FormState& state, TabStrip& strip) {
    const AccessControl& tab = *state.control;
    const AccessForm& form = state.Form();
    const bool vb5 = state.session.Settings().options.vb5Project;
    if (vb5)
        AddControlReference(state, "{BDC217C8-ED16-11CD-956C-0000C04E4C0A}#1.0#0", "TABCTL32.OCX");
    state.shared.result.tabControlFlag = true;

    const std::vector<const AccessControl*> pages = TabPages(tab);
    StartTabStrip(strip, state.controlVbName, pages.size());
    DesignWriter& out = strip.header;
    WriteVisibleLine(out, tab);
    out.WriteLine("Height = " + tab.Text("Height"));
    WriteLeft(out, state, tab);
    WriteTop(out, state, tab);
    out.WriteLine("Width = " + VbNumber(tab.Property("Width").AsNumber() / SizeFactor(state)));
    out.WriteLine("_ExtentX =" + VbNumber(form.Property("Width").AsNumber() * kVb4Scale));
    out.WriteLine("_ExtentY = " + VbNumber(tab.Property("Height").AsNumber() * kVb4Scale));
    out.WriteLine(" _Version = 262144");
    out.WriteLine("Tabs = " + std::to_string(pages.size()));
    out.WriteLine("TabHeight = " + std::to_string(kTabHeight));
    out.WriteLine("HelpContextID = " + tab.Text("HelpContextID"));
    out.WriteLine("TabIndex = " + tab.Text("TabIndex"));
    WriteTabStopLine(out, tab);
    if (!tab.Property("Enabled").AsBool())
        out.WriteLine("Enabled = 0");
    WriteTipAndTagLines(out, state, tab);
    for (size_t i = 0; i < pages.size(); ++i) {
        std::string caption = pages[i]->Text("Caption");
        if (caption.empty())
            caption = pages[i]->Name();
        out.WriteLine("TabCaption(" + std::to_string(i) + ") = " + VbQuoted(caption));
        out.WriteLine(TabPicture(state, i));
    }
    if (vb5) {
        const long showing = tab.Property("Value").AsLong();
        for (size_t i = 0; i < pages.size(); ++i) {
            out.WriteLine("Tab(" + std::to_string(i) +
                          ").ControlEnabled =" + (showing == static_cast<long>(i) ? "-1" : "0"));
        }
    }
}

void StartPageBreakStrip(FormState& state, FormLevel& level) {
    PageBreakStrip& strip = level.strip;
    strip.active = true;
    // The project needs the tab dialog control for the strip too.
    state.shared.result.tabControlFlag = true;
    const bool vb5 = state.session.Settings().options.vb5Project;
    const long height = strip.tops[1] + kTabHeight;
    const double formWidth = level.form->Property("Width").AsNumber();
    const size_t pages = strip.tops.size();
    StartTabStrip(strip, state.output.Names().Generate("SSTab1"), pages);
    DesignWriter& out = strip.header;
    // The strip takes the detail's place in the container the form is written into.
    const ControlContainer& host = state.host;
    out.WriteLine("Height = " + std::to_string(height));
    out.WriteLine("Left = " + std::to_string(state.subformLeft - host.left + host.pageShift));
    out.WriteLine("TabIndex = 0");
    out.WriteLine("Top = " + std::to_string(state.subformTop + level.layout.detailTop - host.top));
    out.WriteLine("Width = " + VbNumber(formWidth * SizeFactor(state)));
    out.WriteLine("_ExtentX =" + VbNumber(formWidth * kVb4Scale));
    out.WriteLine("_ExtentY = " + VbNumber(static_cast<double>(height) * kVb4Scale));
    out.WriteLine(vb5 ? " _Version = 327681" : " _Version = 262144");
    out.WriteLine("Tabs = " + std::to_string(pages));
    out.WriteLine("TabHeight = " + std::to_string(kTabHeight));
    for (size_t i = 0; i < pages; ++i) {
        out.WriteLine("TabCaption(" + std::to_string(i) + ") = \"Tab " + std::to_string(i) + "\"");
        out.WriteLine(TabPicture(state, i));
        out.WriteLine("Tab(" + std::to_string(i) + ").ControlEnabled =" + (i == 0 ? "-1" : "0"));
    }
}

void FinishPageBreakStrip(FormState& state) {
    state.host.out->AddBlock(FinishTabStrip(state.level->strip));
    AddContainerMember(state.host, state.level->strip.name);
}

}  // namespace velorin
