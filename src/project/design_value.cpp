#include "project/design_value.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "common/ansi_text.h"
#include "project/form_design.h"

namespace velorin {
namespace {

std::string Unquoted(std::string_view quoted) {
    std::string text;
    for (size_t i = 1; i + 1 < quoted.size(); ++i) {
        text.push_back(quoted[i]);
        if (quoted[i] == '"')
            ++i;  // "" stands for one quote
    }
    return text;
}

}  // namespace

DesignValue ReadDesignValue(std::string_view written) {
    DesignValue value;
    if (written.size() >= 2 && written.front() == '"') {
        const size_t close = written.rfind('"');
        if (close == 0)
            return value;
        value.text = Unquoted(written.substr(0, close + 1));
        if (close + 1 == written.size()) {
            value.kind = DesignValueKind::String;
        } else if (written[close + 1] == ':') {
            const std::string_view hex = written.substr(close + 2);
            const auto [end, error] =
                std::from_chars(hex.data(), hex.data() + hex.size(), value.frxOffset, 16);
            if (error == std::errc() && end == hex.data() + hex.size())
                value.kind = DesignValueKind::FrxReference;
        }
        return value;
    }
    if (IStartsWith(written, "&H")) {
        std::string_view hex = written.substr(2);
        if (!hex.empty() && hex.back() == '&')
            hex.remove_suffix(1);
        uint32_t colour = 0;
        const auto [end, error] = std::from_chars(hex.data(), hex.data() + hex.size(), colour, 16);
        if (error == std::errc() && end == hex.data() + hex.size() && !hex.empty()) {
            value.kind = DesignValueKind::Colour;
            value.number = colour;
        }
        return value;
    }
    if (IEquals(written, "True") || IEquals(written, "False")) {
        value.kind = DesignValueKind::Boolean;
        value.number = IEquals(written, "True") ? -1 : 0;
        return value;
    }
    std::string_view digits = written;
    if (!digits.empty() && digits.front() == '+')
        digits.remove_prefix(1);
    const auto [end, error] =
        std::from_chars(digits.data(), digits.data() + digits.size(), value.number);
    if (error == std::errc() && end == digits.data() + digits.size() && !digits.empty())
        value.kind = DesignValueKind::Number;
    return value;
}

std::optional<double> NumberValue(const DesignProperty* property) {
    if (property == nullptr)
        return std::nullopt;
    const DesignValue value = ReadDesignValue(property->value);
    if (value.kind == DesignValueKind::Number || value.kind == DesignValueKind::Colour ||
        value.kind == DesignValueKind::Boolean)
        return value.number;
    return std::nullopt;
}

int IntegerValue(const DesignProperty* property, int fallback) {
    const std::optional<double> number = NumberValue(property);
    if (!number || std::isnan(*number))
        return fallback;
    return static_cast<int>(std::lround(std::clamp(*number, -1e9, 1e9)));
}

std::optional<bool> TruthValue(const DesignProperty* property) {
    const std::optional<double> number = NumberValue(property);
    if (!number)
        return std::nullopt;
    return *number != 0;
}

std::optional<std::string> StringValue(const DesignProperty* property) {
    if (property == nullptr)
        return std::nullopt;
    DesignValue value = ReadDesignValue(property->value);
    if (value.kind != DesignValueKind::String)
        return std::nullopt;
    return std::move(value.text);
}

}  // namespace velorin
