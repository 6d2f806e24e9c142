#include "controls/generated_procedures.h"

#include <cctype>

#include "code/analysis_records.h"
#include "code/procedure_headers.h"
#include "common/ansi_text.h"
#include "common/string_helpers.h"
#include "controls/support_library/support_library.h"

namespace velorin {
namespace {

constexpr std::string_view kReturnDeclaration = "Dim varReturn as variant";

// The line after which lines go at the end of the procedure whose header
// ends at `headerEnd`: before its End Sub (or End Function, End Property).
size_t EndOf(const CodeText& code, size_t headerEnd) {
    const std::vector<std::string>& lines = code.Lines();
    for (size_t i = headerEnd + 1; i < lines.size(); ++i) {
        const std::string_view t = TrimBlanks(lines[i]);
        if (IStartsWith(t, "End Sub") || IStartsWith(t, "End Function") ||
            IStartsWith(t, "End Property"))
            return i;
    }
    return lines.size();
}

// Whether the procedure already declares the variable the generated lines use.
bool DeclaresReturn(const CodeText& code, size_t headerEnd) {
    const size_t end = EndOf(code, headerEnd);
    for (size_t i = headerEnd + 1; i < end; ++i) {
        const std::string_view t = TrimBlanks(code.Lines()[i]);
        if (IStartsWith(t, "Dim varReturn") || IStartsWith(t, "Static varReturn"))
            return true;
    }
    return false;
}

// Whether a procedure of the code calls `name` (its name stands in the body
// as a word).
bool Calls(const CodeText& code, std::string_view procedure, std::string_view name) {
    const std::optional<ProcedurePlace> place = FindProcedure(code, procedure);
    if (!place)
        return false;
    const size_t end = EndOf(code, place->headerEnd);
    for (size_t i = place->headerEnd + 1; i < end; ++i) {
        const std::string& line = code.Lines()[i];
        for (size_t at = IFind(line, name); at != std::string::npos;
             at = IFind(line, name, at + 1)) {
            const size_t after = at + name.size();
            const auto inName = [&](size_t k) {
                return std::isalnum(static_cast<unsigned char>(line[k])) != 0 || line[k] == '_';
            };
            if ((at == 0 || !inName(at - 1)) && (after >= line.size() || !inName(after)))
                return true;
        }
    }
    return false;
}

// Lines that call a module's procedure which calls back the procedure they go
// into would run round for ever: they run only when that procedure is not
// already running them.
std::vector<std::string> GuardedLines(const CodeText& module, std::string_view into,
                                      const std::vector<std::string>& lines) {
    bool callsBack = false;
    for (const std::string& line : lines) {
        const std::string_view t = TrimBlanks(line);
        if (IStartsWith(t, "Call "))
            callsBack = callsBack || Calls(module, ProcedureName(t.substr(5)), into);
    }
    if (!callsBack)
        return lines;
    std::vector<std::string> guarded = {"Static bVlrnRunning As Boolean",
                                        "If Not bVlrnRunning Then", "bVlrnRunning = True"};
    guarded.insert(guarded.end(), lines.begin(), lines.end());
    guarded.insert(guarded.end(), {"bVlrnRunning = False", "End If"});
    return guarded;
}

// Puts lines into the procedure at `place`: after its header, or before its end.
void AddLines(CodeText& code, const ProcedurePlace& place, const std::vector<std::string>& lines,
              bool atEnd) {
    const bool declared = DeclaresReturn(code, place.headerEnd);
    size_t at = atEnd ? EndOf(code, place.headerEnd) : place.headerEnd + 1;
    for (const std::string& line : lines) {
        // The procedure has the variable already: a second Dim would not compile.
        if (declared && IEquals(TrimBlanks(line), kReturnDeclaration))
            continue;
        code.Insert(at++, line);
    }
}

}  // namespace

GeneratedProcedures::GeneratedProcedures(FormState& state)
    : state_(state), module_(state.output.Code().module), events_(state.output.Code().events) {}

void GeneratedProcedures::Write(const std::string& header, const std::vector<std::string>& body) {
    const std::string name = ProcedureName(header);
    if (std::optional<ProcedurePlace> place = FindProcedure(module_, name)) {
        // Recorded with the line the module's own header stands on.
        WriteReportRecord(state_.session.supportDb,
                          {state_.shared.fileName, reason::kDuplicateProcedure, header,
                           static_cast<long>(place->header) + 1, header, header});
        AddLines(module_, *place, GuardedLines(module_, name, body), false);
        return;
    }
    if (std::optional<ProcedurePlace> place = FindProcedure(events_, name)) {
        AddLines(events_, *place, body, false);
        return;
    }
    events_.Append(std::string());
    events_.Append(header);
    for (const std::string& line : body)
        events_.Append(line);
    events_.Append("End Sub");
}

bool GeneratedProcedures::AddToModuleProcedure(std::string_view name,
                                               const std::vector<std::string>& lines, bool atEnd) {
    std::optional<ProcedurePlace> place = FindProcedure(module_, name);
    if (!place)
        return false;
    AddLines(module_, *place, GuardedLines(module_, name, lines), atEnd);
    return true;
}

bool GeneratedProcedures::AddToGeneratedProcedure(std::string_view name, const std::string& line) {
    std::optional<ProcedurePlace> place = FindProcedure(events_, name);
    if (!place)
        return false;
    AddLines(events_, *place, {line}, true);
    return true;
}

}  // namespace velorin
