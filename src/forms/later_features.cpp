#include "forms/later_features.h"

#include "code/analysis_records.h"
#include "form_context/control_placement.h"
#include "session/host/known_properties.h"

namespace velorin {
namespace {

// Control types that came after Access 97 and show something: attachment,
// web browser, navigation control and button, chart (an empty cell of a
// layout shows nothing).
constexpr int kLaterTypes[] = {126, 128, 129, 130, 133};

void Record(FormState& state, int reasonId, std::string line) {
    WriteReportRecord(state.session.supportDb,
                      {state.shared.fileName, reasonId, std::move(line), 0, {}, {}});
}

// A finding of the current control, which its picture outlines.
void RecordForControl(FormState& state, int reasonId, std::string line) {
    Record(state, reasonId, std::move(line));
    NotePartialControl(state, reasonId);
}

bool HasBytes(const PropertyValue& value) {
    return value.kind() == PropertyValue::Kind::Binary && !value.AsText().empty();
}

}  // namespace

void RecordLaterControlFeatures(FormState& state) {
    const AccessControl& control = *state.control;
    const std::string& name = state.controlVbName;
    bool lost = false;
    for (int type : kLaterTypes) {
        if (control.ControlType() == type) {
            RecordForControl(state, reason::kAccessOnlyFeature, control.TypeName() + " " + name);
            lost = true;
        }
    }
    // A later button keeps its picture as ImageData (or as PictureData with
    // no Picture beside it); Access 97's "(bitmap)" its writer records itself.
    const std::string picture = control.Text("Picture");
    const bool pictureNamed = !picture.empty() && picture != "(none)";
    if (!pictureNamed &&
        (HasBytes(control.Property("ImageData")) || HasBytes(control.Property("PictureData")))) {
        if (control.ControlType() == control_type::kCommandButton ||
            control.ControlType() == control_type::kToggleButton) {
            RecordForControl(state, reason::kButtonBitmap, name);
            lost = true;
        }
    }
    for (std::string_view format :
         {"ConditionalFormat", "ConditionalFormat12", "ConditionalFormat14"}) {
        if (HasBytes(control.Property(format))) {
            RecordForControl(state, reason::kAccessOnlyFeature, name + ".ConditionalFormat");
            lost = true;
            break;
        }
    }
    // 1 is rich text: Visual Basic's text box would show its HTML.
    if (control.Property("TextFormat").AsLong() == 1) {
        RecordForControl(state, reason::kAccessOnlyFeature, name + ".TextFormat = 1");
        lost = true;
    }
    for (std::string_view event : LaterEvents()) {
        const std::string value = control.Text(event);
        if (!value.empty()) {
            RecordForControl(state, reason::kAccessOnlyFeature,
                             name + "." + std::string(event) + " = " + value);
            lost = true;
        }
    }
    if (lost)
        ++state.shared.result.partiallyConvertedCount;
}

void RecordLaterFormFeatures(FormState& state) {
    const AccessForm& form = state.Form();
    // An embedded form's findings go with the form that shows it, under its name.
    const std::string owner = state.isSubform ? form.Name() : "Form";
    for (std::string_view event : LaterEvents()) {
        const std::string value = form.Text(event);
        if (!value.empty())
            Record(state, reason::kAccessOnlyFeature,
                   owner + "." + std::string(event) + " = " + value);
        for (int section = 0; section <= section_number::kPageFooter; ++section) {
            const std::string onSection = form.SectionProperty(section, event).AsText();
            if (!onSection.empty())
                Record(state, reason::kAccessOnlyFeature,
                       "Section(" + std::to_string(section) + ")." + std::string(event) + " = " +
                           onSection);
        }
    }
}

}  // namespace velorin
