#pragma once

// What went wrong with a file, as a value: the kind of failure with the file or field it concerns
// and, where the system gave one, its reason. The window and the checker put it into words for the
// engineer through io/file_error_text.h; nothing here is worded.

#include <QString>

namespace flange {

enum class FileErrorKind {
    NotFound,            // nothing at the path
    NameNotUtf8,         // a name that stood for bytes that are not UTF-8, and so lost them
    Folder,              // the path is a folder
    NotRegularFile,      // a pipe, device or socket: never opened, it could block or never end
    TooLarge,            // larger than a design file can be
    FieldTooLong,        // a field longer than an entry field holds (the field is named)
    Unreadable,          // could not be opened or read
    Unwritable,          // could not be created, written completely or put in place
    QuoteInText,         // a field's text holds a double quote, which the format cannot store
    UnstorableCharacter, // a field's text holds a character code page 932 cannot store
    NoConverter,         // this build has no code page 932 conversion
};

struct FileError {
    FileErrorKind kind = FileErrorKind::Unwritable;
    QString path{};      // the file as given (native separators are the wording's business)
    QString field{};     // the caption of the field refused, for the text refusals
    QString character{}; // the character that cannot be stored, for UnstorableCharacter
    QString reason{};    // the system's reason, e.g. "No space left on device"; may be empty

    bool operator==(const FileError&) const = default;
};

} // namespace flange
