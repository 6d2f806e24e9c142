#include "forms/label_reduction.h"

#include <set>

#include "code/procedure_headers.h"
#include "common/ansi_text.h"
#include "common/names.h"
#include "common/string_helpers.h"
#include "common/vb_quote.h"
#include "forms/control_dispatch.h"
#include "output/design_block.h"
#include "session/string_table.h"

namespace velorin {
namespace {

constexpr int kGroupSize = 11;
constexpr int kHelpContext = 301;

std::string Text(int id) {
    return std::string(LoadText(id));
}

// The tab strip whose page lists `label`, if one does.
DesignBlock* StripListing(DesignBlock& form, const DesignBlock& label) {
    DesignBlock* strip = nullptr;
    form.Visit([&](DesignBlock& block) {
        if (strip != nullptr || block.ClassName() != "TabDlg.SSTab")
            return;
        for (const DesignBlock* member : block.Blocks()) {
            if (member == &label)
                strip = &block;
        }
    });
    return strip;
}

// A strip lists a label that joined an array by its array name and index: the
// first line that still lists it by its own name is changed.
void RenameStripMember(DesignBlock& strip, const std::string& name, const std::string& member) {
    const std::string listed = "=" + VbQuoted(name);
    bool renamed = false;
    strip.EditLines([&](std::string& line) {
        const std::string_view text = TrimWhitespace(line);
        if (!renamed && text.starts_with("Tab(") &&
            text.find(").Control(") != std::string_view::npos && text.ends_with(listed)) {
            line =
                std::string(text.substr(0, text.size() - listed.size())) + "=" + VbQuoted(member);
            renamed = true;
        }
    });
}

// Merges groups of eleven labels; returns when the form's names are few
// enough. Each label block is merged itself, not looked up by its name: two
// labels may have names Visual Basic reads as one, and the first of them may
// already be an array's. The form's names are counted again after each
// merge, so that a label whose name another block still holds counts nothing.
void MergeLabels(FormState& state, const std::vector<DesignBlock*>& labels) {
    DesignBlock& form = state.output.Form();
    int& count = state.shared.result.controlCount;
    for (size_t start = 0; start < labels.size(); start += kGroupSize) {
        const std::string arrayName(labels[start]->Name());
        for (size_t i = start; i < labels.size() && i < start + kGroupSize; ++i) {
            DesignBlock& label = *labels[i];
            const std::string name(label.Name());
            const std::string index = std::to_string(i - start);
            DesignBlock* strip = StripListing(form, label);
            // "Begin VB.Label Name" becomes "Begin VB.Label Array" with its Index.
            label.Rename(arrayName);
            label.AddLineFirst("Index = " + index);
            if (strip != nullptr)
                RenameStripMember(*strip, name, arrayName + "(" + index + ")");
            count = CountControlNames(form);
            if (count < kControlLimit - 1)
                return;
        }
    }
}

// The controls the form's code has event procedures for (Name_Click, ...).
std::set<std::string, ILess> ControlsWithProcedures(const FormCode& code) {
    std::set<std::string, ILess> controls;
    for (const CodeText* part : {&code.module, &code.events}) {
        for (const std::string& procedure : ProcedureNames(*part)) {
            const size_t cut = procedure.rfind('_');
            if (cut != std::string::npos && cut > 0)
                controls.insert(procedure.substr(0, cut));
        }
    }
    return controls;
}

}  // namespace

bool ReduceLabelControls(FormState& state) {
    Session& session = state.session;
    // The labels the form holds: those written into its block, an embedded
    // form's among them; a label whose control carries its caption has none.
    // A label with event procedures stays alone: in an array its procedures
    // would have to take the element's index.
    const std::set<std::string, ILess> withProcedures = ControlsWithProcedures(state.output.Code());
    std::vector<DesignBlock*> defaultNamed, otherNamed;
    int labels = 0;
    state.output.Form().Visit([&](DesignBlock& block) {
        if (block.ClassName() != "VB.Label" || withProcedures.count(std::string(block.Name())) > 0)
            return;
        ++labels;
        (IStartsWith(block.Name(), "Label") ? defaultNamed : otherNamed).push_back(&block);
    });
    const int count = state.shared.result.controlCount;
    const std::string head = Text(text_id::kTheForm) + "\"" + state.Form().Name() + "\"" +
                             Text(text_id::kHas) + std::to_string(count) +
                             Text(text_id::kControlsLimit) + std::to_string(kControlLimit);
    const int projected = count - labels + labels / kGroupSize + 1;
    if (projected > kControlLimit) {
        Message message;
        message.text = head + Text(text_id::kCannotReduce);
        message.buttons = Buttons::OkHelp;
        message.helpContext = kHelpContext;
        session.ui.Show(message);
        return false;
    }
    Message question;
    question.text = head + Text(text_id::kCanReduce);
    question.buttons = Buttons::YesNoHelp;
    question.icon = Icon::Question;
    question.helpContext = kHelpContext;
    if (session.ui.Show(question) != Answer::Yes)
        return false;
    if (defaultNamed.size() > 1)
        MergeLabels(state, defaultNamed);
    if (state.shared.result.controlCount >= kControlLimit - 1)
        MergeLabels(state, otherNamed);
    return state.shared.result.controlCount <= kControlLimit;
}

}  // namespace velorin
