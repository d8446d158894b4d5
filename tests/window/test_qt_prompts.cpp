#include "scoring/high_score_window.h"
#include "window/qt_prompts.h"

#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QtTest>

#include <functional>

namespace {
// Runs `answer` on the modal box once it is up.
void whenModal(const std::function<void(QWidget*)>& answer)
{
    QTimer::singleShot(0, [answer] {
        QTRY_VERIFY(QApplication::activeModalWidget());
        answer(QApplication::activeModalWidget());
    });
}
}

// The real platform boxes behind the game's prompts, and the hall-of-fame window.
class TestQtPrompts : public QObject {
    Q_OBJECT

private slots:
    void theNameBoxOffersTheDefaultAndReturnsWhatIsTyped()
    {
        QtPrompts prompts(nullptr);
        QString offered;
        QString title;
        whenModal([&](QWidget* box) {
            title = box->windowTitle();
            auto* edit = box->findChild<QLineEdit*>();
            offered = edit->text();
            edit->selectAll();
            QTest::keyClicks(edit, QStringLiteral("Ada"));
            QTest::keyClick(edit, Qt::Key_Return);
        });
        QCOMPARE(prompts.askText(QStringLiteral("Please enter your name"), QStringLiteral("The WINNERS!"),
                                 QStringLiteral("Your Name")),
                 QStringLiteral("Ada"));
        QCOMPARE(offered, QStringLiteral("Your Name"));
        QCOMPARE(title, QStringLiteral("The WINNERS!"));
    }

    void cancellingTheNameBoxGivesAnEmptyAnswer()
    {
        QtPrompts prompts(nullptr);
        whenModal([](QWidget* box) { QTest::keyClick(box, Qt::Key_Escape); });
        QCOMPARE(prompts.askText(QStringLiteral("Name?"), QStringLiteral("T"), QStringLiteral("Your Name")), QString());
    }

    void enterTakesTheDefaultButtonOfAQuestion()
    {
        QtPrompts prompts(nullptr);
        QString text;
        whenModal([&](QWidget* box) {
            text = static_cast<QMessageBox*>(box)->text();
            QTest::keyClick(box, Qt::Key_Return);
        });
        QVERIFY(!prompts.askYesNo(QStringLiteral("The file x already exists.\r\rReplace file?"), QStringLiteral("Save file"), false));
        // The carriage returns of the game's messages become line breaks on screen.
        QCOMPARE(text, QStringLiteral("The file x already exists.\n\nReplace file?"));
        whenModal([](QWidget* box) { QTest::keyClick(box, Qt::Key_Return); });
        QVERIFY(prompts.askYesNo(QStringLiteral("Sure?"), QStringLiteral("The Dorv"), true));
    }

    void theFileFiltersBecomeTheDialogsNameFilters()
    {
        QCOMPARE(QtPrompts::nameFilters(QStringLiteral("The Dorv Game Moves(*.dvm)|*.dvm|All Files (*.*)|*.*")),
                 (QStringList{QStringLiteral("The Dorv Game Moves(*.dvm)"), QStringLiteral("All Files (*)")}));
        QCOMPARE(QtPrompts::nameFilters(QStringLiteral("Games|*.dvg")), QStringList{QStringLiteral("Games (*.dvg)")});
    }

    void theHallOfFameWindowHidesInsteadOfClosing()
    {
        HighScoreWindow window;
        QCOMPARE(window.windowTitle(), QStringLiteral("HIGH SCORES"));
        QCOMPARE(window.size(), QSize(352, 294));
        auto* name = window.findChild<QLabel*>(QStringLiteral("Label1"));
        auto* score = window.findChild<QLabel*>(QStringLiteral("Label6"));
        QCOMPARE(name->text(), QStringLiteral("KT PLAYER"));
        QCOMPARE(window.findChild<QLabel*>(QStringLiteral("Label10"))->text(), QStringLiteral("1"));
        const int nameWidth = name->width();
        const int narrow = score->width();
        const int left = score->x();
        window.hall().enter(1, "Ada", "27.5");
        window.refresh();
        QVERIFY(score->width() > narrow);
        QCOMPARE(score->x(), left);
        QCOMPARE(name->width(), nameWidth);

        QPointer<HighScoreWindow> alive(&window);
        whenModal([](QWidget* box) { box->close(); });
        window.exec();
        QVERIFY(alive);
        QVERIFY(window.isHidden());
        QCOMPARE(name->text(), QStringLiteral("Ada"));
    }
};

QTEST_MAIN(TestQtPrompts)
#include "test_qt_prompts.moc"
