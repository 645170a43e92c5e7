#pragma once

// Qt's own words in Japanese, whatever the system's language: the file dialogs, message box buttons
// and the like. Qt's Japanese catalogue is read from Qt's translations folder; the few words of the
// file dialogs that Qt 6 asks for under a newer context than the catalogue knows ("Folder" in the
// type column) are looked up under the file dialog's context, where the catalogue has them.
//
// Installed, it also makes Japanese the default locale, so that file types are described in
// Japanese too.

#include <QTranslator>

namespace flange {

class QtJapaneseTexts : public QTranslator {
public:
    // Loads the catalogue; returns false when Qt's Japanese translations are not installed.
    bool load();
    void install();

    QString translate(const char* context, const char* sourceText, const char* disambiguation,
                      int n) const override;
};

} // namespace flange
