#pragma once

class QLabel;
class QWidget;

// Words left of the board on a dark glass, readable over the bright clouds of the background,
// over no hole and taking no click: the end of a game told, a puzzle's goal.
namespace SideNote {
// Where the words stand in their place, in a box as high as they need.
enum class Align { Middle, Top };
struct Look {
    const char* text;   // the words' colour
    const char* glass;  // the glass behind them
    const char* border;
    double points;
};
// Places `area` of the layout on `form`, hidden, with a label named `name` in it; the label is
// returned, its parent the place.
QLabel* make(QWidget* form, const char* area, const char* name, Align align, const Look& look);
}
