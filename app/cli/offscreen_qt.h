// The Qt application the commands that draw (reports, previews) need for
// fonts and painting: on the offscreen platform, so no display is wanted, and
// without Qt's own remarks (a runtime directory it had to choose, a font it
// substituted), which are not the user's business. A fatal error still ends
// the program with its message.
#pragma once

#include <QGuiApplication>

#include <memory>

namespace velorin {

class OffscreenQt {
  public:
    OffscreenQt();
    OffscreenQt(const OffscreenQt&) = delete;
    OffscreenQt& operator=(const OffscreenQt&) = delete;

  private:
    int argc_ = 1;
    char program_[8] = "velorin";
    char* argv_[2] = {program_, nullptr};
    // Made in the constructor, once the platform is chosen.
    std::unique_ptr<QGuiApplication> application_;
};

}  // namespace velorin
