#pragma once

#include <QString>

class QWidget;

// How the game asks and tells the player: message boxes, the name box and the file dialogs.
// The window talks only to this, so tests can answer in place of a player.
class Prompts {
public:
    enum class Icon { None, Information, Question, Critical };

    virtual ~Prompts() = default;
    virtual void message(const QString& text, const QString& title, Icon icon) = 0;
    // A Yes/No question with the question icon; true for Yes.
    virtual bool askYesNo(const QString& text, const QString& title, bool yesIsDefault) = 0;
    // A line of text; empty when cancelled.
    virtual QString askText(const QString& prompt, const QString& title, const QString& defaultAnswer) = 0;
    // The file dialogs; filter as pairs of label and pattern separated by "|"; empty when cancelled.
    virtual QString openFileName(const QString& title, const QString& filter, const QString& defaultSuffix) = 0;
    virtual QString saveFileName(const QString& title, const QString& filter, const QString& defaultSuffix) = 0;
};
