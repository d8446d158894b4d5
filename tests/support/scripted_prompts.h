#pragma once

#include "media/sound_interface.h"
#include "window/prompts.h"

#include <QQueue>
#include <QString>
#include <QStringList>

#include <functional>

// Answers the game's prompts from a script, and records every question it was asked.
class ScriptedPrompts final : public Prompts {
public:
    struct Asked {
        QString kind; // "message", "yesno", "text", "open", "save"
        QString text;
        QString title;
        QString filter;
        QString suffix;
        Icon icon = Icon::None;
        bool yesIsDefault = false;
    };

    QQueue<QString> texts;      // answers of the name box
    QQueue<bool> answers;       // answers of Yes/No questions
    QQueue<QString> files;      // answers of the file dialogs ("" = cancelled)
    QList<Asked> asked;
    // Runs at every question, once it is recorded: a test looks at the game while a box is open.
    std::function<void(const Asked&)> onAsk;

    void message(const QString& text, const QString& title, Icon icon) override
    {
        record({QStringLiteral("message"), text, title, {}, {}, icon, false});
    }
    bool askYesNo(const QString& text, const QString& title, bool yesIsDefault) override
    {
        record({QStringLiteral("yesno"), text, title, {}, {}, Icon::Question, yesIsDefault});
        return answers.isEmpty() ? false : answers.dequeue();
    }
    QString askText(const QString& prompt, const QString& title, const QString& defaultAnswer) override
    {
        record({QStringLiteral("text"), prompt, title, defaultAnswer, {}, Icon::None, false});
        return texts.isEmpty() ? QString() : texts.dequeue();
    }
    QString openFileName(const QString& title, const QString& filter, const QString& suffix) override
    {
        record({QStringLiteral("open"), {}, title, filter, suffix, Icon::None, false});
        return files.isEmpty() ? QString() : files.dequeue();
    }
    QString saveFileName(const QString& title, const QString& filter, const QString& suffix) override
    {
        record({QStringLiteral("save"), {}, title, filter, suffix, Icon::None, false});
        return files.isEmpty() ? QString() : files.dequeue();
    }

    void record(const Asked& question)
    {
        asked.append(question);
        if (onAsk)
            onAsk(question);
    }

    int count(const QString& kind) const
    {
        int n = 0;
        for (const Asked& a : asked)
            n += a.kind == kind ? 1 : 0;
        return n;
    }
};

// Counts the move sounds instead of playing them.
class CountingSound final : public SoundInterface {
public:
    int played = 0;
    void playsound() override { ++played; }
};
