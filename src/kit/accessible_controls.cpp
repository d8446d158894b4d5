#include "kit/accessible_controls.h"

#include "kit/panel.h"
#include "kit/picture_control.h"

#include <QAbstractButton>
#include <QAccessibleWidget>
#include <QString>

namespace {
const char* const kConcealed = "dorvConcealed";

// A picture control: a button that can be pressed once it is named, otherwise a picture.
class PictureAccessible : public QAccessibleWidget {
public:
    explicit PictureAccessible(PictureControl* control)
        : QAccessibleWidget(control, QAccessible::Graphic)
    {
    }

    QAccessible::Role role() const override { return control()->isButton() ? QAccessible::Button : QAccessible::Graphic; }
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
            control()->click();
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
    if (className == QLatin1String("Panel"))
        return new QAccessibleWidget(widget, QAccessible::Grouping);
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
