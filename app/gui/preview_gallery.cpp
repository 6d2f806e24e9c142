#include "preview_gallery.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScrollArea>
#include <QSplitter>
#include <QVBoxLayout>
#include <algorithm>

namespace velorin {
namespace {

// Room for a thumbnail and two lines of its name.
constexpr QSize kCellSize{PreviewGallery::kThumbnailSize.width() + 20,
                          PreviewGallery::kThumbnailSize.height() + 40};

QString FormName(const QString& path) {
    return QFileInfo(path).completeBaseName();
}

// Made once, off the window's thread: reading a picture of a large form
// takes tens of milliseconds, scaling it a few more. A picture smaller than a
// thumbnail keeps its size. A null image when the file cannot be read.
QImage Thumbnail(const QString& path) {
    const QImage image(path);
    if (image.width() <= PreviewGallery::kThumbnailSize.width() &&
        image.height() <= PreviewGallery::kThumbnailSize.height())
        return image;
    return image.scaled(PreviewGallery::kThumbnailSize, Qt::KeepAspectRatio,
                        Qt::SmoothTransformation);
}

}  // namespace

QStringList PreviewGallery::PicturesIn(const QString& folder) {
    if (folder.isEmpty())
        return {};
    // The filter matches .png in any case; a folder named like a picture is left out.
    QFileInfoList files = QDir(folder).entryInfoList({"*.png"}, QDir::Files);
    // Names that differ only in case keep one order.
    std::sort(files.begin(), files.end(), [](const QFileInfo& a, const QFileInfo& b) {
        const int order = a.fileName().compare(b.fileName(), Qt::CaseInsensitive);
        return order != 0 ? order < 0 : a.fileName() < b.fileName();
    });
    QStringList paths;
    for (const QFileInfo& file : files)
        paths.append(file.absoluteFilePath());
    return paths;
}

PreviewGallery::PreviewGallery(const QString& folder, QWidget* parent)
    : QDialog(parent), folder_(folder) {
    setObjectName("frmPreviews");
    setWindowTitle("Form Previews - " + QDir::toNativeSeparators(folder));
    auto* layout = new QVBoxLayout(this);
    const QStringList pictures = PicturesIn(folder);
    if (pictures.isEmpty()) {
        auto* none = new QLabel(QString("There are no form previews (PNG pictures) in %1.")
                                    .arg(QDir::toNativeSeparators(folder)),
                                this);
        none->setObjectName("lblNoPreviews");
        none->setWordWrap(true);
        none->setAlignment(Qt::AlignCenter);
        layout->addWidget(none, 1);
        resize(480, 160);
    } else {
        list_ = new QListWidget;
        list_->setObjectName("lstPreviews");
        list_->setViewMode(QListView::IconMode);
        list_->setIconSize(kThumbnailSize);
        list_->setGridSize(kCellSize);
        list_->setResizeMode(QListView::Adjust);
        list_->setMovement(QListView::Static);
        // Not of uniform size: an item is measured again when its thumbnail
        // arrives, where a size taken from the first item before its
        // thumbnail came would leave every item too small to show one.
        list_->setWordWrap(true);
        for (const QString& path : pictures) {
            auto* item = new QListWidgetItem(FormName(path), list_);
            item->setData(Qt::UserRole, path);
            item->setToolTip(QDir::toNativeSeparators(path));
        }

        heading_ = new QLabel("Choose a form to see its preview at full size.");
        heading_->setObjectName("lblPreviewName");
        QFont bold = heading_->font();
        bold.setBold(true);
        bold.setPointSizeF(bold.pointSizeF() * 1.25);
        heading_->setFont(bold);
        picture_ = new QLabel;
        picture_->setObjectName("lblPreviewPicture");
        picture_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        auto* scroll = new QScrollArea;
        scroll->setObjectName("scrPreview");
        // The label keeps the picture's size: the picture is shown 1:1, never stretched.
        scroll->setWidgetResizable(false);
        scroll->setWidget(picture_);
        auto* viewer = new QWidget;
        auto* viewerLayout = new QVBoxLayout(viewer);
        viewerLayout->setContentsMargins(0, 0, 0, 0);
        viewerLayout->addWidget(heading_);
        viewerLayout->addWidget(scroll, 1);

        auto* splitter = new QSplitter(Qt::Horizontal, this);
        splitter->setObjectName("splPreviews");
        splitter->addWidget(list_);
        splitter->addWidget(viewer);
        // Two columns of thumbnails; the picture shown takes the rest, and the
        // room the window gains.
        splitter->setStretchFactor(1, 1);
        splitter->setSizes({2 * kCellSize.width() + 60, 700});
        layout->addWidget(splitter, 1);
        resize(1200, 800);
        // A click, the arrow keys or Enter choose the picture shown.
        connect(list_, &QListWidget::currentRowChanged, this, &PreviewGallery::ShowPicture);
        connect(list_, &QListWidget::itemActivated, this,
                [this](QListWidgetItem* item) { ShowPicture(list_->row(item)); });
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->button(QDialogButtonBox::Close)->setObjectName("cmdClose");
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    LoadThumbnails();
}

PreviewGallery::~PreviewGallery() {
    // The thumbnails not begun are not made; those being made still arrive
    // here, and are dropped with the window's pending events.
    pool_.clear();
    pool_.waitForDone();
}

void PreviewGallery::LoadThumbnails() {
    if (list_ == nullptr)
        return;
    pending_ = list_->count();
    // In list order: the first rows, the ones in view, come first.
    for (int row = 0; row < list_->count(); ++row) {
        const QString path = list_->item(row)->data(Qt::UserRole).toString();
        pool_.start([this, row, path] {
            const QImage thumbnail = Thumbnail(path);
            QMetaObject::invokeMethod(
                this, [this, row, thumbnail] { SetThumbnail(row, thumbnail); },
                Qt::QueuedConnection);
        });
    }
}

void PreviewGallery::SetThumbnail(int row, const QImage& thumbnail) {
    --pending_;
    QListWidgetItem* item = list_->item(row);
    if (thumbnail.isNull())
        item->setToolTip(item->toolTip() + " cannot be read.");
    else
        item->setIcon(QIcon(QPixmap::fromImage(thumbnail)));
}

void PreviewGallery::ShowPicture(int row) {
    if (list_ == nullptr || row < 0 || row >= list_->count())
        return;
    const QListWidgetItem* item = list_->item(row);
    heading_->setText(item->text());
    // Read again at full size: the gallery keeps only the thumbnails.
    const QImage image(item->data(Qt::UserRole).toString());
    if (image.isNull()) {
        picture_->setPixmap(QPixmap());
        picture_->setText("This picture cannot be read.");
    } else {
        picture_->setPixmap(QPixmap::fromImage(image));
    }
    picture_->adjustSize();
}

}  // namespace velorin
