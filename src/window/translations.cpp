#include "window/translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

void Translations::install(const QLocale& locale)
{
    if (locale.language() == QLocale::English || locale.language() == QLocale::C)
        return;
    // Kept for the life of the program, as the application holds on to them.
    static QTranslator qtTexts;
    if (qtTexts.load(locale, QStringLiteral("qtbase"), QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&qtTexts);
    static QTranslator gameTexts;
    if (gameTexts.load(locale, QStringLiteral("dorv"), QStringLiteral("_"), QStringLiteral(":/i18n")))
        QCoreApplication::installTranslator(&gameTexts);
}
