#include "kit/accessible_controls.h"

#include "kit/panel.h"
#include "kit/picture_control.h"

#include <QAbstractButton>
#include <QAccessibleWidget>
#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QString>

#include <algorithm>

namespace {
const char* const kConcealed = "dorvConcealed";
const char* const kGroup = "dorvGroup";
const char* const kAlert = "dorvAlert";
const char* const kWindow = "dorvWindow";
const char* const kDecoration = "dorvDecoration";

// A window or a group whose children assistive technology reads in the order the player reads
// them on the screen. Children out of sight (hidden, or a panel not opened) and pictures that only
// decorate are left out.
class ReadingOrderAccessible : public QAccessibleWidget {
public:
    ReadingOrderAccessible(QWidget* widget, QAccessible::Role role)
        : QAccessibleWidget(widget, role)
    {
    }

    int childCount() const override { return int(children().size()); }
    QAccessibleInterface* child(int index) const override
    {
        const QList<QWidget*> all = children();
        return index >= 0 && index < all.size() ? QAccessible::queryAccessibleInterface(all[index]) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        if (!child || !child->object() || !child->object()->isWidgetType())
            return -1;
        return int(children().indexOf(static_cast<QWidget*>(child->object())));
    }

private:
    QList<QWidget*> children() const
    {
        QList<QWidget*> shown;
        for (QObject* object : widget()->children()) {
            auto* child = qobject_cast<QWidget*>(object);
            if (child && !child->isWindow() && !qobject_cast<QMenu*>(child) && !child->isHidden()
                && !child->property(kDecoration).toBool())
                shown << child;
        }
        return AccessibleControls::readingOrder(shown);
    }
};

// A picture control: a button that can be pressed once it is named, otherwise a picture. The
// button of a switch is a check box, that of a choice among several a radio button; either tells
// whether it is checked, and a button tells its action's key.
class PictureAccessible : public QAccessibleWidget {
public:
    explicit PictureAccessible(PictureControl* control)
        : QAccessibleWidget(control, QAccessible::Graphic)
    {
    }

    QAccessible::Role role() const override
    {
        const QAction* action = control()->action();
        if (action && action->isCheckable())
            return action->actionGroup() && action->actionGroup()->isExclusive() ? QAccessible::RadioButton
                                                                                 : QAccessible::CheckBox;
        return control()->isButton() ? QAccessible::Button : QAccessible::Graphic;
    }
    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        if (const QAction* action = control()->action(); action && action->isCheckable()) {
            state.checkable = true;
            state.checked = action->isChecked();
        }
        return state;
    }
    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Accelerator && control()->action())
            return control()->action()->shortcut().toString(QKeySequence::NativeText);
        return QAccessibleWidget::text(kind);
    }
    QStringList actionNames() const override
    {
        QStringList names = QAccessibleWidget::actionNames();
        if (control()->isButton())
            names.prepend(pressAction());
        return names;
    }
    void doAction(const QString& action) override
    {
        if (action == pressAction() && control()->isButton())
            control()->press();
        else
            QAccessibleWidget::doAction(action);
    }

private:
    PictureControl* control() const { return static_cast<PictureControl*>(widget()); }
};

// A control the player never sees (it stands outside every screen): reported invisible.
class ConcealedAccessible : public QAccessibleWidget {
public:
    explicit ConcealedAccessible(QWidget* widget)
        : QAccessibleWidget(widget, qobject_cast<QAbstractButton*>(widget) ? QAccessible::Button : QAccessible::EditableText)
    {
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.invisible = true;
        state.offscreen = true;
        return state;
    }
    QString text(QAccessible::Text kind) const override
    {
        return kind == QAccessible::Name ? widget()->property(kConcealed).toString() : QAccessibleWidget::text(kind);
    }
};

QAccessibleInterface* factory(const QString& className, QObject* object)
{
    if (!object || !object->isWidgetType())
        return nullptr;
    auto* widget = static_cast<QWidget*>(object);
    if (widget->property(kConcealed).isValid())
        return new ConcealedAccessible(widget);
    if (className == QLatin1String("PictureControl"))
        return new PictureAccessible(static_cast<PictureControl*>(widget));
    if (widget->property(kAlert).isValid())
        return new QAccessibleWidget(widget, QAccessible::AlertMessage);
    if (widget->property(kWindow).isValid())
        return new ReadingOrderAccessible(widget, QAccessible::Window);
    if (className == QLatin1String("Panel") || widget->property(kGroup).isValid())
        return new ReadingOrderAccessible(widget, QAccessible::Grouping);
    return nullptr;
}
}

void AccessibleControls::install()
{
    static const bool installed = [] {
        QAccessible::installFactory(&factory);
        return true;
    }();
    Q_UNUSED(installed);
}

void AccessibleControls::conceal(QWidget* widget, const QString& name)
{
    install();
    widget->setProperty(kConcealed, name);
    // An interface made before the mark (widgets make theirs as they change) gives way to the concealed one.
    QAccessibleInterface* made = QAccessible::queryAccessibleInterface(widget);
    if (made && !dynamic_cast<ConcealedAccessible*>(made))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
}

QList<QWidget*> AccessibleControls::readingOrder(QList<QWidget*> widgets)
{
    // Lines from the top: a widget joins the line of the widgets above it while its top lies above
    // the middle of the line's shortest widget (measured from the line's top); each line is read
    // from the left.
    std::stable_sort(widgets.begin(), widgets.end(), [](const QWidget* a, const QWidget* b) { return a->y() < b->y(); });
    QList<QWidget*> ordered;
    for (qsizetype first = 0; first < widgets.size();) {
        int ends = widgets[first]->y() + widgets[first]->height() / 2;
        qsizetype next = first + 1;
        while (next < widgets.size() && widgets[next]->y() < ends) {
            ends = std::min(ends, widgets[first]->y() + widgets[next]->height() / 2);
            ++next;
        }
        const auto line = ordered.size();
        ordered.append(widgets.mid(first, next - first));
        std::stable_sort(ordered.begin() + line, ordered.end(), [](const QWidget* a, const QWidget* b) { return a->x() < b->x(); });
        first = next;
    }
    return ordered;
}

void AccessibleControls::window(QWidget* widget)
{
    install();
    widget->setProperty(kWindow, true);
    QAccessibleInterface* made = QAccessible::queryAccessibleInterface(widget);
    if (made && made->role() != QAccessible::Window)
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
}

void AccessibleControls::decoration(QWidget* widget) { widget->setProperty(kDecoration, true); }

void AccessibleControls::group(QWidget* widget, const QString& name)
{
    install();
    widget->setProperty(kGroup, true);
    widget->setAccessibleName(name);
    QAccessibleInterface* made = QAccessible::queryAccessibleInterface(widget);
    if (made && made->role() != QAccessible::Grouping)
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
}

void AccessibleControls::alert(QWidget* widget, const QString& text)
{
    install();
    if (!widget->property(kAlert).isValid()) {
        widget->setProperty(kAlert, true);
        if (QAccessibleInterface* made = QAccessible::queryAccessibleInterface(widget); made && made->role() != QAccessible::AlertMessage)
            QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
    }
    widget->setAccessibleName(text);
    QAccessibleEvent alert(widget, QAccessible::Alert);
    QAccessible::updateAccessibility(&alert);
}
