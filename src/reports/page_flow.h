// Pages filled from top to bottom: each page begins with the report title and
// the date, then the band the content has set (column headings, a group's
// heading), and ends above the footer that carries the page number.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "reports/page_model.h"
#include "reports/report_layout.h"
#include "reports/text_measure.h"

namespace velorin {

class PageFlow {
  public:
    PageFlow(std::string_view title, std::string_view date, PageSize size,
             const TextMeasure& measure);

    const TextMeasure& Measure() const { return measure_; }
    // The body line height: spacing is measured in it so that the layout
    // scales with the device's resolution.
    double Unit() const { return unit_; }
    double Width() const { return size_.width; }
    double Y() const { return y_; }
    double Remaining() const { return bottom_ - y_; }
    // Height below the title of an empty page.
    double Capacity() const { return bottom_ - top_; }
    // True while nothing but the band has been placed on the current page.
    bool Fresh() const { return fresh_; }
    PageModel& Page() { return pages_.back(); }

    void Advance(double height);
    void AddText(Box box, std::string text, TextStyle style, Align align = Align::Left);
    void AddRule(double x1, double y1, double x2, double y2, double weight);

    // What each new page repeats below its title; empty for nothing.
    void SetBand(std::function<void(PageFlow&)> band) { band_ = std::move(band); }
    // Places the band on the current page.
    void PlaceBand();
    void NewPage();

    // The pages, each with its "Page n of m".
    std::vector<PageModel> Finish();

  private:
    void BeginPage();

    std::string title_;
    std::string date_;
    PageSize size_;
    const TextMeasure& measure_;
    double unit_ = 1;
    double top_ = 0;
    double bottom_ = 0;
    double y_ = 0;
    bool fresh_ = true;
    std::function<void(PageFlow&)> band_;
    std::vector<PageModel> pages_;
};

}  // namespace velorin
