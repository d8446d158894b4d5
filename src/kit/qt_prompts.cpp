#include "kit/qt_prompts.h"

#include "kit/twips.h"

#include <QFileDialog>
#include <QInputDialog>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QStyle>

#include <iterator>

namespace {
// About the width at which a message box wraps a long rich text (the About box's) at 100 %.
constexpr int kWrappedWidth = 400;

// The game's messages break lines with carriage returns; the message boxes want line feeds.
QString shown(QString text)
{
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}
}

void QtPrompts::followZoom(QWidget* box, QWidget* parent)
{
    const double zoom = Twips::of(parent).zoom();
    // A box sized by its maker (the file dialog) grows with the zoom.
    if (box->testAttribute(Qt::WA_Resized) && zoom != 1)
        box->resize(box->size() * zoom);
    // A box is a window of its own, which takes no font from the window it belongs to.
    if (parent)
        box->setFont(parent->font());
    if (zoom == 1)
        return;
    auto* message = qobject_cast<QMessageBox*>(box);
    // A long text wraps at a width that grows with the zoom (as far as the screen allows), where
    // the box would keep the width it has at 100 %.
    if (auto* text = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label")); message && text && text->textFormat() != Qt::PlainText) {
        text->setWordWrap(true);
        text->setMinimumWidth(int(kWrappedWidth * zoom));
    }
    // The room the style gives around and between the box's parts, and its buttons' least width,
    // grow with the text.
    if (QLayout* layout = box->layout()) {
        const QMargins margins = layout->contentsMargins();
        layout->setContentsMargins(int(margins.left() * zoom), int(margins.top() * zoom), int(margins.right() * zoom),
                                   int(margins.bottom() * zoom));
        if (layout->spacing() > 0)
            layout->setSpacing(int(layout->spacing() * zoom));
    }
    for (QPushButton* button : box->findChildren<QPushButton*>()) {
        const QSize own = QPushButton(button->text()).sizeHint();
        button->setMinimumSize(int(own.width() * zoom), int(own.height() * zoom));
    }
    for (QLineEdit* line : box->findChildren<QLineEdit*>())
        line->setMinimumHeight(int(QLineEdit().sizeHint().height() * zoom));
    if (!message)
        return;
    // The message's icon at the zoomed size, drawn from the style's icon rather than stretched. The
    // box keeps its kind of icon (it tells assistive technology what kind of message it is); a
    // picture of the box's own is drawn at its size by whoever gives it.
    const QStyle::StandardPixmap icons[] = {QStyle::SP_MessageBoxInformation, QStyle::SP_MessageBoxWarning,
                                             QStyle::SP_MessageBoxCritical, QStyle::SP_MessageBoxQuestion};
    const QMessageBox::Icon kinds[] = {QMessageBox::Information, QMessageBox::Warning, QMessageBox::Critical,
                                       QMessageBox::Question};
    auto* label = box->findChild<QLabel*>(QStringLiteral("qt_msgboxex_icon_label"));
    const QPixmap shown = message->iconPixmap();
    if (!label || shown.isNull())
        return;
    const QSize size = (QSizeF(shown.deviceIndependentSize()) * zoom).toSize();
    for (std::size_t n = 0; n < std::size(kinds); ++n)
        if (message->icon() == kinds[n]) {
            label->setPixmap(box->style()->standardIcon(icons[n], nullptr, box).pixmap(size, box->devicePixelRatioF()));
            return;
        }
}

void QtPrompts::message(const QString& text, const QString& title, Icon icon)
{
    QMessageBox box(m_parent);
    box.setWindowTitle(title);
    // Messages name files, and a file name is never markup.
    box.setTextFormat(Qt::PlainText);
    box.setText(shown(text));
    box.setIcon(icon == Icon::Critical      ? QMessageBox::Critical
                : icon == Icon::Question    ? QMessageBox::Question
                : icon == Icon::Information ? QMessageBox::Information
                                            : QMessageBox::NoIcon);
    box.setStandardButtons(QMessageBox::Ok);
    followZoom(&box, m_parent);
    box.exec();
}

bool QtPrompts::askYesNo(const QString& text, const QString& title, bool yesIsDefault)
{
    QMessageBox box(QMessageBox::Question, title, QString(), QMessageBox::Yes | QMessageBox::No, m_parent);
    box.setTextFormat(Qt::PlainText);
    box.setText(shown(text));
    box.setDefaultButton(yesIsDefault ? QMessageBox::Yes : QMessageBox::No);
    followZoom(&box, m_parent);
    return box.exec() == QMessageBox::Yes;
}

QString QtPrompts::askText(const QString& prompt, const QString& title, const QString& defaultAnswer)
{
    QInputDialog box(m_parent);
    box.setWindowTitle(title);
    box.setLabelText(prompt);
    box.setTextValue(defaultAnswer);
    box.setInputMode(QInputDialog::TextInput);
    // Asked for a button's text, the box makes its parts, which the zoom sizes.
    box.setOkButtonText(box.okButtonText());
    followZoom(&box, m_parent);
    return box.exec() == QDialog::Accepted ? box.textValue() : QString();
}

QStringList QtPrompts::nameFilters(const QString& filter)
{
    QStringList filters;
    const QStringList parts = filter.split(QLatin1Char('|'));
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString& label = parts[i];
        QString pattern = parts[i + 1];
        pattern.replace(QLatin1String("*.*"), QLatin1String("*"));
        // The label shows its patterns in brackets already; the dialog reads them from there.
        const QString shown = QStringLiteral("(%1)").arg(parts[i + 1]);
        if (label.endsWith(shown))
            filters << label.left(label.size() - shown.size()) + QStringLiteral("(%1)").arg(pattern);
        else
            filters << QStringLiteral("%1 (%2)").arg(label, pattern);
    }
    return filters;
}

QString QtPrompts::fileName(const QString& title, const QString& filter, const QString& defaultSuffix, bool save)
{
    QFileDialog dialog(m_parent, title);
    dialog.setNameFilters(nameFilters(filter));
    dialog.setDefaultSuffix(defaultSuffix);
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    // The game asks its own "Replace file?" question; the dialog must not ask it first.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    followZoom(&dialog, m_parent);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

QString QtPrompts::openFileName(const QString& title, const QString& filter, const QString& defaultSuffix)
{
    return fileName(title, filter, defaultSuffix, false);
}

QString QtPrompts::saveFileName(const QString& title, const QString& filter, const QString& defaultSuffix)
{
    return fileName(title, filter, defaultSuffix, true);
}
