#pragma once

#include <QRect>
#include <QString>

#include <span>

class PictureControl;
class QWidget;
class Twips;

// Where every control of the main window stands: one table, in twips, read top to bottom as the
// window is laid out. The parts of the window build their controls from it.
class Layout {
public:
    struct Control {
        const char* name;      // the control's object name
        int index;             // its index in a control array; -1 for none
        const char* container; // the object name of the control it stands on
        int left, top;         // twips in its container
        int width, height;     // twips; 0 x 0: the size of its picture
        const char* picture;   // the artwork it shows at start-up; nullptr for none
        bool visible;
    };

    static std::span<const Control> controls();
    // The entry of a control; the table holds every control the window builds.
    static const Control& of(const char* name, int index = -1);
    // Its rectangle in pixels at `at`'s zoom.
    static QRect rect(const Control& control, const Twips& at);

    // Places `widget` as the table says, at the zoom of its window: object name, geometry and
    // visibility.
    static void place(QWidget* widget, const char* name, int index = -1);
    // A picture control on `container` as the table says, at the zoom of its window. A control with
    // a size of its own draws its picture into that size; one without takes the size of its picture.
    static PictureControl* picture(QWidget* container, const char* name, int index = -1);
    // Places every control of `form` the table holds again at the form's zoom, and draws every
    // picture control's artwork again at that zoom.
    static void rezoom(QWidget* form);
    // A widget with this property set is sized to its contents after each placing.
    static constexpr const char* kFitsText = "dorvFitsText";
};
