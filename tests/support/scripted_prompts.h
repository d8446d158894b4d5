#pragma once

#include "media/sound_interface.h"
#include "kit/prompts.h"

#include <QMap>
#include <QQueue>
#include <QStringList>

#include <functional>

// Answers the game's prompts from a script, and records every question it was asked.
class ScriptedPrompts final : public Prompts {
public:
    // The answers, taken in turn: of the name box and the file dialogs ("" for cancelled, and when
    // none is left), and of the Yes/No questions (No when none is left).
    QQueue<QString> texts, files;
    QQueue<bool> answers;
    // The questions of each kind (message, yesno, text, open, save) in turn, as "title / text / ..."
    // without the empty parts; a message ends with its icon, a question with its default button.
    QMap<QString, QStringList> asked;
    // Runs at every question, once it is recorded: a test looks at the game while a box is open.
    std::function<void()> onAsk;

    // The last question of `kind`; "" when there was none.
    QString last(const QString& kind) const { return asked.value(kind).value(asked.value(kind).size() - 1); }

    using Text = const QString&; // for short
    void message(Text text, Text title, Icon icon) override { record("message", {title, text, kIcons[int(icon)]}); }
    QString askText(Text text, Text title, Text offered) override { return record("text", {title, text, offered}, &texts); }
    QString openFileName(Text title, Text filter, Text suffix) override { return record("open", {title, filter, suffix}, &files); }
    QString saveFileName(Text title, Text filter, Text suffix) override { return record("save", {title, filter, suffix}, &files); }
    bool askYesNo(Text text, Text title, bool yesIsDefault) override
    {
        record("yesno", {title, text, yesIsDefault ? "Yes" : "No"});
        return !answers.isEmpty() && answers.dequeue();
    }

private:
    static constexpr const char* kIcons[] = {"", "Information", "Question", "Critical"};
    // Records a question, and gives the next answer of `script`.
    QString record(const QString& kind, QStringList parts, QQueue<QString>* script = nullptr)
    {
        parts.removeAll(QString());
        asked[kind] << parts.join(" / ");
        if (onAsk)
            onAsk();
        return !script || script->isEmpty() ? QString() : script->dequeue();
    }
};

// Counts the move sounds instead of playing them; `whilePlaying` looks at the window meanwhile.
class CountingSound final : public SoundInterface {
public:
    int played = 0;
    std::function<void()> whilePlaying;
    void playsound() override
    {
        ++played;
        if (whilePlaying)
            whilePlaying();
    }
};
