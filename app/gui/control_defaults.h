// The options as the settings keep them: ControlDefaults, eleven characters,
// one per option; and the rotation of the four recent databases.
#pragma once

#include <array>
#include <string>

namespace velorin {

struct WindowOptions {
    bool vb5 = true;
    int listBoxType = 2;  // list index: 0 GreenTree, 1 Sheridan 2.0, 2 Sheridan 3.0
    bool listBoxBound = true;
    int comboBoxType = 2;
    bool comboBoxBound = true;
    bool calendar = false;
    bool optionSet = false;
    bool mdi = false;
    bool standardControls = false;
    // Kept apart from ControlDefaults, as DrawPreviews (see settings_store.h).
    bool drawPreviews = false;
};

// Applies a ControlDefaults text over `options`: "1" sets a flag (or chooses
// VB 5, Bound), anything else clears it; characters 3 and 5 are list indexes.
// The first and the last character held check boxes that changed nothing
// (security checking, relative paths): they are not read, and written as 0.
// An empty text changes nothing.
WindowOptions DecodeControlDefaults(const std::string& text, WindowOptions options);
std::string EncodeControlDefaults(const WindowOptions& options);

using RecentFiles = std::array<std::string, 4>;

// The list after `path` was opened: the same path first stays; the second or
// third moves to the front; any other path goes first and the fourth drops out.
// Paths compare exactly, case included.
RecentFiles RotateRecentFiles(const RecentFiles& files, const std::string& path);

}  // namespace velorin
