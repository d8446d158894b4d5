#include "window/help_window.h"

#include "kit/artwork.h"
#include "kit/qt_prompts.h"
#include "kit/twips.h"
#include "window/command_table.h"

#include <QHBoxLayout>
#include <QMessageBox>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace {
const char* const kHelp = QT_TRANSLATE_NOOP("HelpWindow", R"(
<h2>How to play</h2>
<p>Thirty-seven holes in a cross, a ball in every one. Take one ball off to start. Then pick up a
ball (it gets a frame) and put it into an empty hole two places away along a row or a column: the
ball it jumps over leaves the board. Pick a framed ball again to put it down. Leave as few balls
as you can.</p>
<p>Play with the mouse, or with the keyboard: the arrow keys move a ring over the holes, and Space
or Enter plays the hole under it as a click does.</p>
<h2>The score</h2>
<p>Every jump scores a point. An undo (UNDO, Ctrl+Z) costs a tenth of the score, plus one. When a
game ends &mdash; a new game, loading a moves file, or leaving &mdash; the five best scores enter THE
DORV WINNERS, the hall of fame.</p>
<h2>Commands and keys</h2>
<table cellspacing="0" cellpadding="2" width="100%">
%1</table>
<p>GAME opens New, Load, Save, Sound, Music and Quit; Moves opens View, Save and Load for lists of
moves. The strip at the top chooses the ball, the strip at the right the board.</p>
)");

const char* const kAbout = QT_TRANSLATE_NOOP("HelpWindow", R"(
<h3>The Dorv 1.0</h3>
<p>Peg solitaire for the Linux desktop.</p>
<p>The artwork, the tune and the move sound were made for the game by The Dorv developers.</p>
<p>Copyright &copy; The Dorv developers. Released under the MIT licence:</p>
)");

// The licence is quoted as it is written, in English.
const char* const kLicence = R"(<p><small>Permission is hereby granted, free of charge, to any person obtaining a copy of this
software and associated documentation files (the &ldquo;Software&rdquo;), to deal in the Software
without restriction, including without limitation the rights to use, copy, modify, merge, publish,
distribute, sublicense, and/or sell copies of the Software, and to permit persons to whom the
Software is furnished to do so, subject to the following conditions:</small></p>
<p><small>The above copyright notice and this permission notice shall be included in all copies or
substantial portions of the Software.</small></p>
<p><small>THE SOFTWARE IS PROVIDED &ldquo;AS IS&rdquo;, WITHOUT WARRANTY OF ANY KIND, EXPRESS OR
IMPLIED, INCLUDING BUT NOT LIMITED TO THE WARRANTIES OF MERCHANTABILITY, FITNESS FOR A PARTICULAR
PURPOSE AND NONINFRINGEMENT. IN NO EVENT SHALL THE AUTHORS OR COPYRIGHT HOLDERS BE LIABLE FOR ANY
CLAIM, DAMAGES OR OTHER LIABILITY, WHETHER IN AN ACTION OF CONTRACT, TORT OR OTHERWISE, ARISING
FROM, OUT OF OR IN CONNECTION WITH THE SOFTWARE OR THE USE OR OTHER DEALINGS IN THE SOFTWARE.</small></p>
)";
}

HelpWindow::HelpWindow(const CommandTable& commands, QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("Help"));
    setWindowTitle(tr("The Dorv Help"));
    setWindowIcon(QIcon(Artwork::pixmap(QStringLiteral("icon"), QSize(32, 32), 2)));
    setModal(true);
    resize(QSize(460, 520) * Twips::of(this).zoom());

    auto* text = new QTextBrowser(this);
    text->setObjectName(QStringLiteral("text"));
    QString keys;
    for (const CommandTable::Key& key : commands.keys())
        keys += QStringLiteral("<tr><td width=\"35%\">%1</td><td>%2</td></tr>\n")
                    .arg(key.keys.toHtmlEscaped(), key.does.toHtmlEscaped());
    text->setHtml(tr(kHelp).arg(keys));
    text->setAccessibleName(tr("How to play, the score and the keys"));
    auto* about = new QPushButton(tr("&About"), this);
    about->setObjectName(QStringLiteral("about"));
    auto* close = new QPushButton(tr("&Close"), this);
    close->setObjectName(QStringLiteral("close"));
    close->setDefault(true);
    connect(about, &QPushButton::clicked, this, [this] { HelpWindow::about(this); });
    connect(close, &QPushButton::clicked, this, &QDialog::accept);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(about);
    buttons->addStretch();
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text);
    layout->addLayout(buttons);
    text->setFocus();
}

void HelpWindow::about(QWidget* parent)
{
    QMessageBox box(QMessageBox::NoIcon, tr("About The Dorv"), tr(kAbout) + QString::fromUtf8(kLicence), QMessageBox::Ok, parent);
    box.setObjectName(QStringLiteral("About"));
    // At the windows' zoom, with the game's picture drawn at that zoom.
    box.setIconPixmap(Artwork::pixmap(QStringLiteral("icon"), QSize(64, 64), Artwork::kScreenRatio, Twips::of(parent).zoom()));
    QtPrompts::followZoom(&box, parent);
    box.exec();
}
