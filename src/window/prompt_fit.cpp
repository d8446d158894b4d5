#include "window/prompt_fit.h"

#include "kit/game_settings.h"

#include <QFontMetricsF>
#include <QStringList>

#include <algorithm>

namespace {
// The width as kept: every digit, and never in the player's locale.
QString widthText(qreal width) { return QString::number(width, 'g', 17); }
}

QFont PromptFit::fitted(QFont face, const QString& text, int room)
{
    const auto width = [&](int points) {
        face.setPointSize(points);
        return QFontMetricsF(face).horizontalAdvance(text);
    };
    GameSettings settings;
    // Kept: the text, the room, the size and the text's width at it.
    const QStringList kept = settings.promptFit();
    if (kept.size() == 4 && kept[0] == text && kept[1] == QString::number(room)) {
        bool isNumber = false;
        const int points = kept[2].toInt(&isNumber);
        if (isNumber && points >= kSmallest && points <= kLargest && widthText(width(points)) == kept[3])
            return face;
    }
    // The faces advance in proportion to their size, so the size is reckoned from the text's width
    // at 18 points and then checked at that size alone, rather than measured at every size in turn.
    int points = kLargest;
    qreal wide = width(points);
    if (wide > room) {
        points = std::clamp(int(kLargest * room / wide + 1e-9), kSmallest, kLargest - 1);
        while ((wide = width(points)) > room && points > kSmallest)
            --points;
    }
    face.setPointSize(points);
    settings.setPromptFit(QStringList{text, QString::number(room), QString::number(points), widthText(wide)});
    return face;
}
