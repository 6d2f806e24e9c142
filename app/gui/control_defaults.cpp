#include "control_defaults.h"

namespace velorin {

WindowOptions DecodeControlDefaults(const std::string& text, WindowOptions options) {
    if (text.empty())
        return options;
    auto flag = [&](size_t i) { return i < text.size() && text[i] == '1'; };
    // A digit that is not one reads as 0, as Val does.
    auto index = [&](size_t i) {
        return i < text.size() && text[i] >= '0' && text[i] <= '9' ? text[i] - '0' : 0;
    };
    options.vb5 = flag(1);
    options.listBoxType = index(2);
    options.listBoxBound = flag(3);
    options.comboBoxType = index(4);
    options.comboBoxBound = flag(5);
    options.calendar = flag(6);
    options.optionSet = flag(7);
    options.mdi = flag(8);
    options.standardControls = flag(9);
    return options;
}

std::string EncodeControlDefaults(const WindowOptions& o) {
    auto flag = [](bool on) { return on ? '1' : '0'; };
    auto digit = [](int i) { return static_cast<char>('0' + (i >= 0 && i <= 9 ? i : 0)); };
    return {'0',
            flag(o.vb5),
            digit(o.listBoxType),
            flag(o.listBoxBound),
            digit(o.comboBoxType),
            flag(o.comboBoxBound),
            flag(o.calendar),
            flag(o.optionSet),
            flag(o.mdi),
            flag(o.standardControls),
            '0'};
}

RecentFiles RotateRecentFiles(const RecentFiles& files, const std::string& path) {
    if (path == files[0])
        return files;
    if (path == files[1])
        return {path, files[0], files[2], files[3]};
    if (path == files[2])
        return {path, files[0], files[1], files[3]};
    return {path, files[0], files[1], files[2]};
}

}  // namespace velorin
