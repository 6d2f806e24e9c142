// The help book: HTML pages beside the program (help/), shown in a window of
// their own, by page or by a message's help context.
#pragma once

#include <QString>

class QWidget;

namespace velorin {

class HelpBook {
  public:
    explicit HelpBook(QString folder) : folder_(std::move(folder)) {}

    // The page for a help context; the contents for any context without one.
    static QString PageFor(int context);
    // Opens the page of `context` (0: the contents) in a help window.
    void Show(QWidget* parent, int context = 0) const;
    QString Folder() const { return folder_; }

  private:
    QString folder_;
};

}  // namespace velorin
