#pragma once

#include <QList>
#include <QObject>
#include <QString>

class QAction;
class QKeySequence;
class QMenu;
class QWidget;

// Every command of the main window as one action, made from one table: its text (what a menu and
// assistive technology read), its key, the line the help gives the key and, for the switches and
// the choices, whether it is in force. The picture buttons, the panels, the `view` menu and the
// keys all trigger these actions; the part of the window that does a command connects to it.
class CommandTable : public QObject {
    Q_OBJECT
public:
    // A key and what it does, as the help and the manual page list them.
    struct Key {
        QString keys;
        QString does;
    };

    explicit CommandTable(QWidget* form);

    // The action of command `id` (its object name).
    QAction* action(const QString& id) const;
    // The `view` menu: the two ways of viewing the moves, and the hint.
    QMenu* viewMenu() const { return m_view; }
    // Every key of the window: the board's, then the commands' in the order of the table.
    QList<Key> keys() const;
    // Shows which way the sound and the music are switched.
    void showSwitches(bool sound, bool music);

private:
    QList<QAction*> m_actions;
    QMenu* m_view;
};
