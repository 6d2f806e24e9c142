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
      module_(state.output.Code().module),
      events_(state.output.Code().events) {}

EventWriter::~EventWriter() {
    for (const auto& [header, line] : deferred_)
        InsertLine(events_, header, line, 1);
}

std::string EventWriter::Property(std::string_view name) const {
    return control_.Text(name);
}

void EventWriter::DuplicateCheck(const std::string& header) {
    const int line = IsDuplicateLine(module_, header);
    if (line > 0) {
        WriteReportRecord(state_.session.supportDb, {state_.fileName, reason::kDuplicateProcedure,
                                                     header, line, header, header});
    }
}

void EventWriter::Own(std::string_view property, std::string_view suffix, bool check) {
    if (property.empty() || property == kEventProcedure)
        return;
    const std::string header = Header(suffix);
    events_.Append(std::string());
    events_.Append(header);
    if (IsExpression(property)) {
        events_.Append("Dim varReturn as variant");
        events_.Append("varReturn " + std::string(property));
    } else {
        events_.Append("Call " + MakeMacroName(property));
    }
    events_.Append("End Sub");
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
                InsertLine(module_, header, Folded(it->first, it->second), 0);
        }
        for (auto it = style.leading.rbegin(); it != style.leading.rend(); ++it)
            InsertLine(module_, header, *it, 0);
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
    events_.Append(std::string());
    events_.Append(header);
    for (const std::string& line : style.leading)
        events_.Append(line);
    if (expression && !style.dimAfterFolded)
        events_.Append("Dim varReturn as variant");
    for (const auto& [property, foldSuffix] : folded)
        events_.Append(Folded(property, foldSuffix));
    if (expression && style.dimAfterFolded)
        events_.Append("Dim varReturn as variant");
    if (IsExpression(target))
        events_.Append("varReturn " + std::string(target));
    else if (!target.empty())
        events_.Append("Call " + MakeMacroName(target));
    events_.Append("End Sub");
    DuplicateCheck(header);
}

void EventWriter::FoldedOnly(std::string_view suffix,
                             const std::vector<std::pair<std::string, std::string_view>>& folded) {
    bool any = false;
    for (const auto& entry : folded)
        any = any || !entry.first.empty();
    if (!any)
        return;
    events_.Append(std::string());
    events_.Append(Header(suffix));
    for (const auto& [property, foldSuffix] : folded)
        events_.Append(Folded(property, foldSuffix));
    events_.Append("End Sub");
}

void EventWriter::DoubleClickIntoClick(std::string_view click, std::string_view dblClick) {
    if (dblClick.empty())
        return;
    const std::string clickHeader = Header(event_suffix::kClick);
    if (!click.empty()) {
        const std::string line = Folded(dblClick, "_DblClick");
        if (click == kEventProcedure)
            InsertLine(module_, clickHeader, line, 1);
        else
            deferred_.emplace_back(clickHeader, line);
        return;
    }
    events_.Append(std::string());
    events_.Append(clickHeader);
    if (IsExpression(dblClick)) {
        events_.Append("Dim varReturn as variant");
        events_.Append("varReturn " + std::string(dblClick));
    } else if (dblClick == kEventProcedure) {
        events_.Append("Call " + name_ + "_DblClick");
    } else {
        events_.Append(MakeMacroName(dblClick));
    }
    events_.Append("End Sub");
    DuplicateCheck(clickHeader);
}

}  // namespace velorin
