// The writers a form conversion hands work to: one per Access control class
// and the form-level steps. A writer that is not there is skipped.
#pragma once

#include <functional>
#include <string>

namespace velorin {

struct FormState;

// Writes the current control of the state.
using ControlWriter = std::function<void(FormState&)>;

struct FormWriters {
    ControlWriter label;
    ControlWriter rectangle;
    ControlWriter line;
    ControlWriter picture;
    ControlWriter commandButton;
    ControlWriter optionButton;  // free option and toggle buttons
    ControlWriter checkBox;
    ControlWriter optionGroup;
    ControlWriter boundObjectFrame;
    ControlWriter textBox;
    ControlWriter customControl;
    ControlWriter standardListBox;
    ControlWriter greenTreeListBox;
    ControlWriter sheridanListBox;
    ControlWriter listBoxEvents;
    ControlWriter standardComboBox;
    ControlWriter greenTreeComboBox;
    ControlWriter sheridanComboBox;
    ControlWriter comboBoxEvents;
    ControlWriter subform;

    // The form's own event procedures.
    std::function<void(FormState&)> formEvents;
    // An embedded form's events: its records', and its Open and Load.
    std::function<void(FormState&)> embeddedFormEvents;
    // The toolbar and menus named by the form; the menu builder returns
    // whether it wrote menus.
    std::function<void(FormState&, const std::string& toolbar)> toolbar;
    std::function<bool(FormState&, const std::string& menuBar)> menus;
};

}  // namespace velorin
