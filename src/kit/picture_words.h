#pragma once

#include <QString>

// The words the button pictures show. Each picture is drawn when the game is built from the
// outlines of one face, in English and in every word a translation gives it (the context
// "PictureWords" of the translation files, read by assets/art/tools/gen_art.py), so the buttons
// speak the player's language as the window's texts do. A word several languages share is one
// picture.
class PictureWords {
public:
    // The picture that shows `name` in the player's language: `name` itself for a picture without
    // a word or with its English word, otherwise "words/<name>.<word>", the word's letters and
    // digits as they are and any other character as its code point in hex between underscores.
    static QString picture(const QString& name);
    // The English word of the picture `name`; null for a picture without a word.
    static const char* english(const QString& name);
};
