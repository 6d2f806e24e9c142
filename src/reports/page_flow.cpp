#include "reports/page_flow.h"

#include <algorithm>

#include "reports/text_wrap.h"

namespace velorin {

PageFlow::PageFlow(std::string_view title, std::string_view date, PageSize size,
                   const TextMeasure& measure)
    : title_(title), date_(date), size_(size), measure_(measure) {
    unit_ = measure.LineHeight(TextStyle::Body);
    top_ = measure.LineHeight(TextStyle::Title) + unit_;
    bottom_ = size_.height - measure.LineHeight(TextStyle::Caption) - 0.6 * unit_;
    pages_.emplace_back();
    BeginPage();
}

void PageFlow::BeginPage() {
    const double titleHeight = measure_.LineHeight(TextStyle::Title);
    const double captionHeight = measure_.LineHeight(TextStyle::Caption);
    const double dateWidth = std::min(measure_.Width(date_, TextStyle::Caption), size_.width);
    const double titleWidth = std::max(0.0, size_.width - dateWidth - unit_);
    AddText({0, 0, titleWidth, titleHeight},
            ElideText(title_, titleWidth, TextStyle::Title, measure_), TextStyle::Title);
    AddText({size_.width - dateWidth, titleHeight - captionHeight, dateWidth, captionHeight}, date_,
            TextStyle::Caption, Align::Right);
    const double ruleY = titleHeight + 0.3 * unit_;
    AddRule(0, ruleY, size_.width, ruleY, 0.08 * unit_);
    y_ = top_;
    fresh_ = true;
}

void PageFlow::Advance(double height) {
    y_ += height;
    fresh_ = false;
}

void PageFlow::AddText(Box box, std::string text, TextStyle style, Align align) {
    Page().texts.push_back({box, std::move(text), style, align});
}

void PageFlow::AddRule(double x1, double y1, double x2, double y2, double weight) {
    Page().rules.push_back({x1, y1, x2, y2, weight});
}

void PageFlow::PlaceBand() {
    if (band_)
        band_(*this);
    fresh_ = true;
}

void PageFlow::NewPage() {
    pages_.emplace_back();
    BeginPage();
    PlaceBand();
}

std::vector<PageModel> PageFlow::Finish() {
    const double captionHeight = measure_.LineHeight(TextStyle::Caption);
    const double footerY = size_.height - captionHeight;
    const size_t count = pages_.size();
    for (size_t i = 0; i < count; ++i) {
        PageModel& page = pages_[i];
        const std::string number = "Page " + std::to_string(i + 1) + " of " + std::to_string(count);
        const double width = std::min(measure_.Width(number, TextStyle::Caption), size_.width);
        const double ruleY = footerY - 0.3 * unit_;
        page.rules.push_back({0, ruleY, size_.width, ruleY, 0.04 * unit_});
        page.texts.push_back({{size_.width - width, footerY, width, captionHeight},
                              number,
                              TextStyle::Caption,
                              Align::Right});
    }
    return std::move(pages_);
}

}  // namespace velorin
