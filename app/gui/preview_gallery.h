// "Form Previews": the pictures of a folder of form previews as thumbnails,
// each named by its form, and the one chosen at full size beside them.
#pragma once

#include <QDialog>
#include <QSize>
#include <QStringList>
#include <QThreadPool>

class QImage;
class QLabel;
class QListWidget;

namespace velorin {

class PreviewGallery : public QDialog {
    Q_OBJECT
  public:
    // Thumbnails fit in this size, their pictures' proportions kept.
    static constexpr QSize kThumbnailSize{200, 150};

    // Shows at once; the thumbnails are read and scaled on other threads and
    // appear as they are ready.
    explicit PreviewGallery(const QString& folder, QWidget* parent = nullptr);
    ~PreviewGallery() override;

    // The PNG files of `folder`, as paths, sorted by name without regard to case.
    static QStringList PicturesIn(const QString& folder);

    const QString& Folder() const { return folder_; }

    // Shows the picture of a row at full size, its form's name above it.
    void ShowPicture(int row);

    // Whether some thumbnails are still being made.
    bool LoadingThumbnails() const { return pending_ > 0; }

  private:
    void LoadThumbnails();
    void SetThumbnail(int row, const QImage& thumbnail);

    QString folder_;
    QListWidget* list_ = nullptr;
    QLabel* heading_ = nullptr;
    QLabel* picture_ = nullptr;
    int pending_ = 0;
    // Its own threads, so that closing the window waits for none but its own.
    QThreadPool pool_;
};

}  // namespace velorin
