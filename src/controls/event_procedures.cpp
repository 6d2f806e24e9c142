#include "controls/event_procedures.h"

#include "code/analysis_records.h"
#include "common/names.h"
#include "controls/support_library/support_library.h"

namespace velorin {
namespace {

constexpr std::string_view kEventProcedure = "[Event Procedure]";

bool IsExpression(std::string_view property) {
    return !property.empty() && property[0] == '=';
}

}  // namespace

EventWriter::EventWriter(FormState& state)
    : state_(state),
      control_(*state.control),
      name_(state.controlVbName),
      fragmentName_("form_" + state.fileName + ".ctl"),
      codeFile_(state.fileName + ".txt"),
      fragment_(state.session.out.OpenAppend(fragmentName_)) {}

EventWriter::~EventWriter() {
    fragment_.Close();
    for (const auto& [header, line] : deferred_)
        InsertLine(state_.session.out, fragmentName_, header, line, 1);
}

std::string EventWriter::Property(std::string_view name) const {
    return control_.Text(name);
}

void EventWriter::DuplicateCheck(const std::string& header) {
    const int line = IsDuplicateLine(state_.session.out, codeFile_, header);
    if (line > 0) {
        WriteReportRecord(state_.session.supportDb, {state_.fileName, reason::kDuplicateProcedure,
                                                     header, line, header, header});
    }
}

void EventWriter::Own(std::string_view property, std::string_view suffix, bool check) {
    if (property.empty() || property == kEventProcedure)
        return;
    const std::string header = Header(suffix);
    fragment_.WriteLine("");
    fragment_.WriteLine(header);
    if (IsExpression(property)) {
        fragment_.WriteLine("Dim varReturn as variant");
        fragment_.WriteLine("varReturn " + std::string(property));
    } else {
        fragment_.WriteLine("Call " + MakeMacroName(property));
    }
    fragment_.WriteLine("End Sub");
    if (check)
        DuplicateCheck(header);
}

std::string EventWriter::Folded(std::string_view property, std::string_view foldSuffix) const {
    if (property.empty())
        return {};
    if (IsExpression(property))
        return "gvarReturn " + std::string(property);
    if (property == kEventProcedure)
        return "Call " + name_ + std::string(foldSuffix);
    return MakeMacroName(property);
}

void EventWriter::Composite(std::string_view target, std::string_view suffix,
                            const std::vector<std::pair<std::string, std::string_view>>& folded,
                            const CompositeStyle& style) {
    const std::string header = Header(suffix);
    if (target == kEventProcedure) {
        // Inserted right after the header, last first, so that the first ends up first.
        for (auto it = folded.rbegin(); it != folded.rend(); ++it) {
            if (!it->first.empty())
                InsertLine(state_.session.out, codeFile_, header, Folded(it->first, it->second), 0);
        }
        for (auto it = style.leading.rbegin(); it != style.leading.rend(); ++it)
            InsertLine(state_.session.out, codeFile_, header, *it, 0);
        return;
    }
    bool any = !target.empty() || !style.leading.empty();
    bool expression = IsExpression(target);
    for (const auto& [property, foldSuffix] : folded) {
        any = any || !property.empty();
        if (!style.dimAfterFolded)
            expression = expression || IsExpression(property);
    }
    if (!any)
        return;
    fragment_.WriteLine("");
    fragment_.WriteLine(header);
    for (const std::string& line : style.leading)
        fragment_.WriteLine(line);
    if (expression && !style.dimAfterFolded)
        fragment_.WriteLine("Dim varReturn as variant");
    for (const auto& [property, foldSuffix] : folded)
        fragment_.WriteLine(Folded(property, foldSuffix));
    if (expression && style.dimAfterFolded)
        fragment_.WriteLine("Dim varReturn as variant");
    if (IsExpression(target))
        fragment_.WriteLine("varReturn " + std::string(target));
    else if (!target.empty())
        fragment_.WriteLine("Call " + MakeMacroName(target));
    fragment_.WriteLine("End Sub");
    DuplicateCheck(header);
}

void EventWriter::FoldedOnly(std::string_view suffix,
                             const std::vector<std::pair<std::string, std::string_view>>& folded) {
    bool any = false;
    for (const auto& entry : folded)
        any = any || !entry.first.empty();
    if (!any)
        return;
    fragment_.WriteLine("");
    fragment_.WriteLine(Header(suffix));
    for (const auto& [property, foldSuffix] : folded)
        fragment_.WriteLine(Folded(property, foldSuffix));
    fragment_.WriteLine("End Sub");
}

void EventWriter::DoubleClickIntoClick(std::string_view click, std::string_view dblClick) {
    if (dblClick.empty())
        return;
    const std::string clickHeader = Header(event_suffix::kClick);
    if (!click.empty()) {
        const std::string line = Folded(dblClick, "_DblClick");
        if (click == kEventProcedure)
            InsertLine(state_.session.out, codeFile_, clickHeader, line, 1);
        else
            deferred_.emplace_back(clickHeader, line);
        return;
    }
    fragment_.WriteLine("");
    fragment_.WriteLine(clickHeader);
    if (IsExpression(dblClick)) {
        fragment_.WriteLine("Dim varReturn as variant");
        fragment_.WriteLine("varReturn " + std::string(dblClick));
    } else if (dblClick == kEventProcedure) {
        fragment_.WriteLine("Call " + name_ + "_DblClick");
    } else {
        fragment_.WriteLine(MakeMacroName(dblClick));
    }
    fragment_.WriteLine("End Sub");
    DuplicateCheck(clickHeader);
}

}  // namespace velorin
