#include "preview/form_file.h"

#include "common/file_contents.h"
#include "common/string_helpers.h"

namespace velorin {

LoadedForm LoadFormFile(const std::filesystem::path& file) {
    const std::optional<std::string> content = ReadWholeFile(file);
    if (!content) {
        LoadedForm form;
        form.file = file;
        form.error = "cannot read " + file.string();
        return form;
    }
    std::filesystem::path companion = file;
    companion.replace_extension(".frx");
    return LoadFormText(file, *content, ReadWholeFile(companion).value_or(std::string()));
}

LoadedForm LoadFormText(const std::filesystem::path& file, std::string_view content,
                        std::string frx) {
    LoadedForm form;
    form.file = file;
    form.design = CheckDesignSection(SplitLineViews(content), form.findings);
    form.frx = std::move(frx);
    return form;
}

std::optional<std::string> FrxEntryBytes(const LoadedForm& form, const DesignValue& reference) {
    if (reference.kind != DesignValueKind::FrxReference)
        return std::nullopt;
    const std::string& frx = form.frx;
    const size_t at = reference.frxOffset;
    auto byteAt = [&frx](size_t i) { return static_cast<unsigned char>(frx[i]); };
    if (at + 4 > frx.size())
        return std::nullopt;
    if (frx.compare(at, 4, "\xCE\xFA\x01\x00", 4) == 0) {
        if (at + 9 > frx.size() || at + 9 + byteAt(at + 8) > frx.size())
            return std::nullopt;
        return frx.substr(at + 9, byteAt(at + 8));
    }
    const size_t length = byteAt(at) | byteAt(at + 1) << 8 | byteAt(at + 2) << 16 |
                          static_cast<size_t>(byteAt(at + 3)) << 24;
    if (length > frx.size() - at - 4)
        return std::nullopt;
    return frx.substr(at + 4, length);
}

}  // namespace velorin
