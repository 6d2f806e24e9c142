#include "preview/preview_fonts.h"

#include <QFontDatabase>
#include <QString>

#include "project/design_value.h"

namespace velorin {
namespace {

const QString kFamily = QStringLiteral("DejaVu Sans");

QFont BaseFont(double points) {
    QFont font(kFamily);
    font.setPointSizeF(points > 0 ? points : 8);
    // The same glyphs on every machine: no hinting from the platform's settings.
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setStyleStrategy(QFont::NoFontMerging);
    return font;
}

}  // namespace

bool LoadPreviewFont() {
    static const bool loaded = [] {
        const QString folder = QStringLiteral("/usr/share/fonts/truetype/dejavu/");
        const int regular = QFontDatabase::addApplicationFont(folder + "DejaVuSans.ttf");
        const int bold = QFontDatabase::addApplicationFont(folder + "DejaVuSans-Bold.ttf");
        return regular >= 0 && bold >= 0;
    }();
    return loaded;
}

QFont SystemFont(bool bold) {
    QFont font = BaseFont(8);
    font.setBold(bold);
    return font;
}

QFont BlockFont(const LoadedBlock& block, const QFont& inherited) {
    const LoadedBlock* group = block.Group("Font");
    if (group == nullptr)
        return inherited;
    QFont font = BaseFont(NumberValue(group->Find("Size")).value_or(8));
    const double weight = NumberValue(group->Find("weight")).value_or(400);
    font.setBold(weight >= 600 || TruthValue(group->Find("Bold")).value_or(false));
    font.setItalic(TruthValue(group->Find("italic")).value_or(false));
    font.setUnderline(TruthValue(group->Find("underline")).value_or(false));
    font.setStrikeOut(TruthValue(group->Find("strikethrough")).value_or(false));
    return font;
}

}  // namespace velorin
