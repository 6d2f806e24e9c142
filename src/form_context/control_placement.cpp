#include "form_context/control_placement.h"

#include <algorithm>

#include "common/ansi_text.h"
#include "common/names.h"
#include "common/vb_quote.h"
#include "output/generated_members.h"

namespace velorin {
namespace {

// Whether the form's code, which names `control` by its Access name, goes
// with another control that kept the same name but for case. Access refuses
// such names; an edited export can hold them, and the code cannot tell the
// two apart: it goes with the one whose events call it, else the one that kept
// the name.
bool CodeStaysWithAnother(const std::map<const AccessControl*, std::string>& names,
                          const AccessControl& control) {
    return std::any_of(names.begin(), names.end(), [&](const auto& named) {
        return named.first != &control && named.second == named.first->Name() &&
               IEquals(named.second, control.Name()) &&
               (named.first->HasEventProcedure() || !control.HasEventProcedure());
    });
}

}  // namespace

const std::string& ControlName(FormState& state, const AccessControl& control) {
    std::map<const AccessControl*, std::string>& names = state.level->controlNames;
    auto named = names.find(&control);
    if (named != names.end())
        return named->second;
    const std::string wanted = MakeVBName(control.Name());
    const std::string name = state.output.Names().Claim(wanted, wanted == control.Name());
    // The form's own code names its controls as Access does; it follows the
    // names they got.
    if (state.level->parent == nullptr && name != control.Name() &&
        !CodeStaysWithAnother(names, control))
        state.output.RenamedControls().emplace(control.Name(), name);
    return names.emplace(&control, name).first->second;
}

void NotePartialControl(FormState& state, int reason) {
    if (state.control == nullptr)
        return;
    std::vector<PartialControl>& partial = state.shared.result.partialControls;
    PartialControl entry{state.Form().Name(), state.control->Name(), state.controlVbName, reason};
    if (std::find(partial.begin(), partial.end(), entry) == partial.end())
        partial.push_back(std::move(entry));
}

void NameControl(FormState& state, const AccessControl& control) {
    state.controlVbName = ControlName(state, control);
    state.control = &control;
}

const ControlContainer& PlaceControl(FormState& state) {
    const AccessControl& control = *state.control;
    PageBreakStrip& strip = state.level->strip;
    const int section = control.Section();
    // A tab page's controls lie on the page break page of their tab control.
    if (state.onTabPage) {
        state.container = state.tabPageContainer;
        return state.container;
    }
    state.pageBreakPage = 0;
    if (strip.active && section == section_number::kDetail) {
        const long top = control.Property("Top").AsLong();
        size_t page = 0;
        for (size_t i = 0; i < strip.tops.size(); ++i) {
            if (strip.tops[i] < top)
                page = i;
        }
        state.pageBreakPage = static_cast<int>(page);
        state.container = ControlContainer{&strip.body,
                                           state.subformLeft,
                                           state.subformTop + state.level->layout.detailTop,
                                           page != 0 ? kHiddenPageShift : 0,
                                           &strip,
                                           page};
    } else if (state.isSubform) {
        state.container = state.host;
    } else if (section >= 1 && section <= 4 &&
               state.shared.sectionFiles[static_cast<size_t>(section)].IsOpen()) {
        state.container = ControlContainer{&state.shared.sectionFiles[static_cast<size_t>(section)],
                                           0, SectionTopOf(state, section)};
    } else {
        state.container = ControlContainer{&state.shared.formFile};
    }
    return state.container;
}

void AddContainerMember(const ControlContainer& container, const std::string& name) {
    if (container.strip != nullptr)
        AddTabStripMember(*container.strip, container.stripPage, name);
}

DesignWriter& SelectControlOutput(FormState& state) {
    const ControlContainer& container = PlaceControl(state);
    // An option group's buttons lie in its frame, which is the member.
    const bool group = state.control->ControlType() == control_type::kOptionGroup;
    AddContainerMember(container,
                       group ? GroupFrameName(state, state.controlVbName) : state.controlVbName);
    return *container.out;
}

long SectionTopOf(const FormState& state, int section) {
    const SectionLayout& layout = state.level->layout;
    const PageBreakStrip& strip = state.level->strip;
    // Below a page-break strip the sections move by the strip's height less the detail's.
    const long stripShift =
        strip.active ? strip.tops[1] + kPageBreakTabHeight - layout.detailHeight : 0;
    switch (section) {
        case section_number::kFormHeader:
            return layout.headerTop;
        case section_number::kPageHeader:
            return layout.pageHeaderTop;
        case section_number::kDetail:
            // On the strip, the pages start below the tabs.
            return layout.detailTop + (strip.active ? kPageBreakTabHeight : 0);
        case section_number::kPageFooter:
            return layout.pageFooterTop + stripShift;
        case section_number::kFormFooter:
            return layout.footerTop + stripShift;
        default:
            return layout.detailTop;
    }
}

std::string GroupFrameName(FormState& state, std::string_view group) {
    return state.output.Names().Generate(std::string(name_key::kGroupFrame) + std::string(group),
                                         "grp" + std::string(group));
}

void AddTabStripMember(TabStrip& strip, size_t page, const std::string& name) {
    if (page >= strip.counts.size())
        return;
    const int count = ++strip.counts[page];
    strip.header.WriteLine("Tab(" + std::to_string(page) + ").Control(" +
                           std::to_string(count - 1) + ")=" + VbQuoted(name));
}

}  // namespace velorin
