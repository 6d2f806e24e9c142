#include <QGuiApplication>
#include <QString>
#include <QtGlobal>

#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <system_error>

#include "cli_commands.h"
#include "offscreen_qt.h"
#include "preview/preview_fonts.h"
#include "preview/render_form.h"

namespace velorin {
namespace {

// Draws one form; false when it cannot be read or its picture written.
bool PreviewOne(const std::filesystem::path& file, const std::filesystem::path& folder) {
    const LoadedForm form = LoadFormFile(file);
    if (!form.error.empty()) {
        std::cerr << "velorin: " << form.error << "\n";
        return false;
    }
    const FormPicture picture = RenderForm(form);
    for (const std::string& warning : picture.warnings)
        std::cerr << "velorin: warning: " << file.filename().string() << ": " << warning << "\n";
    if (picture.image.isNull()) {
        std::cerr << "velorin: " << file.string() << " holds no form block; nothing drawn\n";
        return false;
    }
    const std::filesystem::path target = folder / (file.stem().string() + ".png");
    if (!picture.image.save(QString::fromStdString(target.string()), "PNG")) {
        std::cerr << "velorin: cannot write " << target.string() << "\n";
        return false;
    }
    return true;
}

}  // namespace

int PreviewCommand(const PreviewArguments& a) {
    std::error_code ec;
    std::filesystem::create_directories(a.output, ec);
    if (ec || !std::filesystem::is_directory(a.output, ec)) {
        std::cerr << "velorin: cannot make the folder " << a.output << "\n";
        return 1;
    }
    const OffscreenQt qt;
    if (!LoadPreviewFont()) {
        std::cerr << "velorin: DejaVu Sans is missing (/usr/share/fonts/truetype/dejavu, the "
                     "package fonts-dejavu-core); the pictures need it\n";
        return 1;
    }
    size_t drawn = 0;
    for (const std::string& file : a.forms)
        drawn += PreviewOne(file, a.output) ? 1 : 0;
    std::cout << "Drew " << drawn << (drawn == 1 ? " form" : " forms") << " in " << a.output
              << "\n";
    return drawn == a.forms.size() ? 0 : 1;
}

}  // namespace velorin
