#include "cli/json_text.h"

namespace flange {

void JsonText::newLine()
{
    out_ += '\n';
    out_.append((level_ + qsizetype(open_.size())) * 4, ' ');
}

void JsonText::startValue(std::string_view key)
{
    if (open_.empty())
        return;
    if (open_.back().hasMembers)
        out_ += ',';
    open_.back().hasMembers = true;
    if (indented_)
        newLine();
    if (open_.back().isArray)
        return;
    appendString(key);
    out_ += indented_ ? ": " : ":";
}

void JsonText::open(std::string_view key, char bracket, bool isArray)
{
    startValue(key);
    out_ += bracket;
    open_.push_back({isArray, false});
}

void JsonText::close(char bracket)
{
    open_.pop_back();
    if (indented_)
        newLine();
    out_ += bracket;
}

void JsonText::beginObject(std::string_view key) { open(key, '{', false); }
void JsonText::endObject() { close('}'); }
void JsonText::beginArray(std::string_view key) { open(key, '[', true); }
void JsonText::endArray() { close(']'); }

void JsonText::numberMember(std::string_view key, std::string_view literal)
{
    startValue(key);
    out_.append(literal.data(), qsizetype(literal.size()));
}

void JsonText::member(std::string_view key, std::string_view utf8)
{
    startValue(key);
    appendString(utf8);
}

void JsonText::member(std::string_view key, bool value)
{
    startValue(key);
    out_ += value ? "true" : "false";
}

void JsonText::appendString(std::string_view utf8)
{
    static constexpr char hex[] = "0123456789ABCDEF";
    const auto escapeUnit = [&](uchar c) {
        out_ += "\\u00";
        out_ += hex[c >> 4];
        out_ += hex[c & 0xF];
    };
    out_ += '"';
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        const uchar c = uchar(utf8[i]);
        switch (c) {
        case '"': out_ += "\\\""; continue;
        case '\\': out_ += "\\\\"; continue;
        case '\n': out_ += "\\n"; continue;
        case '\r': out_ += "\\r"; continue;
        case '\t': out_ += "\\t"; continue;
        default: break;
        }
        if (c < 0x20 || c == 0x7F) {
            escapeUnit(c);
        } else if (c == 0xC2 && i + 1 < utf8.size() && uchar(utf8[i + 1]) >= 0x80
                   && uchar(utf8[i + 1]) <= 0x9F) {
            escapeUnit(uchar(utf8[++i])); // a C1 control, U+0080 to U+009F
        } else {
            out_ += char(c);
        }
    }
    out_ += '"';
}

QByteArray JsonText::take()
{
    if (indented_ && level_ == 0)
        out_ += '\n';
    return std::move(out_);
}

} // namespace flange
