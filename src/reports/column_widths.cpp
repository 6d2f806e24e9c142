#include "reports/column_widths.h"

#include <algorithm>

namespace velorin {
namespace {

double Sum(const std::vector<double>& values) {
    double sum = 0;
    for (double value : values)
        sum += value;
    return sum;
}

// Every column at `level`, held between its width so far and its target.
std::vector<double> AtLevel(const std::vector<double>& from, const std::vector<double>& to,
                            double level) {
    std::vector<double> widths;
    for (size_t i = 0; i < from.size(); ++i)
        widths.push_back(std::clamp(level, from[i], std::max(from[i], to[i])));
    return widths;
}

// The highest common level from `from` towards `to` whose widths still fit.
std::vector<double> FillTowards(const std::vector<double>& from, const std::vector<double>& to,
                                double width) {
    double low = 0;
    double high = *std::max_element(to.begin(), to.end());
    for (int i = 0; i < 60; ++i) {
        const double middle = (low + high) / 2;
        if (Sum(AtLevel(from, to, middle)) <= width)
            low = middle;
        else
            high = middle;
    }
    return AtLevel(from, to, low);
}

}  // namespace

std::vector<double> FitColumns(const std::vector<ColumnNeed>& needs, double width) {
    if (needs.empty())
        return {};
    std::vector<double> steps[3];
    for (const ColumnNeed& need : needs) {
        steps[0].push_back(need.minimum);
        steps[1].push_back(std::max(need.minimum, need.words));
        steps[2].push_back(std::max(steps[1].back(), need.natural));
    }
    const double minimum = Sum(steps[0]);
    if (minimum > width) {
        std::vector<double> widths;
        for (double step : steps[0]) {
            widths.push_back(minimum > 0 ? step * width / minimum
                                         : width / static_cast<double>(needs.size()));
        }
        return widths;
    }
    for (size_t step = 1; step < 3; ++step) {
        if (Sum(steps[step]) > width)
            return FillTowards(steps[step - 1], steps[step], width);
    }
    std::vector<double> widths = steps[2];
    const double natural = Sum(widths);
    double stretching = 0;
    for (size_t i = 0; i < needs.size(); ++i)
        stretching += needs[i].stretches ? widths[i] : 0;
    const double extra = width - natural;
    for (size_t i = 0; i < needs.size(); ++i) {
        if (stretching > 0)
            widths[i] += needs[i].stretches ? extra * widths[i] / stretching : 0;
        else if (natural > 0)
            widths[i] += extra * widths[i] / natural;
        else
            widths[i] += extra / static_cast<double>(needs.size());
    }
    return widths;
}

}  // namespace velorin
