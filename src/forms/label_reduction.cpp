#include "forms/label_reduction.h"

#include "common/ansi_text.h"
#include "common/names.h"
#include "common/string_helpers.h"
#include "common/vb_quote.h"
#include "controls/support_library/support_library.h"
#include "forms/control_dispatch.h"
#include "session/string_table.h"

namespace velorin {
namespace {

constexpr int kGroupSize = 11;
constexpr int kHelpContext = 301;

std::string Text(int id) {
    return std::string(LoadText(id));
}

// The tab strip whose page lists the label block `name`, if one does.
DesignBlock* StripListing(DesignBlock& form, const std::string& name) {
    DesignBlock* strip = nullptr;
    form.Visit([&](DesignBlock& block) {
        if (strip != nullptr || block.ClassName() != "TabDlg.SSTab")
            return;
        for (const DesignBlock* member : block.Blocks()) {
            if (member->ClassName() == "VB.Label" && member->Name() == name)
                strip = &block;
        }
    });
    return strip;
}

// A strip lists a label that joined an array by its array name and index.
void RenameStripMember(DesignBlock& strip, const std::string& name, const std::string& member) {
    const std::string listed = "=" + VbQuoted(name);
    strip.EditLines([&](std::string& line) {
        const std::string_view text = TrimWhitespace(line);
        if (text.starts_with("Tab(") && text.find(").Control(") != std::string_view::npos &&
            text.ends_with(listed))
            line =
                std::string(text.substr(0, text.size() - listed.size())) + "=" + VbQuoted(member);
    });
}

// Merges groups of eleven labels; returns when the count is low enough.
void MergeLabels(FormState& state, const std::vector<std::string>& labels) {
    int& count = state.shared.result.controlCount;
    for (size_t start = 0; start < labels.size(); start += kGroupSize) {
        const std::string& arrayName = labels[start];
        for (size_t i = start; i < labels.size() && i < start + kGroupSize; ++i) {
            const int index = static_cast<int>(i - start);
            DesignBlock* strip = StripListing(state.output.Form(), labels[i]);
            int done = AddToCtlArray(state.output.Form(), arrayName, "Begin VB.Label " + labels[i],
                                     std::to_string(index));
            if (done == 1 && strip != nullptr)
                RenameStripMember(*strip, labels[i], arrayName + "(" + std::to_string(index) + ")");
            if (done == 1 && index > 0)
                --count;
            if (count < kControlLimit - 1)
                return;
        }
    }
}

}  // namespace

bool ReduceLabelControls(FormState& state) {
    Session& session = state.session;
    // The labels the form holds: those written into its block, an embedded
    // form's among them; a label whose control carries its caption has none.
    std::vector<std::string> defaultNamed, otherNamed;
    int labels = 0;
    state.output.Form().Visit([&](const DesignBlock& block) {
        if (block.ClassName() != "VB.Label")
            return;
        ++labels;
        const std::string name(block.Name());
        (IStartsWith(name, "Label") ? defaultNamed : otherNamed).push_back(name);
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
