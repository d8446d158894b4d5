#pragma once

#include "scoring/hall_of_fame.h"

#include <QDialog>

#include <array>

class QLabel;
class QPushButton;

// The "HIGH SCORES" window: holds the hall of fame for the whole run and shows it in its ten
// labels. Created hidden at start-up; OK and the close box only hide it, never destroy it.
class HighScoreWindow : public QDialog {
    Q_OBJECT
public:
    explicit HighScoreWindow(QWidget* parent = nullptr);

    HallOfFame& hall() { return m_hall; }
    const HallOfFame& hall() const { return m_hall; }
    // Shows the table's texts in the labels; call after the table changed.
    void refresh();
    // Lays the window out again at the zoom of the window it belongs to.
    void rezoom();

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    // The banner and the scores' widths at the zoom of the moment, worked out only while the
    // window shows: neither a picture nor a font is read for it at start-up.
    void drawShown();

    HallOfFame m_hall;
    QLabel* m_banner = nullptr;
    QPushButton* m_ok = nullptr;
    std::array<QLabel*, HallOfFame::kPlaces> m_names{};
    std::array<QLabel*, HallOfFame::kPlaces> m_scores{};
};
