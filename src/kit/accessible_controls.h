#pragma once

#include <QList>

class QString;
class QWidget;

// How the window's own controls present themselves to assistive technology: a picture button or
// a hole as a button that can be pressed (a switch's as a check box, a choice's as a radio button),
// any other picture as a graphic, a panel or a strip of buttons as a group, the main window as a
// frame, a word said for a moment as an alert message, and a control kept off the screen as an
// invisible one.
namespace AccessibleControls {
// Installs the interfaces of picture controls, panels and concealed controls (once; every picture
// control and panel calls it when it is made).
void install();
// Tells assistive technology that `widget` is out of sight (invisible and off the screen) and names
// it `name`; the widget itself keeps working.
void conceal(QWidget* widget, const QString& name);
// Tells assistive technology that `widget` is a group of controls named `name`.
void group(QWidget* widget, const QString& name);
// Tells assistive technology that `widget` is a main window (a frame), named by its title.
void window(QWidget* widget);
// Leaves `widget`, a picture that only decorates, out of what assistive technology reads.
void decoration(QWidget* widget);
// `widgets`, children of one parent, in the order the player reads them: line by line from the
// top, each line from the left. A window and a group give their children to assistive technology
// in this order.
QList<QWidget*> readingOrder(QList<QWidget*> widgets);
// Makes `widget` an alert message that says `text`, and has a screen reader say it now.
void alert(QWidget* widget, const QString& text);
}
