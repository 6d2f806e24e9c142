#include "driver/form_previews.h"

#include <filesystem>
#include <system_error>

namespace velorin {

FormPreviews::FormPreviews(Session& session, FormPictureStep draw)
    : session_(session), draw_(std::move(draw)) {
    const std::filesystem::path path = session.out.Path() / std::string(kPreviewFolder);
    std::error_code ec;
    if (!session.Settings().options.drawPreviews) {
        // The last conversion's pictures no longer show this one's forms.
        if (std::filesystem::is_regular_file(path / std::string(kRecordName), ec)) {
            OutputDirectory last(path);
            last.TrackWrittenFiles();
            last.RemovePreviousFiles();
        }
        return;
    }
    if (!draw_) {
        session.ui.Warn("no form pictures are drawn: this program cannot draw them");
        return;
    }
    std::filesystem::create_directory(path, ec);
    if (!std::filesystem::is_directory(std::filesystem::symlink_status(path, ec))) {
        session.ui.Warn("no form pictures are drawn: " + path.string() +
                        " cannot be made a folder");
        return;
    }
    folder_.emplace(path);
    folder_->TrackWrittenFiles();
    folder_->RemovePreviousFiles();
}

std::string FormPreviews::ReasonText(int reason) {
    auto known = reasonTexts_.find(reason);
    if (known != reasonTexts_.end())
        return known->second;
    std::string text = "reason " + std::to_string(reason);
    if (sqlite3_stmt* query =
            session_.supportDb.Prepare("SELECT Description FROM tblReasons WHERE ReasonID = ?1")) {
        sqlite3_bind_int(query, 1, reason);
        if (sqlite3_step(query) == SQLITE_ROW)
            if (const unsigned char* description = sqlite3_column_text(query, 0))
                text = reinterpret_cast<const char*>(description);
        sqlite3_reset(query);
    }
    return reasonTexts_.emplace(reason, text).first->second;
}

std::string FormPreviews::Draw(const std::string& fileForm, const AccessForm& form,
                               const FormResult& result) {
    if (!folder_)
        return {};
    const std::string picture = fileForm + ".png";
    if (folder_->IsForeign(picture)) {
        session_.ui.Warn("form " + form.Name() + ": " + std::string(kPreviewFolder) + "/" +
                         picture + " was not drawn by Velorin; it is left as it is");
        return {};
    }
    const std::optional<std::string> text = session_.out.Read(fileForm + ".frm");
    if (!text)
        return {};
    std::vector<MarkedControl> marked;
    for (const PartialControl& partial : result.partialControls) {
        // A control of an embedded form is not on the Access form's picture.
        const bool own = IEquals(partial.form, form.Name());
        marked.push_back({own ? partial.control : std::string(), partial.vbName,
                          (own ? partial.control : partial.form + "." + partial.control) + ": " +
                              ReasonText(partial.reason)});
    }
    const ConvertedFormPicture drawn =
        draw_(form, session_.out.PathOf(fileForm + ".frm"), *text,
              session_.out.Read(fileForm + ".frx").value_or(std::string()), marked);
    if (!drawn.error.empty()) {
        session_.ui.Warn("no more form pictures are drawn: " + drawn.error);
        folder_.reset();
        return {};
    }
    if (drawn.png.empty())
        return {};
    if (drawn.controlsLeftOut > 0)
        session_.ui.Warn("form " + form.Name() + ": " + std::to_string(drawn.controlsLeftOut) +
                         (drawn.controlsLeftOut == 1 ? " control lies" : " controls lie") +
                         " outside the form or its container in " + fileForm +
                         ".frm; the picture leaves them out");
    if (!folder_->Write(picture, drawn.png) || !folder_->WriteHeld())
        return {};
    ++drawn_;
    return PathToAnsi(folder_->PathOf(picture));
}

}  // namespace velorin
