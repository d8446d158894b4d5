#include "window/choice_notice.h"

#include "kit/accessible_controls.h"
#include "window/command_table.h"
#include "window/layout.h"

#include <QAction>
#include <QLabel>
#include <QTimer>

ChoiceNotice::ChoiceNotice(QWidget* form, const CommandTable& commands)
    : QObject(form)
    , m_label(new QLabel(form))
    , m_hide(new QTimer(this))
{
    Layout::place(m_label, "notice");
    m_label->setTextFormat(Qt::PlainText);
    m_label->setAlignment(Qt::AlignCenter);
    m_label->setAttribute(Qt::WA_TransparentForMouseEvents);
    QPalette colours = m_label->palette();
    colours.setColor(QPalette::WindowText, QColor(0xfb, 0xe7, 0xa1));
    m_label->setPalette(colours);
    QFont font = m_label->font();
    font.setPointSizeF(10);
    font.setBold(true);
    m_label->setFont(font);
    m_hide->setSingleShot(true);
    m_hide->setInterval(kShownMs);
    connect(m_hide, &QTimer::timeout, m_label, &QWidget::hide);

    using Command = CommandTable::Command;
    for (const Command command : {Command::SoundOn, Command::SoundOff, Command::MusicOn, Command::MusicOff, Command::Ball0,
                                  Command::Ball1, Command::Ball2, Command::Ball3, Command::Ball4, Command::Ball5,
                                  Command::Ball6, Command::Board0, Command::Board1, Command::Board2}) {
        QAction* choice = commands.action(command);
        connect(choice, &QAction::toggled, this, [this, form, choice](bool on) {
            if (on && form->isVisible())
                say(choice->text());
        });
    }
}

void ChoiceNotice::say(const QString& text)
{
    m_label->setText(text);
    m_label->raise();
    m_label->show();
    m_hide->start();
    AccessibleControls::alert(m_label, text);
}
