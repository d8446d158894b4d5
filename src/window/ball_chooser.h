#pragma once

#include <QObject>

#include <array>

class CommandTable;
class PictureControl;
class QAction;
class QLineEdit;
class QPushButton;
class QWidget;

// The ball chooser (Picture1) with its hidden pictures, the board chooser (Picture3), and the
// code-word box (Text1) that Alt+C (Command1) opens for the hidden balls. Each ball and each board
// is a command: its button or its key chooses it, and it is checked while it is in use. Tab never
// reaches the code-word box.
class BallChooser : public QObject {
    Q_OBJECT
public:
    BallChooser(QWidget* form, const CommandTable& commands);

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

    // Checks the choice that shows ball picture `pictureName`; none for a hidden one.
    void showBall(const QString& pictureName);
    // True while the code-word box has the keyboard.
    bool typingCodeWord() const;

signals:
    void ballChosen(const QString& pictureName);
    void boardChosen(int index);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildBalls(QWidget* form, const CommandTable& commands);
    void buildBoards(QWidget* form, const CommandTable& commands);

    std::array<QAction*, 7> m_balls{};
    std::array<QAction*, 3> m_boards{};
    QLineEdit* m_codeWord = nullptr;
    QPushButton* m_codeButton = nullptr;
};
