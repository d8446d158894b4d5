#include "kit/picture_words.h"

#include <QCoreApplication>

#include <iterator>

namespace {
struct Word {
    const char* picture;
    const char* english;
};

constexpr Word kWords[] = {
    {"btn_game", QT_TRANSLATE_NOOP("PictureWords", "GAME")},
    {"btn_undo", QT_TRANSLATE_NOOP("PictureWords", "UNDO")},
    {"btn_moves", QT_TRANSLATE_NOOP("PictureWords", "Moves")},
    {"btn_highscores", QT_TRANSLATE_NOOP("PictureWords", "High Scores")},
    {"btn_new", QT_TRANSLATE_NOOP("PictureWords", "New")},
    {"btn_load", QT_TRANSLATE_NOOP("PictureWords", "Load")},
    {"btn_save", QT_TRANSLATE_NOOP("PictureWords", "Save")},
    {"btn_sound", QT_TRANSLATE_NOOP("PictureWords", "Sound")},
    {"btn_music", QT_TRANSLATE_NOOP("PictureWords", "Music")},
    {"btn_quit", QT_TRANSLATE_NOOP("PictureWords", "Quit")},
    {"btn_on", QT_TRANSLATE_NOOP("PictureWords", "On")},
    {"btn_off", QT_TRANSLATE_NOOP("PictureWords", "Off")},
    {"btn_view", QT_TRANSLATE_NOOP("PictureWords", "View")},
};
}

const char* PictureWords::english(const QString& name)
{
    if (!name.startsWith(QLatin1String("btn_")))
        return nullptr;
    for (const Word& word : kWords)
        if (name == QLatin1String(word.picture))
            return word.english;
    return nullptr;
}

QString PictureWords::picture(const QString& name)
{
    const char* word = english(name);
    if (!word)
        return name;
    const QString shown = QCoreApplication::translate("PictureWords", word);
    if (shown == QLatin1String(word))
        return name;
    QString file = QStringLiteral("words/%1.").arg(name);
    for (const char32_t point : shown.toUcs4()) {
        if (point < 128 && QChar::isLetterOrNumber(point))
            file += QChar(point);
        else
            file += QStringLiteral("_%1_").arg(quint32(point), 0, 16);
    }
    return file;
}
