// Data controls: a bound form's records come from a VB.Data control; a
// subform's data control follows the parent's current record.
#pragma once

#include <string>
#include <string_view>

#include "form_context/form_state.h"

namespace velorin {

struct DataControlLayout {
    std::string name;
    long left = 0;
    long top = 0;
    int recordsetType = 1;     // 1 dynaset, 2 snapshot
    std::string recordSource;  // empty: no RecordSource line
    bool visible = true;
    bool startsProcedures = false;  // the Reposition procedure and the caption call are started
};

void WriteDataControl(FormState& state, DesignWriter& out, const DataControlLayout& layout);

// The top-level form's data control, when its RecordSource is not empty.
void WriteFormDataControl(FormState& state);
// An embedded subform's data control `name` and the statements that link it
// to the current record of its parent's data control, run when the top
// form's data control moves; written into `container` at left and top
// (relative to it). An unlinked subform's control gets the subform's record
// source itself.
void WriteSubformDataControl(FormState& state, const ControlContainer& container,
                             const AccessForm& subform, const std::string& name,
                             const std::string& parentDataControl, long left, long top);

// Maintains the function InitialDataCtlCaptions: a data control's lines, or
// with `finish` its end.
void AddDataCtlCaption(CodeText& captions, std::string_view routine, std::string_view dataControl,
                       bool finish);

// The record source of a subform's data control, set each time the parent
// moves, as an expression in code: the link join and the Where clause on the
// master field.
std::string BuildLinkedRecordSource(FormState& state, const std::string& subformRecordSource,
                                    const std::string& parentDataControl);

}  // namespace velorin
