#pragma once

#include "kit/prompts.h"

#include <QStringList>

// The prompts as the platform's own modal message boxes, input box and file dialogs, at the zoom
// of the window they are asked for.
class QtPrompts final : public Prompts {
public:
    explicit QtPrompts(QWidget* parent) : m_parent(parent) {}

    void message(const QString& text, const QString& title, Icon icon) override;
    bool askYesNo(const QString& text, const QString& title, bool yesIsDefault) override;
    QString askText(const QString& prompt, const QString& title, const QString& defaultAnswer) override;
    QString openFileName(const QString& title, const QString& filter, const QString& defaultSuffix) override;
    QString saveFileName(const QString& title, const QString& filter, const QString& defaultSuffix) override;

    // "Label(*.dvm)|*.dvm|All Files (*.*)|*.*" as the file dialog's name filters; "*.*" means every file.
    static QStringList nameFilters(const QString& filter);
    // Sizes `box` at the zoom of its `parent`'s window, as the parent is: the parent's font, and a
    // message's icon drawn at the zoomed size.
    static void followZoom(QWidget* box, QWidget* parent);

private:
    QString fileName(const QString& title, const QString& filter, const QString& defaultSuffix, bool save);

    QWidget* m_parent;
};
