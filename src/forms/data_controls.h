// Data controls: a bound form's records come from a VB.Data control; a
// subform's data control follows the parent's current record.
#pragma once

#include <string>
#include <string_view>

#include "forms/form_state.h"

namespace velorin {

struct DataControlLayout {
    std::string name;  // the part after "dat"
    long left = 0;
    long top = 0;
    int recordsetType = 1;     // 1 dynaset, 2 snapshot
    std::string recordSource;  // empty: no RecordSource line
    bool visible = true;
    std::string formFileName;  // when given, the Reposition procedure and caption call are started
};

// A text as a form file's quoted value holds it: CR LF becomes a blank and
// every double quote is doubled.
std::string FormFileText(std::string_view text);

void WriteDataControl(FormState& state, OutputFile& out, const DataControlLayout& layout);

// The top-level form's data control, when its RecordSource is not empty.
void WriteFormDataControl(FormState& state);
// An embedded subform's data control and the statements that link it to the
// top form's current record.
// Named "dat" + name, placed at left and top. An unlinked subform's control
// gets the subform's record source itself.
void WriteSubformDataControl(FormState& state, const AccessForm& subform, const std::string& name,
                             long left, long top);

// Maintains form_<F>.007, the function InitialDataCtlCaptions.
void AddDataCtlCaption(OutputDirectory& out, std::string_view formFileName,
                       std::string_view dataControl, bool finish);

// The record source text of a subform's data control, set each time the
// parent moves: the link join and the Where clause on the master field.
std::string BuildLinkedRecordSource(FormState& state, const std::string& subformRecordSource);

}  // namespace velorin
