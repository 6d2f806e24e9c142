#include <algorithm>
#include <cmath>

#include "reports/column_widths.h"
#include "reports/report_sections.h"
#include "reports/text_wrap.h"

namespace velorin {
namespace {

// Cell padding, in body lines.
constexpr double kPadding = 0.3;
constexpr double kVerticalPadding = 0.15;

constexpr std::string_view kGroupSeparator = " \xE2\x80\x94 ";  // an em dash

bool IsNumberColumn(const ReportData& report, size_t column) {
    bool any = false;
    for (const std::vector<ReportCell>& row : report.rows) {
        if (row[column].kind == ReportCell::Kind::Text)
            return false;
        any = any || row[column].kind == ReportCell::Kind::Number;
    }
    return any;
}

double WidestLine(std::string_view text, TextStyle style, const TextMeasure& measure) {
    double widest = 0;
    size_t start = 0;
    while (start <= text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string_view::npos)
            end = text.size();
        widest = std::max(widest, measure.Width(text.substr(start, end - start), style));
        start = end + 1;
    }
    return widest;
}

size_t GroupColumns(const ReportData& report) {
    const size_t columns = report.columns.size();
    const size_t group = static_cast<size_t>(std::max(report.groupColumns, 0));
    return std::min(group, columns > 0 ? columns - 1 : 0);
}

// What each column of the table needs, the group columns left out.
std::vector<ColumnNeed> ColumnNeeds(const ReportData& report, size_t groupColumns,
                                    const TextMeasure& measure) {
    const double padding = kPadding * measure.LineHeight(TextStyle::Body);
    std::vector<ColumnNeed> needs;
    for (size_t c = groupColumns; c < report.columns.size(); ++c) {
        const std::string& heading = report.columns[c];
        double widestCell = 0;
        double widestWord = 0;
        for (const std::vector<ReportCell>& row : report.rows) {
            widestCell = std::max(widestCell, WidestLine(row[c].text, TextStyle::Body, measure));
            widestWord = std::max(widestWord, WidestWord(row[c].text, TextStyle::Body, measure));
        }
        const double headingWidth = WidestLine(heading, TextStyle::Heading, measure);
        const double headingWord = WidestWord(heading, TextStyle::Heading, measure);
        const bool number = IsNumberColumn(report, c);
        ColumnNeed need;
        // Numbers are never broken, nor the words of headings.
        need.minimum = (number ? std::max(widestCell, headingWord) : headingWord) + 2 * padding;
        need.words = widestWord + 2 * padding;
        need.natural = std::max(widestCell, headingWidth) + 2 * padding;
        need.stretches = !number;
        needs.push_back(need);
    }
    return needs;
}

class TableLayout {
  public:
    TableLayout(const ReportData& report, PageFlow& flow)
        : report_(report),
          flow_(flow),
          measure_(flow.Measure()),
          unit_(flow.Unit()),
          padding_(kPadding * unit_),
          verticalPadding_(kVerticalPadding * unit_) {
        groupColumns_ = GroupColumns(report);
        PlaceColumns();
    }

    void Run() {
        flow_.SetBand([this](PageFlow& flow) { PlaceBand(flow); });
        flow_.PlaceBand();
        if (report_.rows.empty()) {
            const double height = measure_.LineHeight(TextStyle::Caption);
            flow_.AddText({padding_, flow_.Y() + 0.5 * unit_, flow_.Width() - 2 * padding_, height},
                          ElideText("Nothing recorded.", flow_.Width() - 2 * padding_,
                                    TextStyle::Caption, measure_),
                          TextStyle::Caption);
            flow_.Advance(height + unit_);
        }
        for (const std::vector<ReportCell>& row : report_.rows) {
            if (groupColumns_ > 0 && (!inGroup_ || !SameGroup(row)))
                StartGroup(row);
            PlaceRow(row);
        }
        flow_.SetBand(nullptr);
    }

  private:
    void PlaceColumns() {
        const std::vector<ColumnNeed> needs = ColumnNeeds(report_, groupColumns_, measure_);
        for (size_t c = groupColumns_; c < report_.columns.size(); ++c)
            numbers_.push_back(IsNumberColumn(report_, c));
        widths_ = FitColumns(needs, flow_.Width());
        double x = 0;
        for (double width : widths_) {
            left_.push_back(x);
            x += width;
        }
    }

    double InnerWidth(size_t column) const { return std::max(0.0, widths_[column] - 2 * padding_); }

    Align AlignOf(size_t column) const { return numbers_[column] ? Align::Right : Align::Left; }

    void PlaceBand(PageFlow& flow) {
        const double lineHeight = measure_.LineHeight(TextStyle::Heading);
        std::vector<std::vector<std::string>> lines;
        size_t most = 1;
        for (size_t c = 0; c < widths_.size(); ++c) {
            lines.push_back(WrapText(report_.columns[groupColumns_ + c], InnerWidth(c),
                                     TextStyle::Heading, measure_));
            most = std::max(most, lines.back().size());
        }
        const double top = flow.Y();
        const double height = static_cast<double>(most) * lineHeight + 2 * verticalPadding_;
        flow.Page().fills.push_back({{0, top, flow.Width(), height}, Fill::HeadingBand});
        for (size_t c = 0; c < widths_.size(); ++c) {
            for (size_t i = 0; i < lines[c].size(); ++i) {
                flow.AddText({left_[c] + padding_,
                              top + verticalPadding_ + static_cast<double>(i) * lineHeight,
                              InnerWidth(c), lineHeight},
                             lines[c][i], TextStyle::Heading, AlignOf(c));
            }
        }
        flow.AddRule(0, top + height, flow.Width(), top + height, 0.06 * unit_);
        flow.Advance(height);
        if (inGroup_ && groupShown_)
            PlaceGroupHeading(flow, groupHeading_ + " (continued)");
    }

    bool SameGroup(const std::vector<ReportCell>& row) const {
        for (size_t c = 0; c < groupColumns_; ++c) {
            if (row[c].text != groupKey_[c])
                return false;
        }
        return true;
    }

    std::vector<std::string> GroupLines(const std::string& text) const {
        return WrapText(text, std::max(0.0, flow_.Width() - 2 * padding_), TextStyle::Group,
                        measure_);
    }

    double GroupHeight(size_t lines) const {
        return static_cast<double>(lines) * measure_.LineHeight(TextStyle::Group) +
               2 * verticalPadding_;
    }

    void PlaceGroupHeading(PageFlow& flow, const std::string& text) {
        const std::vector<std::string> lines = GroupLines(text);
        const double lineHeight = measure_.LineHeight(TextStyle::Group);
        const double top = flow.Y();
        const double height = GroupHeight(lines.size());
        flow.Page().fills.push_back({{0, top, flow.Width(), height}, Fill::GroupBand});
        for (size_t i = 0; i < lines.size(); ++i) {
            flow.AddText({padding_, top + verticalPadding_ + static_cast<double>(i) * lineHeight,
                          flow.Width() - 2 * padding_, lineHeight},
                         lines[i], TextStyle::Group);
        }
        flow.Advance(height);
    }

    // "Module: Customers", "Reason: 7 — what it means".
    void StartGroup(const std::vector<ReportCell>& row) {
        groupKey_.clear();
        groupHeading_ = report_.columns[0] + ": ";
        for (size_t c = 0; c < groupColumns_; ++c) {
            groupKey_.push_back(row[c].text);
            if (c > 0)
                groupHeading_ += kGroupSeparator;
            groupHeading_ += row[c].text;
        }
        inGroup_ = true;
        groupShown_ = false;
        // Keep the heading with the first line of its first row.
        const double needed = GroupHeight(GroupLines(groupHeading_).size()) +
                              measure_.LineHeight(TextStyle::Body) + 2 * verticalPadding_;
        if (needed > flow_.Remaining() && !flow_.Fresh())
            flow_.NewPage();
        PlaceGroupHeading(flow_, groupHeading_);
        groupShown_ = true;
    }

    void PlaceRow(const std::vector<ReportCell>& row) {
        std::vector<std::vector<std::string>> lines;
        size_t slots = 1;
        for (size_t c = 0; c < widths_.size(); ++c) {
            lines.push_back(
                WrapText(row[groupColumns_ + c].text, InnerWidth(c), TextStyle::Body, measure_));
            slots = std::max(slots, lines.back().size());
        }
        const double lineHeight = measure_.LineHeight(TextStyle::Body);
        // A row moves to the next page whole; only a row taller than a page is split.
        size_t start = 0;
        while (start < slots) {
            const double room = (flow_.Remaining() - 2 * verticalPadding_) / lineHeight;
            const size_t fit = room > 0 ? static_cast<size_t>(std::floor(room + 1e-9)) : 0;
            if (fit >= slots - start) {
                PlaceLines(lines, start, slots - start);
                return;
            }
            if (flow_.Fresh()) {
                const size_t take = std::max<size_t>(fit, 1);
                PlaceLines(lines, start, take);
                start += take;
            }
            flow_.NewPage();
        }
    }

    void PlaceLines(const std::vector<std::vector<std::string>>& lines, size_t start,
                    size_t count) {
        const double lineHeight = measure_.LineHeight(TextStyle::Body);
        const double top = flow_.Y();
        for (size_t c = 0; c < lines.size(); ++c) {
            for (size_t i = start; i < std::min(start + count, lines[c].size()); ++i) {
                flow_.AddText({left_[c] + padding_,
                               top + verticalPadding_ + static_cast<double>(i - start) * lineHeight,
                               InnerWidth(c), lineHeight},
                              lines[c][i], TextStyle::Body, AlignOf(c));
            }
        }
        const double height = static_cast<double>(count) * lineHeight + 2 * verticalPadding_;
        flow_.AddRule(0, top + height, flow_.Width(), top + height, 0.02 * unit_);
        flow_.Advance(height);
    }

    const ReportData& report_;
    PageFlow& flow_;
    const TextMeasure& measure_;
    const double unit_;
    const double padding_;
    const double verticalPadding_;
    size_t groupColumns_ = 0;
    std::vector<double> widths_;
    std::vector<double> left_;
    std::vector<bool> numbers_;
    bool inGroup_ = false;
    bool groupShown_ = false;
    std::vector<std::string> groupKey_;
    std::string groupHeading_;
};

}  // namespace

double TableWidthForWholeNames(const ReportData& report, const TextMeasure& measure) {
    double width = 0;
    bool first = true;
    for (const ColumnNeed& need : ColumnNeeds(report, GroupColumns(report), measure)) {
        const bool names = first && need.stretches;
        width += names ? std::max(need.minimum, need.words) : need.minimum;
        first = false;
    }
    return width;
}

void LayoutTable(const ReportData& report, PageFlow& flow) {
    TableLayout(report, flow).Run();
}

}  // namespace velorin
