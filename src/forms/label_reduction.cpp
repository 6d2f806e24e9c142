#include "forms/label_reduction.h"

#include <map>
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

// The tab strip whose pages list each block, for the blocks a strip lists.
std::map<const DesignBlock*, DesignBlock*> StripsListing(DesignBlock& form) {
    std::map<const DesignBlock*, DesignBlock*> strips;
    form.Visit([&](DesignBlock& block) {
        if (block.ClassName() != "TabDlg.SSTab")
            return;
        for (const DesignBlock* member : block.Blocks())
            strips.emplace(member, &block);  // the first strip, as the form is read
    });
    return strips;
}

// How many blocks of the form hold each name, names compared as Visual Basic
// compares them: the form's count of control names is the number of keys.
std::map<std::string, int, ILess> NameUses(const DesignBlock& form) {
    std::map<std::string, int, ILess> uses;
    for (const DesignBlock* block : form.Blocks())
        block->Visit([&](const DesignBlock& inner) { ++uses[std::string(inner.Name())]; });
    return uses;
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
// already be an array's. The form's names are counted by the blocks that
// hold each, moved as each label is renamed, so that a label whose name
// another block still holds counts nothing.
void MergeLabels(FormState& state, const std::vector<DesignBlock*>& labels) {
    DesignBlock& form = state.output.Form();
    int& count = state.shared.result.controlCount;
    const std::map<const DesignBlock*, DesignBlock*> strips = StripsListing(form);
    std::map<std::string, int, ILess> uses = NameUses(form);
    for (size_t start = 0; start < labels.size(); start += kGroupSize) {
        const std::string arrayName(labels[start]->Name());
        for (size_t i = start; i < labels.size() && i < start + kGroupSize; ++i) {
            DesignBlock& label = *labels[i];
            const std::string name(label.Name());
            const std::string index = std::to_string(i - start);
            // "Begin VB.Label Name" becomes "Begin VB.Label Array" with its Index.
            label.Rename(arrayName);
            label.AddLineFirst("Index = " + index);
            if (const auto strip = strips.find(&label); strip != strips.end())
                RenameStripMember(*strip->second, name, arrayName + "(" + index + ")");
            if (const auto old = uses.find(name); old != uses.end() && --old->second == 0)
                uses.erase(old);
            ++uses[arrayName];
            count = static_cast<int>(uses.size());
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
