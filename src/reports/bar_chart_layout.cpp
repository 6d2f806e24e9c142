#include <algorithm>
#include <cstdlib>

#include "reports/report_sections.h"
#include "reports/text_wrap.h"

namespace velorin {
namespace {

// In body lines.
constexpr double kBarPitch = 1.5;
constexpr double kBarThickness = 0.9;
constexpr double kGap = 0.5;
// Labels take at most this share of the width.
constexpr double kLabelShare = 0.4;

struct Bar {
    std::string label;
    std::string value;
    double length = 0;
};

double ValueOf(const ReportCell& cell) {
    if (cell.kind == ReportCell::Kind::Number)
        return cell.number;
    return std::strtod(cell.text.c_str(), nullptr);
}

std::vector<Bar> Bars(const ReportData& report) {
    std::vector<Bar> bars;
    const size_t valueColumn = report.columns.size() - 1;
    for (const std::vector<ReportCell>& row : report.rows) {
        Bar bar;
        for (size_t c = 0; c < valueColumn; ++c) {
            if (row[c].text.empty())
                continue;
            if (!bar.label.empty())
                bar.label += ' ';
            bar.label += row[c].text;
        }
        bar.value = row[valueColumn].text;
        bar.length = std::max(0.0, ValueOf(row[valueColumn]));
        bars.push_back(std::move(bar));
    }
    return bars;
}

}  // namespace

void LayoutBarChart(const ReportData& report, PageFlow& flow) {
    if (report.rows.empty() || report.columns.empty())
        return;
    const TextMeasure& measure = flow.Measure();
    const double unit = flow.Unit();
    const double width = flow.Width();
    const std::vector<Bar> bars = Bars(report);

    double labelWidth = 0;
    double valueWidth = 0;
    double largest = 0;
    for (const Bar& bar : bars) {
        labelWidth = std::max(labelWidth, measure.Width(bar.label, TextStyle::Body));
        valueWidth = std::max(valueWidth, measure.Width(bar.value, TextStyle::Body));
        largest = std::max(largest, bar.length);
    }
    labelWidth = std::min(labelWidth, kLabelShare * width);
    valueWidth = std::min(valueWidth, kLabelShare * width);
    const double axis = labelWidth > 0 ? labelWidth + kGap * unit : 0;
    const double longest = std::max(0.0, width - axis - kGap * unit - valueWidth);

    const std::string caption = report.columns.back();
    const double captionHeight = measure.LineHeight(TextStyle::Group) + kGap * unit;
    const double pitch = kBarPitch * unit;
    const double chartHeight = captionHeight + static_cast<double>(bars.size()) * pitch;
    auto placeCaption = [&](PageFlow& page, const std::string& text) {
        page.AddText({0, page.Y(), width, measure.LineHeight(TextStyle::Group)},
                     ElideText(text, width, TextStyle::Group, measure), TextStyle::Group);
        page.Advance(captionHeight);
    };

    // The table's headings do not belong above the chart.
    flow.SetBand(nullptr);
    if (!flow.Fresh())
        flow.Advance(unit);
    // A chart that fits on a page is kept on one.
    const bool keepTogether = chartHeight <= flow.Capacity();
    if (!flow.Fresh() && ((keepTogether && chartHeight > flow.Remaining()) ||
                          captionHeight + pitch > flow.Remaining()))
        flow.NewPage();
    placeCaption(flow, caption);
    flow.SetBand([&](PageFlow& page) { placeCaption(page, caption + " (continued)"); });

    for (const Bar& bar : bars) {
        if (pitch > flow.Remaining())
            flow.NewPage();
        const double top = flow.Y();
        const double textTop = top + (pitch - measure.LineHeight(TextStyle::Body)) / 2;
        if (labelWidth > 0) {
            flow.AddText({0, textTop, labelWidth, measure.LineHeight(TextStyle::Body)},
                         ElideText(bar.label, labelWidth, TextStyle::Body, measure),
                         TextStyle::Body);
        }
        const double length = largest > 0 ? longest * bar.length / largest : 0;
        flow.Page().fills.push_back(
            {{axis, top + (pitch - kBarThickness * unit) / 2, length, kBarThickness * unit},
             Fill::Bar});
        flow.AddText({axis + length + kGap * unit / 2, textTop, valueWidth,
                      measure.LineHeight(TextStyle::Body)},
                     ElideText(bar.value, valueWidth, TextStyle::Body, measure), TextStyle::Body);
        flow.AddRule(axis, top, axis, top + pitch, 0.04 * unit);
        flow.Advance(pitch);
    }
    flow.SetBand(nullptr);
}

}  // namespace velorin
