#include "controls/event_procedures.h"

#include "code/procedure_headers.h"
#include "common/names.h"
#include "controls/control_lines.h"
#include "form_context/event_targets.h"

namespace velorin {
namespace {

constexpr std::string_view kEventProcedure = "[Event Procedure]";

bool IsExpression(std::string_view property) {
    return !property.empty() && property[0] == '=';
}

// The procedure a call suffix names: "_Exit(0)" is "_Exit".
std::string_view ProcedureSuffix(std::string_view suffix) {
    return suffix.substr(0, suffix.find('('));
}

}  // namespace

EventWriter::EventWriter(FormState& state)
    : state_(state), control_(*state.control), name_(state.controlVbName), procedures_(state) {}

EventWriter::~EventWriter() {
    for (const auto& [name, line] : deferred_) {
        if (!procedures_.AddToGeneratedProcedure(name, line))
            procedures_.AddToModuleProcedure(name, {line}, true);
    }
}

std::string EventWriter::Property(std::string_view name) const {
    return control_.Text(name);
}

std::vector<std::string> EventWriter::Body(std::string_view property) const {
    if (IsExpression(property))
        return {"Dim varReturn as variant",
                EventExpressionStatement(state_, "varReturn", property)};
    return {MacroCall(state_, property)};
}

std::string EventWriter::ProcedureCall(std::string_view suffix) const {
    const std::string_view procedure = ProcedureSuffix(suffix);
    return EventProcedureCall(state_, name_ + std::string(procedure),
                              "Call " + name_ + std::string(suffix),
                              EventProcedurePrefix(control_.Name()) + std::string(procedure));
}

void EventWriter::Own(std::string_view property, std::string_view suffix) {
    if (property.empty() || property == kEventProcedure)
        return;
    procedures_.Write(Header(suffix), Body(property));
}

std::string EventWriter::Folded(std::string_view property, std::string_view foldSuffix) const {
    if (property.empty())
        return {};
    if (IsExpression(property))
        return EventExpressionStatement(state_, "gvarReturn", property);
    if (property == kEventProcedure)
        return ProcedureCall(foldSuffix);
    return MacroCall(state_, property, false);
}

void EventWriter::Composite(std::string_view target, std::string_view suffix,
                            const std::vector<std::pair<std::string, std::string_view>>& folded,
                            const CompositeStyle& style) {
    const std::string header = Header(suffix);
    std::vector<std::string> foldedLines;
    for (const auto& [property, foldSuffix] : folded) {
        if (!property.empty())
            foldedLines.push_back(Folded(property, foldSuffix));
    }
    if (target == kEventProcedure) {
        // The module's own procedure starts with the leading and folded lines.
        std::vector<std::string> lines = style.leading;
        lines.insert(lines.end(), foldedLines.begin(), foldedLines.end());
        if (lines.empty() || procedures_.AddToModuleProcedure(ProcedureName(header), lines, false))
            return;
        // The application names a procedure it does not have: the lines
        // still run, in a procedure of their own.
        procedures_.Write(header, lines);
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
    std::vector<std::string> body = style.leading;
    if (expression && !style.dimAfterFolded)
        body.emplace_back("Dim varReturn as variant");
    for (const auto& [property, foldSuffix] : folded)
        body.push_back(Folded(property, foldSuffix));
    if (expression && style.dimAfterFolded)
        body.emplace_back("Dim varReturn as variant");
    if (IsExpression(target))
        body.push_back(EventExpressionStatement(state_, "varReturn", target));
    else if (!target.empty())
        body.push_back(MacroCall(state_, target));
    procedures_.Write(header, body);
}

void EventWriter::FoldedOnly(std::string_view suffix,
                             const std::vector<std::pair<std::string, std::string_view>>& folded) {
    bool any = false;
    for (const auto& entry : folded)
        any = any || !entry.first.empty();
    if (!any)
        return;
    std::vector<std::string> body;
    for (const auto& [property, foldSuffix] : folded)
        body.push_back(Folded(property, foldSuffix));
    procedures_.Write(Header(suffix), body);
}

void EventWriter::DoubleClickIntoClick(std::string_view click, std::string_view dblClick) {
    if (dblClick.empty())
        return;
    const std::string clickHeader = Header(event_suffix::kClick);
    if (!click.empty()) {
        const std::string line = Folded(dblClick, "_DblClick");
        if (click == kEventProcedure) {
            if (!procedures_.AddToModuleProcedure(ProcedureName(clickHeader), {line}, true))
                procedures_.Write(clickHeader, {line});
        } else {
            deferred_.emplace_back(ProcedureName(clickHeader), line);
        }
        return;
    }
    std::vector<std::string> body;
    if (IsExpression(dblClick))
        body = {"Dim varReturn as variant",
                EventExpressionStatement(state_, "varReturn", dblClick)};
    else if (dblClick == kEventProcedure)
        body = {ProcedureCall("_DblClick")};
    else
        body = {MacroCall(state_, dblClick, false)};
    procedures_.Write(clickHeader, body);
}

}  // namespace velorin
