// The pictures of the converted forms, previews/NAME.png in the output
// directory, drawn when the user asks for them: each Access form beside the
// form file written from it.
#pragma once

#include <optional>
#include <string>

#include <functional>
#include <map>

#include "common/output_directory.h"
#include "form_context/form_state.h"
#include "preview/converted_form_picture.h"
#include "session/session.h"

namespace velorin {

// Draws one picture (DrawConvertedForm), handed to the conversion by a program
// that can draw.
using FormPictureStep = std::function<ConvertedFormPicture(
    const AccessForm&, const std::filesystem::path&, std::string_view, std::string,
    const std::vector<MarkedControl>&)>;

// The folder of the pictures, inside the output directory.
inline constexpr std::string_view kPreviewFolder = "previews";

class FormPreviews {
  public:
    // The pictures the last conversion drew are deleted. Ready when the user
    // asked for pictures and they can be drawn here; otherwise says why none
    // will be drawn.
    FormPreviews(Session& session, FormPictureStep draw);

    // Draws the picture of a form whose file (fileForm.frm) was just written;
    // the picture's path, or empty when none was drawn.
    std::string Draw(const std::string& fileForm, const AccessForm& form, const FormResult& result);

    int Drawn() const { return drawn_; }

  private:
    std::string ReasonText(int reason);

    Session& session_;
    FormPictureStep draw_;
    std::optional<OutputDirectory> folder_;
    std::map<int, std::string> reasonTexts_;
    int drawn_ = 0;
};

}  // namespace velorin
