#include "window/side_note.h"

#include "window/layout.h"

#include <QLabel>
#include <QVBoxLayout>

QLabel* SideNote::make(QWidget* form, const char* area, const char* name, Align align, const Look& look)
{
    auto* place = new QWidget(form);
    auto* label = new QLabel(place);
    Layout::place(place, area);
    place->setAttribute(Qt::WA_TransparentForMouseEvents);
    auto* column = new QVBoxLayout(place);
    column->setContentsMargins(0, 0, 0, 0);
    if (align == Align::Middle)
        column->addStretch();
    column->addWidget(label);
    column->addStretch();
    label->setObjectName(QString::fromLatin1(name));
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignCenter);
    label->setWordWrap(true);
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    label->setStyleSheet(QStringLiteral("QLabel { color: %1; background: %2; border: 1px solid %3; border-radius: 6px; padding: 3px; }")
                             .arg(QLatin1String(look.text), QLatin1String(look.glass), QLatin1String(look.border)));
    QFont font = label->font();
    font.setPointSizeF(look.points);
    font.setBold(true);
    label->setFont(font);
    return label;
}
