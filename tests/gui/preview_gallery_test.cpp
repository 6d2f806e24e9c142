// The gallery of form previews: what it lists, shows and says.
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTest>

#include "main_window_test.h"
#include "preview_gallery.h"

namespace velorin {
namespace {

void WritePicture(const QDir& folder, const QString& name, QSize size, QColor colour) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    QVERIFY(image.save(folder.filePath(name), "PNG"));
}

QSize ThumbnailSize(const QListWidgetItem* item) {
    const QList<QSize> sizes = item->icon().availableSizes();
    return sizes.isEmpty() ? QSize() : sizes.front();
}

}  // namespace

void MainWindowTest::galleryListsThePngPicturesOfAFolder() {
    QTemporaryDir dir;
    const QDir folder(dir.path());
    WritePicture(folder, "Orders.png", {400, 100}, Qt::red);
    WritePicture(folder, "customers.png", {100, 300}, Qt::green);
    WritePicture(folder, "Main Menu.PNG", {60, 40}, Qt::blue);
    // Not a picture, though named as one; and files and a folder that are not pictures.
    for (const char* name : {"Damaged.png", "Orders.frm"})
        QVERIFY(QFile(folder.filePath(name)).open(QIODevice::WriteOnly));
    QVERIFY(folder.mkdir("old.png"));

    PreviewGallery gallery(dir.path());
    auto* list = gallery.findChild<QListWidget*>("lstPreviews");
    QVERIFY(list != nullptr);
    QStringList names;
    for (int row = 0; row < list->count(); ++row)
        names.append(list->item(row)->text());
    QCOMPARE(names, (QStringList{"customers", "Damaged", "Main Menu", "Orders"}));
    QTRY_VERIFY(!gallery.LoadingThumbnails());
    // Each fits in 200x150 with its proportions; a smaller one keeps its size.
    QCOMPARE(ThumbnailSize(list->item(0)), QSize(50, 150));
    QCOMPARE(ThumbnailSize(list->item(2)), QSize(60, 40));
    QCOMPARE(ThumbnailSize(list->item(3)), QSize(200, 50));
    QVERIFY(list->item(1)->toolTip().endsWith("cannot be read."));

    // Without pictures, or without the folder, a message instead of the list.
    for (const QString& empty : {dir.filePath("old.png"), dir.filePath("missing")}) {
        const PreviewGallery none(empty);
        QVERIFY(none.findChild<QListWidget*>() == nullptr);
        QVERIFY(none.findChild<QLabel*>("lblNoPreviews")->text().contains(empty));
    }
}

void MainWindowTest::galleryShowsTheChosenPictureAtFullSize() {
    QTemporaryDir dir;
    WritePicture(dir.path(), "Big.png", {900, 700}, Qt::darkCyan);
    WritePicture(dir.path(), "Small.png", {60, 40}, Qt::yellow);
    PreviewGallery gallery(dir.path());
    gallery.show();
    QVERIFY(QTest::qWaitForWindowExposed(&gallery));
    auto* list = gallery.findChild<QListWidget*>("lstPreviews");
    const auto* heading = gallery.findChild<QLabel*>("lblPreviewName");
    const auto* picture = gallery.findChild<QLabel*>("lblPreviewPicture");
    // An item grows when its thumbnail arrives, to hold it and the name under it.
    QTRY_VERIFY(!gallery.LoadingThumbnails());
    QVERIFY(list->visualItemRect(list->item(0)).height() > PreviewGallery::kThumbnailSize.height());
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(0)).center());
    QCOMPARE(heading->text(), QString("Big"));
    QCOMPARE(picture->pixmap().size(), QSize(900, 700));
    QCOMPARE(picture->size(), QSize(900, 700));  // 1:1, not stretched to the view
    QTest::keyClick(list, Qt::Key_Right);
    QCOMPARE(heading->text(), QString("Small"));
    QCOMPARE(picture->pixmap().toImage().pixelColor(0, 0), QColor(Qt::yellow));
}

}  // namespace velorin
