#include "preview/access_form_design.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <optional>
#include <string_view>

#include "common/ansi_text.h"
#include "common/vb_quote.h"

namespace velorin {
namespace {

std::string Number(double value) {
    if (std::isnan(value))
        return "0";
    char text[32];
    std::snprintf(text, sizeof text, "%.0f", std::clamp(value, -1e12, 1e12));
    return text;
}

class BlockBuilder {
  public:
    BlockBuilder(std::string className, std::string name) {
        block_.className = std::move(className);
        block_.name = std::move(name);
    }
    BlockBuilder& Set(std::string name, std::string written) {
        block_.properties.push_back({std::move(name), std::move(written), 0});
        return *this;
    }
    BlockBuilder& SetNumber(std::string name, double value) {
        return Set(std::move(name), Number(value));
    }
    BlockBuilder& SetText(std::string name, std::string_view text) {
        return Set(std::move(name), VbQuoted(text));
    }
    BlockBuilder& Place(const AccessControl& c) {
        return SetNumber("Left", c.Property("Left").AsNumber())
            .SetNumber("Top", c.Property("Top").AsNumber())
            .SetNumber("Width", c.Property("Width").AsNumber())
            .SetNumber("Height", c.Property("Height").AsNumber());
    }
    BlockBuilder& Font(const AccessControl& c) {
        LoadedBlock group;
        group.isPropertyGroup = true;
        group.name = "Font";
        group.properties = {
            {"Name", VbQuoted(c.Text("FontName")), 0},
            {"Size", Number(c.Property("FontSize").AsNumber()), 0},
            {"weight", Number(c.Property("FontWeight").AsNumber()), 0},
            {"italic", c.Property("FontItalic").AsBool() ? "-1" : "0", 0},
            {"underline", c.Property("FontUnderline").AsBool() ? "-1" : "0", 0},
        };
        block_.children.push_back(std::move(group));
        return *this;
    }
    LoadedBlock Take() { return std::move(block_); }

  private:
    LoadedBlock block_;
};

// Access's TextAlign (general, left, centre, right) as Visual Basic's Alignment.
int Alignment(const AccessControl& c) {
    switch (c.Property("TextAlign").AsLong()) {
        case 2:
            return 2;
        case 3:
            return 1;
        default:
            return 0;
    }
}

// The border of a field: sunken unless the control is flat, a plain line for
// a flat one with a border, none for a transparent one.
void FieldBorder(BlockBuilder& b, const AccessControl& c) {
    const long effect = c.Property("SpecialEffect").AsLong();
    const bool line = c.Property("BorderStyle").AsLong() != 0;
    if (effect == 0 && !line) {
        b.SetNumber("BorderStyle", 0);
        return;
    }
    b.SetNumber("BorderStyle", 1).SetNumber("Appearance", effect == 0 ? 0 : 1);
}

// The back colour of a control that may be transparent: the section shows through.
double BackColour(const AccessControl& c, double sectionColour) {
    return c.Property("BackStyle").AsLong() == 0 ? sectionColour
                                                 : c.Property("BackColor").AsNumber();
}

// The page of a tab control that the control lies on, if any, is its first.
bool OnShownPage(const AccessControl& control) {
    for (const AccessControl* c = &control; c != nullptr; c = c->Parent()) {
        if (c->ControlType() != control_type::kPage)
            continue;
        const AccessControl* tab = c->Parent();
        if (tab == nullptr || tab->Children().empty())
            return true;
        const long index = c->Property("PageIndex").AsLong();
        const bool first =
            c->Property("PageIndex").IsEmpty()
                ? &tab->Form().Controls()[static_cast<size_t>(tab->Children().front())] == c
                : index == 0;
        if (!first)
            return false;
    }
    return true;
}

bool Shown(const AccessControl& control) {
    for (const AccessControl* c = &control; c != nullptr; c = c->Parent()) {
        if (!c->Property("Visible").AsBool())
            return false;
    }
    return OnShownPage(control);
}

LoadedBlock TabControl(const AccessControl& tab) {
    BlockBuilder b("TabDlg.SSTab", tab.Name());
    b.Place(tab).Font(tab);
    const std::vector<AccessControl>& all = tab.Form().Controls();
    std::vector<const AccessControl*> pages;
    for (int child : tab.Children()) {
        const AccessControl& page = all[static_cast<size_t>(child)];
        if (page.ControlType() == control_type::kPage)
            pages.push_back(&page);
    }
    std::stable_sort(
        pages.begin(), pages.end(), [](const AccessControl* x, const AccessControl* y) {
            return x->Property("PageIndex").AsLong() < y->Property("PageIndex").AsLong();
        });
    const int count = std::max<int>(1, static_cast<int>(pages.size()));
    b.SetNumber("Tabs", count).SetNumber("TabsPerRow", count).SetNumber("Tab", 0);
    const double fixed = tab.Property("TabFixedHeight").AsNumber();
    b.SetNumber("TabHeight", fixed > 0 ? fixed : 300);
    for (size_t i = 0; i < pages.size(); ++i) {
        const std::string caption = pages[i]->Text("Caption");
        b.SetText("TabCaption(" + std::to_string(i) + ")",
                  caption.empty() ? pages[i]->Name() : caption);
    }
    return b.Take();
}

LoadedBlock LineBlock(const AccessControl& c) {
    const double left = c.Property("Left").AsNumber();
    const double top = c.Property("Top").AsNumber();
    const double right = left + c.Property("Width").AsNumber();
    const double bottom = top + c.Property("Height").AsNumber();
    const bool slant = c.Property("LineSlant").AsBool();  // from bottom left to top right
    BlockBuilder b("VB.Line", c.Name());
    b.SetNumber("X1", left).SetNumber("Y1", slant ? bottom : top).SetNumber("X2", right);
    b.SetNumber("Y2", slant ? top : bottom);
    b.SetNumber("BorderColor", c.Property("BorderColor").AsNumber());
    b.SetNumber("BorderStyle", c.Property("BorderStyle").AsNumber());
    b.SetNumber("BorderWidth", std::max(1.0, c.Property("BorderWidth").AsNumber()));
    return b.Take();
}

// Rectangles and option groups: an outline over a back that may be transparent.
LoadedBlock ShapeBlock(const AccessControl& c) {
    BlockBuilder b("VB.Shape", c.Name());
    b.Place(c).SetNumber("Shape", 0);
    b.SetNumber("BackStyle", c.Property("BackStyle").AsLong() == 0 ? 0 : 1);
    b.SetNumber("BackColor", c.Property("BackColor").AsNumber());
    const bool effect = c.Property("SpecialEffect").AsLong() != 0;
    b.SetNumber("BorderStyle", c.Property("BorderStyle").AsLong() != 0 || effect ? 1 : 0);
    // A sunken or etched outline shows as the button shadow's grey.
    b.SetNumber("BorderColor", effect ? 0x80000010 : c.Property("BorderColor").AsNumber());
    b.SetNumber("BorderWidth", std::max(1.0, c.Property("BorderWidth").AsNumber()));
    return b.Take();
}

// A control form view shows as a box with its kind and name.
LoadedBlock LabelledBox(const AccessControl& c, std::string kind) {
    BlockBuilder b("Access." + kind, c.Name());
    return b.Place(c).Take();
}

std::optional<LoadedBlock> ControlBlock(const AccessControl& c, double sectionColour) {
    const std::string& name = c.Name();
    switch (c.ControlType()) {
        case control_type::kLabel: {
            BlockBuilder b("VB.Label", name);
            b.Place(c).Font(c).SetText("Caption", c.Text("Caption"));
            b.SetNumber("BackStyle", c.Property("BackStyle").AsLong() == 0 ? 0 : 1);
            b.SetNumber("BackColor", c.Property("BackColor").AsNumber());
            b.SetNumber("ForeColor", c.Property("ForeColor").AsNumber());
            b.SetNumber("Alignment", Alignment(c));
            FieldBorder(b, c);
            return b.Take();
        }
        case control_type::kTextBox: {
            BlockBuilder b("VB.TextBox", name);
            b.Place(c).Font(c).SetText("Text", "");
            b.SetNumber("BackColor", BackColour(c, sectionColour));
            b.SetNumber("ForeColor", c.Property("ForeColor").AsNumber());
            b.SetNumber("Alignment", Alignment(c));
            FieldBorder(b, c);
            return b.Take();
        }
        case control_type::kListBox:
        case control_type::kComboBox: {
            const bool combo = c.ControlType() == control_type::kComboBox;
            BlockBuilder b(combo ? "VB.ComboBox" : "VB.ListBox", name);
            b.Place(c).Font(c).SetText("Text", "");
            b.SetNumber("BackColor", BackColour(c, sectionColour));
            b.SetNumber("ForeColor", c.Property("ForeColor").AsNumber());
            FieldBorder(b, c);
            return b.Take();
        }
        case control_type::kCommandButton:
        case control_type::kToggleButton: {
            BlockBuilder b("VB.CommandButton", name);
            b.Place(c).Font(c).SetText("Caption", c.Text("Caption"));
            b.SetNumber("ForeColor", c.Property("ForeColor").AsNumber());
            return b.Take();
        }
        case control_type::kCheckBox:
        case control_type::kOptionButton: {
            // The mark alone: its caption is the label attached to it.
            const bool option = c.ControlType() == control_type::kOptionButton;
            BlockBuilder b(option ? "VB.OptionButton" : "VB.CheckBox", name);
            b.Place(c).SetText("Caption", "").SetNumber("BackColor", sectionColour);
            return b.Take();
        }
        case control_type::kOptionGroup:
        case control_type::kRectangle:
            return ShapeBlock(c);
        case control_type::kLine:
            return LineBlock(c);
        case control_type::kTabControl:
            return TabControl(c);
        case control_type::kImage:
            return LabelledBox(c, "Image");
        case control_type::kSubform:
            return LabelledBox(c, "Subform");
        case control_type::kBoundObjectFrame:
            return LabelledBox(c, "BoundObjectFrame");
        case control_type::kObjectFrame:
            return LabelledBox(c, "ObjectFrame");
        case control_type::kCustomControl: {
            const std::string oleClass = c.Text("OLEClass");
            return LabelledBox(c, oleClass.empty() ? c.Text("Class") : oleClass);
        }
        case control_type::kPage:
        case control_type::kPageBreak:
            return std::nullopt;
        default:
            return LabelledBox(c, c.TypeName());
    }
}

LoadedBlock WindowBlock(const AccessForm& form) {
    std::string caption = form.Text("Caption");
    if (caption.empty())
        caption = form.Name();
    // Both buttons unless the form says otherwise.
    const PropertyValue minMax = form.Property("MinMaxButtons");
    const long buttons = minMax.IsEmpty() ? 3 : minMax.AsLong();
    BlockBuilder b("VB.Form", form.Name());
    b.SetText("Caption", caption);
    // Access numbers its border styles as Visual Basic does: none, thin, sizable, dialog.
    b.SetNumber("BorderStyle", std::clamp(form.Property("BorderStyle").AsNumber(), 0.0, 3.0));
    b.SetNumber("ControlBox", form.Property("ControlBox").AsBool() ? -1 : 0);
    b.SetNumber("MinButton", (buttons & 1) != 0 ? -1 : 0);
    b.SetNumber("MaxButton", (buttons & 2) != 0 ? -1 : 0);
    return b.Take();
}

}  // namespace

AccessFormDesign AccessFormAsDesign(const AccessForm& form) {
    AccessFormDesign design;
    design.window = WindowBlock(form);
    design.width = std::max(0.0, form.Property("Width").AsNumber());
    design.recordSelectors = form.Property("RecordSelectors").AsBool();
    design.navigationButtons = form.Property("NavigationButtons").AsBool();
    for (int number :
         {section_number::kFormHeader, section_number::kDetail, section_number::kFormFooter}) {
        if (!form.HasSection(number) || !form.SectionProperty(number, "Visible").AsBool())
            continue;
        AccessSectionDesign section;
        section.number = number;
        section.height = std::max(0.0, form.SectionProperty(number, "Height").AsNumber());
        section.backColour = form.SectionProperty(number, "BackColor").AsNumber();
        design.sections.push_back(std::move(section));
    }
    for (const AccessControl& control : form.Controls()) {
        auto section = std::find_if(
            design.sections.begin(), design.sections.end(),
            [&](const AccessSectionDesign& s) { return s.number == control.Section(); });
        if (section == design.sections.end() || !Shown(control))
            continue;
        if (std::optional<LoadedBlock> block = ControlBlock(control, section->backColour))
            section->controls.push_back(std::move(*block));
    }
    return design;
}

}  // namespace velorin
