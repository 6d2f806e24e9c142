// A list's Requery becomes a Refresh of its data control (bound lists) or a
// refill through the support module's additems functions (unbound lists).
#include "code/analysis_records.h"
#include "code/statement_rules.h"
#include "code/translation_outcomes.h"
#include "common/ansi_text.h"
#include "common/names.h"
#include "output/form_output.h"

namespace velorin {
namespace {

bool EndsTheQualifier(char c) {
    return c == ']' || c == '!' || c == '.' || c == ' ';
}

std::string Without(std::string text, char a, char b) {
    std::string out;
    for (char c : text) {
        if (c != a && c != b)
            out.push_back(c);
    }
    return out;
}

}  // namespace

void ApplyListRequeryRule(CodeFileState& state) {
    const std::string line = state.line;
    const ConversionOptions& options = state.session.options;
    const size_t requery = IFind(line, ".REQUERY");
    const std::string asWritten = line.substr(0, requery);
    // A form an expression gives (GetFormFromName(x).Requery): which data
    // control it has cannot be known here.
    if (asWritten.ends_with(")")) {
        CommentedOut(state, reason::kArgumentsNotConverted);
        return;
    }
    std::string p = asWritten;
    while (!p.empty() && !EndsTheQualifier(p.back()))
        p.pop_back();

    if (!p.empty()) {
        std::string prefix, control;
        const bool bracket = p.back() == ']';
        if (bracket) {
            size_t open = p.find('[');
            size_t close = p.find(']');
            prefix = p.substr(0, open == std::string::npos ? 0 : open);
            control = open == std::string::npos || close < open
                          ? std::string()
                          : MakeVBName(p.substr(open + 1, close - open - 1));
        } else {
            prefix = p;
            control = line.substr(p.size(), requery - p.size());
        }
        if (options.listBoxBound) {
            std::string dataControl = "dat" + control;
            if (state.formNames != nullptr) {
                const std::string given =
                    state.formNames->Find(std::string(name_key::kListDataControl) + control);
                if (!given.empty())
                    dataControl = given;
            }
            std::string newText = prefix + dataControl + ".Refresh";
            TranslatedWithNote(state, reason::kTranslatedCheck, newText,
                               bracket ? p + "dat" + "." + "Refresh" : newText);
        } else {
            const std::string g = options.listBoxType == 1 ? "GT" : "";
            auto text = [&](const std::string& list) {
                return "gvarreturn = additems" + g + "(gettoken(" + list + ".Tag,2,\"~\")" + ", " +
                       list + ", \"Jet\")";
            };
            TranslatedWithNote(state, reason::kTranslatedCheck, text(prefix + control),
                               text(asWritten));
        }
        return;
    }

    std::string p2 = line.substr(0, requery + 1);
    if (IStartsWith(line, "Me") && p2.size() <= 3)
        p2 = state.moduleName + ".";
    if (options.listBoxBound) {
        std::string dataControl = "dat" + Without(p2, '[', ']') + "Refresh";
        // The form's own data control, by the name it was given.
        if (state.formNames != nullptr && p2 == state.moduleName + ".") {
            const std::string given = state.formNames->Find(name_key::kFormDataControl);
            if (!given.empty())
                dataControl = given + ".Refresh";
        }
        TranslatedWithNote(state, reason::kTranslatedCheck, dataControl, "dat" + p2 + "Refresh");
    } else {
        CommentedOut(state, reason::kArgumentsNotConverted);
    }
}

}  // namespace velorin
