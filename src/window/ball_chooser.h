#pragma once

#include <QObject>

#include <array>

class PictureControl;
class QLineEdit;
class QPushButton;
class QWidget;

// The ball chooser (Picture1) with its hidden pictures, the board chooser (Picture3), and the
// code-word box (Text1) that Alt+C (Command1) opens for the hidden balls.
class BallChooser : public QObject {
    Q_OBJECT
public:
    explicit BallChooser(QWidget* form);

    // The picture name of ball choice `index`.
    static QString ballPictureName(int index);

    // A click on ball choice `index` (0..10), on the golden coin, on board choice `index`.
    void Image2_Click(int index);
    void ein_Click();
    void Image23_Click(int index);
    // Alt+C: an empty code-word box takes the keyboard, at once, every time.
    void Command1_Click();
    // A code word completed in the box chooses its ball and empties the box.
    void Text1_Change();

signals:
    void ballChosen(const QString& pictureName);
    void boardChosen(int index);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildBalls(QWidget* form);
    void buildBoards(QWidget* form);

    QLineEdit* m_codeWord = nullptr;
    QPushButton* m_codeButton = nullptr;
};
