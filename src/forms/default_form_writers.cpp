#include "forms/default_form_writers.h"

#include "controls/event_procedures.h"
#include "controls/list_controls.h"
#include "controls/static_controls.h"
#include "controls/value_controls.h"
#include "forms/form_events.h"
#include "forms/menus_and_toolbars.h"
#include "forms/subform_conversion.h"

namespace velorin {

const FormWriters& DefaultFormWriters() {
    static const FormWriters writers = [] {
        FormWriters w;
        w.label = WriteLabel;
        w.rectangle = WriteRectangle;
        w.line = WriteLine;
        w.picture = WritePicture;
        w.subform = ConvertSubformControl;
        w.textBox = WriteTextBox;
        w.checkBox = WriteCheckBox;
        w.optionButton = WriteOptionButton;
        w.optionGroup = WriteOptionGroup;
        w.commandButton = WriteCommandButton;
        w.boundObjectFrame = WriteObjectFrame;
        w.customControl = WriteCustomControl;
        w.standardListBox = WriteStandardListBox;
        w.greenTreeListBox = WriteGTList;
        w.sheridanListBox = WriteSSGrid;
        w.standardComboBox = WriteStandardComboBox;
        w.greenTreeComboBox = WriteGTCombo;
        w.sheridanComboBox = WriteSSCombo;
        w.listBoxEvents = WriteListBoxEvents;
        w.comboBoxEvents = WriteComboBoxEvents;
        w.formEvents = WriteFormEvents;
        w.embeddedFormEvents = WriteEmbeddedFormEvents;
        w.toolbar = BuildToolbar;
        w.menus = BuildMenus;
        return w;
    }();
    return writers;
}

}  // namespace velorin
