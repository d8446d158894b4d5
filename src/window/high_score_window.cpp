#include "window/high_score_window.h"

#include "kit/artwork.h"
#include "kit/panel.h"
#include "kit/twips.h"

#include <QLabel>
#include <QPushButton>

#include <algorithm>

HighScoreWindow::HighScoreWindow(QWidget* parent)
    : QDialog(parent, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(QStringLiteral("HIGH SCORES"));
    setFixedSize(Twips::size(5280, 4410));
    setModal(true);
    // Gold on black, painted rather than styled: a style sheet costs start-up time.
    QPalette colours = palette();
    colours.setColor(QPalette::WindowText, QColor(243, 210, 122));
    setPalette(colours);
    QFont bold = font();
    bold.setBold(true);
    setFont(bold);

    auto* banner = new QLabel(this);
    banner->setObjectName(QStringLiteral("Image1"));
    banner->setGeometry(Twips::rect(960, 120, 3240, 2160));
    banner->setPixmap(Artwork::pixmap(QStringLiteral("banner")));

    for (int place = 1; place <= HallOfFame::kPlaces; ++place) {
        const int top = 2160 + (place - 1) * 360;
        // Names and scores come from the file or the player: shown exactly as typed, never as markup.
        QLabel* name = new QLabel(this);
        name->setTextFormat(Qt::PlainText);
        name->setObjectName(QStringLiteral("Label%1").arg(place));
        name->setGeometry(Twips::rect(240, top, place == 5 ? 2415 : 2535, 255));
        QLabel* score = new QLabel(this);
        score->setTextFormat(Qt::PlainText);
        score->setObjectName(QStringLiteral("Label%1").arg(place + 5));
        score->move(Twips::point(4575, top));
        m_names[place - 1] = name;
        m_scores[place - 1] = score;
    }

    auto* ok = new QPushButton(QStringLiteral("&OK"), this);
    ok->setObjectName(QStringLiteral("Command1"));
    ok->setGeometry(Twips::rect(2040, 3840, 1335, 495));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::hide);
    refresh();
}

void HighScoreWindow::paintEvent(QPaintEvent*) { Panel::paintPlate(this); }

void HighScoreWindow::refresh()
{
    for (int place = 1; place <= HallOfFame::kPlaces; ++place) {
        m_names[place - 1]->setText(QString::fromStdString(m_hall.name(place)));
        QLabel* score = m_scores[place - 1];
        score->setText(QString::fromStdString(m_hall.score(place)));
        // A score label grows with its text; the name labels keep their widths. At least as tall
        // as its name, so both read on one line.
        score->adjustSize();
        score->resize(score->width(), std::max(score->height(), m_names[place - 1]->height()));
    }
}
