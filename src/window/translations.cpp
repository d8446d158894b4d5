#include "window/translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

void Translations::install(const QLocale& locale)
{
    // Made for the first other language and kept for the life of the program, as the application
    // holds on to them.
    static QTranslator* qtTexts = nullptr;
    static QTranslator* gameTexts = nullptr;
    // Another language replaces the one shown, and English shows the texts as written again.
    if (gameTexts) {
        QCoreApplication::removeTranslator(qtTexts);
        QCoreApplication::removeTranslator(gameTexts);
    }
    if (locale.language() == QLocale::English || locale.language() == QLocale::C)
        return;
    if (!gameTexts) {
        qtTexts = new QTranslator(QCoreApplication::instance());
        gameTexts = new QTranslator(QCoreApplication::instance());
    }
    if (qtTexts->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qtTexts);
    if (gameTexts->load(locale, QStringLiteral("dorv"), QStringLiteral("_"), QStringLiteral(":/i18n")))
        QCoreApplication::installTranslator(gameTexts);
}
