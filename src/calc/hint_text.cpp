#include "calc/hint_text.h"

#include "calc/field_catalog.h"
#include "calc/number_text.h"

#include <cmath>

namespace flange::hint_text {

std::string quoted(const DesignRecord& record, TextField field)
{
    const std::string& text = record.*field;
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

std::string number(double value, int decimals)
{
    const NumberPattern pattern = decimals <= 1   ? NumberPattern::OneDecimal
                                  : decimals == 2 ? NumberPattern::TwoDecimals
                                  : decimals == 3 ? NumberPattern::ThreeDecimals
                                                  : NumberPattern::FourDecimals;
    const auto rounded = roundToPattern(value, pattern);
    if (!rounded)
        return {};
    std::string text = rounded->text;
    text.erase(text.find_last_not_of('0') + 1);
    if (text.back() == '.')
        text.pop_back();
    return text;
}

std::string nameOf(TextField field)
{
    std::string name(fieldInfo(field).caption);
    if (name.starts_with('(')) {
        const auto close = name.find(')');
        if (close != std::string::npos)
            name.erase(0, close + 1);
    }
    for (auto mark = name.find("※"); mark != std::string::npos; mark = name.find("※"))
        name.erase(mark, std::string_view("※").size());
    if (const auto aside = name.find(" ("); aside != std::string::npos)
        name.erase(aside);
    return name;
}

} // namespace flange::hint_text
