#include "window/layout.h"

#include "kit/picture_control.h"
#include "kit/twips.h"

#include <cstring>

namespace {
constexpr bool kShown = true;
constexpr bool kHidden = false;

constexpr Layout::Control kControls[] = {
    // The window's client area, 524 x 464 pixels, and its background.
    {"Form1", -1, "", 0, 0, 7860, 6960, nullptr, kShown},
    {"bck", -1, "Form1", 0, 0, 7860, 6960, "background", kShown},
    {"Label1", -1, "Form1", 2160, 1080, 3585, 435, nullptr, kShown},
    // The board: its picture and the holes, placed from hole 1.
    {"Picture2", -1, "Form1", 1200, 1560, 5415, 4575, nullptr, kShown},
    {"Image6", -1, "Picture2", 0, 0, 5340, 4515, nullptr, kShown},
    {"Image1", 1, "Picture2", 1800, 240, 480, 480, nullptr, kShown},
    {"Image3", -1, "Form1", 5760, 360, 375, 375, nullptr, kShown},
    {"Image4", -1, "Form1", 6240, 360, 495, 495, nullptr, kHidden},
    // The counter, the start hole and the move lists are kept out of sight.
    {"Label5", -1, "Form1", 6360, 120, 1215, 255, nullptr, kHidden},
    {"Label3", -1, "Form1", 6360, 1080, 735, 255, nullptr, kHidden},
    {"List1", -1, "Form1", 120, 1680, 1095, 1035, nullptr, kHidden},
    {"List2", -1, "Form1", 120, 2760, 1095, 1035, nullptr, kHidden},
    // The code-word box and its Alt+C button stand far outside the window.
    {"Text1", -1, "Form1", 245745, 1800, 735, 375, nullptr, kShown},
    {"Command1", -1, "Form1", 245745, 2400, 735, 375, nullptr, kShown},
    // The ball chooser: seven choices, five hidden pictures and the golden coin.
    {"Picture1", -1, "Form1", 1680, 120, 4455, 855, nullptr, kShown},
    {"Label2", -1, "Picture1", 120, 0, 3105, 195, nullptr, kShown},
    {"Image2", 0, "Picture1", 120, 240, 480, 480, "ball0", kShown},
    {"Image2", 1, "Picture1", 720, 240, 480, 480, "ball1", kShown},
    {"Image2", 2, "Picture1", 1320, 240, 480, 480, "ball2", kShown},
    {"Image2", 3, "Picture1", 3120, 240, 480, 480, "ball3", kShown},
    {"Image2", 4, "Picture1", 1920, 240, 480, 480, "ball4", kShown},
    {"Image2", 5, "Picture1", 2520, 240, 480, 480, "ball5", kShown},
    {"Image2", 6, "Picture1", 3720, 240, 480, 480, "ball6", kShown},
    {"Image2", 7, "Picture1", 0, 0, 480, 480, nullptr, kHidden},
    {"Image2", 8, "Picture1", 0, 0, 480, 480, nullptr, kHidden},
    {"Image2", 9, "Picture1", 600, 0, 480, 480, nullptr, kHidden},
    {"Image2", 10, "Picture1", 1200, 0, 480, 480, nullptr, kHidden},
    {"Image2", 11, "Picture1", 0, 0, 480, 480, nullptr, kHidden},
    {"ein", -1, "Picture1", 4080, 0, 480, 480, nullptr, kHidden},
    // The board chooser.
    {"Picture3", -1, "Form1", 6720, 1680, 1095, 3975, nullptr, kShown},
    {"Label4", -1, "Picture3", 0, 120, 1095, 255, nullptr, kShown},
    {"Image23", 0, "Picture3", 120, 480, 855, 735, "board0", kShown},
    {"Image23", 1, "Picture3", 120, 1560, 855, 735, "board1", kShown},
    {"Image23", 2, "Picture3", 120, 2640, 855, 735, "board2", kShown},
    // The toolbar's buttons.
    {"Image7", -1, "Form1", 120, 240, 0, 0, "btn_game", kShown},
    {"Image19", -1, "Form1", 120, 6240, 0, 0, "btn_moves", kShown},
    {"Image18", -1, "Form1", 6120, 960, 0, 0, "btn_undo", kShown},
    {"Image5", -1, "Form1", 4920, 6240, 0, 0, "btn_highscores", kShown},
    // GAME's panel, with its two dividing lines, and the Sound and Music panels beside it.
    {"men", -1, "Form1", 120, 720, 1815, 3015, nullptr, kHidden},
    {"Image8", -1, "men", 360, 0, 0, 0, "btn_new", kShown},
    {"Image9", -1, "men", 240, 480, 0, 0, "btn_load", kShown},
    {"Image10", -1, "men", 240, 960, 0, 0, "btn_save", kShown},
    {"Image11", -1, "men", 120, 1440, 0, 0, "btn_sound", kShown},
    {"Image14", -1, "men", 240, 1920, 0, 0, "btn_music", kShown},
    {"Line1", -1, "men", 0, 2400, 1800, 30, nullptr, kShown},
    {"Line2", -1, "men", 0, 2400, 1800, 15, nullptr, kShown},
    {"Image17", -1, "men", 360, 2400, 0, 0, "btn_quit", kShown},
    {"men1", -1, "Form1", 1920, 2160, 1215, 1215, nullptr, kHidden},
    {"Image12", -1, "men1", 240, 120, 0, 0, "btn_on", kShown},
    {"Image13", -1, "men1", 240, 600, 0, 0, "btn_off", kShown},
    {"men2", -1, "Form1", 1920, 2640, 1215, 1215, nullptr, kHidden},
    {"Image15", -1, "men2", 240, 120, 0, 0, "btn_on", kShown},
    {"Image16", -1, "men2", 240, 600, 0, 0, "btn_off", kShown},
    // A word for a moment below the board on the switch or choice just made.
    {"notice", -1, "Form1", 1740, 6270, 3060, 390, nullptr, kHidden},
    // The puzzle's name and goal above it, the end of a game told below, left of the board beside
    // its rows, clear of every hole.
    {"puzzle", -1, "Form1", 90, 1830, 1530, 1470, nullptr, kHidden},
    {"ending", -1, "Form1", 90, 3330, 1530, 1890, nullptr, kHidden},
    // The Moves panel.
    {"men3", -1, "Form1", 120, 4680, 1815, 1575, nullptr, kHidden},
    {"Image22", -1, "men3", 240, 0, 0, 0, "btn_view", kShown},
    {"Image21", -1, "men3", 240, 480, 0, 0, "btn_save", kShown},
    {"Image20", -1, "men3", 240, 960, 0, 0, "btn_load", kShown},
};
}

std::span<const Layout::Control> Layout::controls() { return kControls; }

const Layout::Control& Layout::of(const char* name, int index)
{
    for (const Control& control : kControls)
        if (control.index == index && std::strcmp(control.name, name) == 0)
            return control;
    qFatal("The layout has no control %s(%d)", name, index);
}

QRect Layout::rect(const Control& control, const Twips& at)
{
    return at.rect(control.left, control.top, control.width, control.height);
}

void Layout::place(QWidget* widget, const char* name, int index)
{
    const Control& control = of(name, index);
    widget->setObjectName(QString::fromLatin1(name));
    widget->setGeometry(rect(control, Twips::of(widget)));
    widget->setVisible(control.visible);
}

PictureControl* Layout::picture(QWidget* container, const char* name, int index)
{
    const Control& control = of(name, index);
    auto* picture = new PictureControl(container, QString::fromLatin1(name), index);
    const Twips at = Twips::of(container);
    const bool sized = control.width > 0 && control.height > 0;
    picture->setStretch(sized);
    if (sized)
        picture->setGeometry(rect(control, at));
    else
        picture->move(at.point(control.left, control.top));
    if (control.picture)
        picture->setArtwork(QString::fromLatin1(control.picture),
                            sized ? QSize(Twips::px(control.width), Twips::px(control.height)) : QSize());
    picture->setVisible(control.visible);
    return picture;
}

void Layout::rezoom(QWidget* form)
{
    const Twips at = Twips::of(form);
    for (const Control& control : kControls) {
        if (!*control.container)
            continue;
        for (QWidget* widget : form->findChildren<QWidget*>(QString::fromLatin1(control.name))) {
            const auto* picture = qobject_cast<PictureControl*>(widget);
            if (widget->window() != form || (picture ? picture->index() : -1) != control.index)
                continue;
            if (control.width > 0 && control.height > 0)
                widget->setGeometry(rect(control, at));
            else
                widget->move(at.point(control.left, control.top));
            if (widget->property(kFitsText).toBool())
                widget->adjustSize();
        }
    }
    for (PictureControl* picture : form->findChildren<PictureControl*>())
        if (picture->window() == form)
            picture->rezoom();
}
