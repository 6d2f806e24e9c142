// Painting laid-out pages with QPainter, and the fonts that both measure the
// layout and paint it, so that what was measured is what is drawn.
#pragma once

#include <QFont>
#include <QFontMetricsF>

#include <vector>

#include "reports/page_model.h"
#include "reports/text_measure.h"

class QPainter;
class QPaintDevice;

namespace velorin {

class QtTextMeasure : public TextMeasure {
  public:
    // Fonts at the device's resolution.
    explicit QtTextMeasure(QPaintDevice& device);

    double Width(std::string_view text, TextStyle style) const override;
    double LineHeight(TextStyle style) const override;
    const QFont& Font(TextStyle style) const;

  private:
    std::vector<QFont> fonts_;
    std::vector<QFontMetricsF> metrics_;
};

void PaintPage(QPainter& painter, const PageModel& page, const QtTextMeasure& fonts);

}  // namespace velorin
