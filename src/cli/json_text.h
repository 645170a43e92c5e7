#pragma once

// A JSON writer for the checker's objects, written straight into UTF-8 bytes: a batch run turns out
// thousands of them, and building each as a QJsonObject first costs more than the check itself.
// Indented output has the layout of QJsonDocument::Indented (four spaces a level, one member a
// line); compact output has no blank at all. Members are written in the order given.
//
// Strings are escaped as JSON requires, and DEL and the C1 controls as well, so that no control
// character reaches a terminal that shows the output.

#include <QByteArray>

#include <string_view>
#include <vector>

namespace flange {

class JsonText {
public:
    // `level`: how many levels deep the object stands in an indented document (1 inside an array).
    explicit JsonText(bool indented, int level = 0) : indented_(indented), level_(level) {}

    // Inside an array the key is not written.
    void beginObject(std::string_view key = {});
    void endObject();
    void beginArray(std::string_view key = {});
    void endArray();
    void member(std::string_view key, std::string_view utf8);
    void member(std::string_view key, bool value);
    // A number given as its JSON literal, e.g. "0.150", so that it keeps the decimals it is
    // quoted with.
    void numberMember(std::string_view key, std::string_view literal);

    // The text; an indented document at level 0 ends with a line end, as QJsonDocument's does.
    QByteArray take();

private:
    void startValue(std::string_view key);
    void open(std::string_view key, char bracket, bool isArray);
    void close(char bracket);
    void appendString(std::string_view utf8);
    void newLine();

    bool indented_;
    int level_;
    QByteArray out_;
    struct Open {
        bool isArray = false;
        bool hasMembers = false;
    };
    std::vector<Open> open_; // the objects and arrays not yet closed, innermost last
};

} // namespace flange
