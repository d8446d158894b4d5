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
    setWindowTitle(tr("HIGH SCORES"));
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
    m_banner = banner;

    for (int place = 1; place <= HallOfFame::kPlaces; ++place) {
        // Names and scores come from the file or the player: shown exactly as typed, never as markup.
        QLabel* name = new QLabel(this);
        name->setTextFormat(Qt::PlainText);
        name->setObjectName(QStringLiteral("Label%1").arg(place));
        QLabel* score = new QLabel(this);
        score->setTextFormat(Qt::PlainText);
        score->setObjectName(QStringLiteral("Label%1").arg(place + 5));
        m_names[place - 1] = name;
        m_scores[place - 1] = score;
    }

    m_ok = new QPushButton(QStringLiteral("&OK"), this);
    m_ok->setObjectName(QStringLiteral("Command1"));
    m_ok->setDefault(true);
    connect(m_ok, &QPushButton::clicked, this, &QDialog::hide);
    rezoom();
}

void HighScoreWindow::rezoom()
{
    const Twips at = Twips::of(this);
    setFixedSize(at.size(5280, 4410));
    m_banner->setGeometry(at.rect(960, 120, 3240, 2160));
    for (int place = 1; place <= HallOfFame::kPlaces; ++place) {
        const int top = 2160 + (place - 1) * 360;
        m_names[place - 1]->setGeometry(at.rect(240, top, place == 5 ? 2415 : 2535, 255));
        m_scores[place - 1]->move(at.point(4575, top));
    }
    m_ok->setGeometry(at.rect(2040, 3840, 1335, 495));
    refresh();
}

void HighScoreWindow::paintEvent(QPaintEvent*) { Panel::paintPlate(this); }

void HighScoreWindow::showEvent(QShowEvent* event)
{
    drawShown();
    QDialog::showEvent(event);
}

void HighScoreWindow::refresh()
{
    for (int place = 1; place <= HallOfFame::kPlaces; ++place) {
        m_names[place - 1]->setText(QString::fromStdString(m_hall.name(place)));
        m_scores[place - 1]->setText(QString::fromStdString(m_hall.score(place)));
    }
    if (isVisible())
        drawShown();
}

void HighScoreWindow::drawShown()
{
    m_banner->setPixmap(Artwork::pixmap(QStringLiteral("banner"), {}, Artwork::kScreenRatio, Twips::of(this).zoom()));
    for (int place = 1; place <= HallOfFame::kPlaces; ++place) {
        // A score label grows with its text; the name labels keep their widths. At least as tall
        // as its name, so both read on one line.
        QLabel* score = m_scores[place - 1];
        score->adjustSize();
        score->resize(score->width(), std::max(score->height(), m_names[place - 1]->height()));
    }
}
