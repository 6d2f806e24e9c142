#include "form_context/frx_entry.h"

#include <cstdio>

namespace velorin {

std::string WriteFrxEntry(FormOutput& output, std::string_view text, bool flag, FrxEntry kind) {
    std::string& frx = output.Frx();
    const auto offset = static_cast<unsigned long>(frx.size());

    std::string entry;
    if (kind == FrxEntry::Picture) {
        // Size, the class identifier of the standard picture object, and an empty picture.
        static constexpr unsigned char kPicture[28] = {
            0x18, 0x00, 0x00, 0x00, 0x04, 0x52, 0xE3, 0x0B, 0x91, 0x8F, 0xCE, 0x11, 0x9D, 0xE3,
            0x00, 0xAA, 0x00, 0x4B, 0xB8, 0x51, 0x6C, 0x74, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00};
        entry.assign(reinterpret_cast<const char*>(kPicture), sizeof kPicture);
    } else {
        // The length is one byte, so a longer text is cut rather than corrupt the file.
        std::string_view kept = text.substr(0, std::min<size_t>(text.size(), 255));
        entry = std::string("\xCE\xFA\x01\x00", 4);
        entry += flag ? std::string("\x2B\x00\x00\x00", 4) : std::string("\x01\x00\x00\x00", 4);
        entry.push_back(static_cast<char>(kept.size()));
        entry += kept;
    }
    frx += entry;
    char hex[24];
    std::snprintf(hex, sizeof hex, "%04lX", offset);
    return hex;
}

}  // namespace velorin
