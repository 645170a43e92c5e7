#include "ui/shell/qt_japanese_texts.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>

#include <cstring>

namespace flange {

bool QtJapaneseTexts::load()
{
    return QTranslator::load(QStringLiteral("qtbase_ja"),
                             QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}

void QtJapaneseTexts::install()
{
    QLocale::setDefault(QLocale(QLocale::Japanese, QLocale::Japan));
    QCoreApplication::installTranslator(this);
}

QString QtJapaneseTexts::translate(const char* context, const char* sourceText,
                                   const char* disambiguation, int n) const
{
    QString text = QTranslator::translate(context, sourceText, disambiguation, n);
    if (text.isNull() && context && std::strcmp(context, "QAbstractFileIconProvider") == 0)
        text = QTranslator::translate("QFileDialog", sourceText, nullptr, n);
    return text;
}

} // namespace flange
