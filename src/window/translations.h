#pragma once

class QLocale;

// The game's texts in the player's language: the translations compiled into the program, and
// Qt's own for its boxes and dialogs. English is the language the texts are written in, so in an
// English or C locale nothing is loaded.
class Translations {
public:
    // The language of `locale`, in place of any installed before.
    static void install(const QLocale& locale);
};
