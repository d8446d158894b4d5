#include "support/window_rig.h"

#include "window/high_score_window.h"
#include "kit/qt_prompts.h"

// The real platform boxes behind the game's prompts, and the hall-of-fame window.
class TestQtPrompts : public QObject {
    Q_OBJECT

private slots:
    void theNameBoxGivesWhatIsTypedOverItsDefaultOrNothingAndEnterTakesAQuestionsDefault()
    {
        QtPrompts prompts(nullptr);
        QString seen;
        whenModal([&](QWidget* box) {
            auto* edit = box->findChild<QLineEdit*>();
            seen = box->windowTitle() + ": " + edit->text();
            edit->selectAll();
            QTest::keyClicks(edit, "Ada");
            QTest::keyClick(edit, Qt::Key_Return);
        });
        QCOMPARE(prompts.askText("Please enter your name", "The WINNERS!", "Your Name"), "Ada");
        QCOMPARE(seen, "The WINNERS!: Your Name");
        whenModal([](QWidget* box) { QTest::keyClick(box, Qt::Key_Escape); });
        QCOMPARE(prompts.askText("Name?", "T", "Your Name"), QString());

        // Enter takes the default button of a question.
        whenModal([&](QWidget* box) {
            seen = static_cast<QMessageBox*>(box)->text();
            QTest::keyClick(box, Qt::Key_Return);
        });
        QVERIFY(!prompts.askYesNo("The file x already exists.\r\rReplace file?", "Save file", false));
        // The carriage returns of the game's messages become line breaks on screen.
        QCOMPARE(seen, "The file x already exists.\n\nReplace file?");
        whenModal([](QWidget* box) { QTest::keyClick(box, Qt::Key_Return); });
        QVERIFY(prompts.askYesNo("Sure?", "The Dorv", true));
    }

    void theFileFiltersBecomeTheDialogsNameFilters()
    {
        QCOMPARE(QtPrompts::nameFilters("The Dorv Game Moves(*.dvm)|*.dvm|All Files (*.*)|*.*"),
                 QStringList({"The Dorv Game Moves(*.dvm)", "All Files (*)"}));
        QCOMPARE(QtPrompts::nameFilters("Games|*.dvg"), QStringList{"Games (*.dvg)"});
    }

    void theHallOfFameWindowWidensItsScoresAndHidesInsteadOfClosing()
    {
        HighScoreWindow window;
        window.show();
        QCOMPARE(window.windowTitle(), "HIGH SCORES");
        QCOMPARE(window.size(), QSize(352, 294));
        auto* name = window.findChild<QLabel*>("Label1");
        auto* score = window.findChild<QLabel*>("Label6");
        QCOMPARE(name->text(), "KT PLAYER");
        QCOMPARE(window.findChild<QLabel*>("Label10")->text(), "1");
        const QRect nameBefore = name->geometry();
        const QRect scoreBefore = score->geometry();
        window.hall().enter(1, "Ada", "27.5");
        window.refresh();
        QVERIFY(score->width() > scoreBefore.width());
        QCOMPARE(score->pos(), scoreBefore.topLeft());
        QCOMPARE(name->geometry(), nameBefore);

        QPointer<HighScoreWindow> alive(&window);
        whenModal([](QWidget* box) { box->close(); });
        window.exec();
        QVERIFY(alive && window.isHidden());
        QCOMPARE(name->text(), "Ada");
    }
};

QTEST_MAIN(TestQtPrompts)
#include "test_qt_prompts.moc"
