#include "preview/converted_form_picture.h"

#include <QBuffer>
#include <QByteArray>
#include <QGuiApplication>

#include "preview/access_form_picture.h"
#include "preview/form_file.h"
#include "preview/preview_fonts.h"
#include "preview/render_form.h"
#include "preview/side_by_side.h"

namespace velorin {

std::string PicturesUnavailable() {
    if (QGuiApplication::instance() == nullptr)
        return "form pictures need the program's drawing set up, which this run does not have";
    if (!LoadPreviewFont())
        return "DejaVu Sans is missing (/usr/share/fonts/truetype/dejavu, the package "
               "fonts-dejavu-core); the form pictures need it";
    return {};
}

ConvertedFormPicture DrawConvertedForm(const AccessForm& original,
                                       const std::filesystem::path& file, std::string_view text,
                                       std::string frx, const std::vector<MarkedControl>& marked) {
    ConvertedFormPicture result;
    result.error = PicturesUnavailable();
    if (!result.error.empty())
        return result;
    const LoadedForm converted = LoadFormText(file, text, std::move(frx));
    const FormPicture vb = RenderForm(converted);
    if (vb.image.isNull())
        return result;
    // The form file's faults are the project check's to report; what the
    // picture adds is the controls it could not show.
    result.controlsLeftOut = vb.outside;
    const QImage image = SideBySide(RenderAccessForm(original), vb, marked);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    // Light compression: the pictures are as small, and written in two thirds of the time.
    if (image.save(&buffer, "PNG", 80))
        result.png.assign(bytes.constData(), static_cast<size_t>(bytes.size()));
    return result;
}

}  // namespace velorin
