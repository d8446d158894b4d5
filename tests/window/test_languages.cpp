#include "support/window_rig.h"

#include "kit/caption_label.h"
#include "puzzles/puzzle_book.h"
#include "window/puzzle_play.h"
#include "window/command_table.h"
#include "window/help_window.h"
#include "window/layout.h"
#include "window/high_score_window.h"
#include "window/translations.h"

#include <QXmlStreamReader>

namespace {
// Whether language `locale`'s translation file gives figure `figure` its English name on purpose.
bool translatedAsItself(const char* locale, const std::string& figure)
{
    QFile file(QStringLiteral(DORV_TRANSLATIONS "/dorv_%1.ts").arg(QString::fromLatin1(locale).left(2)));
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QString text = QString::fromUtf8(file.readAll());
    const QString name = QString::fromStdString(figure);
    return text.contains("<source>" + name + "</source>\n        <translation>" + name + "</translation>");
}

// The English texts the translations are made from: every <source> of a translation file.
QSet<QString> sourceTexts()
{
    QFile file(DORV_TRANSLATIONS "/dorv_de.ts");
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QSet<QString> texts;
    QXmlStreamReader xml(&file);
    while (!xml.atEnd())
        if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == QLatin1String("source"))
            texts << xml.readElementText();
    return texts;
}

// What the window says: its prompt, its title, the hall of fame's title and its names, the
// confirmation that loading a moves file asks for, and the file chooser's title and kinds of file.
QStringList shownTexts(WindowRig& rig)
{
    MainWindow& window = rig.start();
    rig.prompts.files << rig.write("moves.dvm", "");
    part<FileCommands>(window).loadmoves();
    QStringList shown{rig.find<QLabel>("Label1")->text(), window.windowTitle(), part<HighScoreWindow>(window).windowTitle(),
                      part<HighScoreWindow>(window).findChild<QLabel*>("Label2")->text(), rig.prompts.last("yesno"),
                      rig.prompts.last("open")};
    return shown;
}
}

// The game's texts in the player's language, and exactly the English ones in an English or C locale.
class TestLanguages : public QObject {
    Q_OBJECT

private slots:
    void anEnglishOrCLocaleShowsTheTextsAsWritten()
    {
        const QSet<QString> english = sourceTexts();
        QVERIFY(english.contains("New game"));
        for (const char* name : {"C", "en_US", "en_GB"}) {
            Translations::install(QLocale(QString::fromLatin1(name)));
            WindowRig rig;
            QCOMPARE(shownTexts(rig), QStringList({"Remove a 'ball' to start", "The Dorv 1.0", "HIGH SCORES", "KT PLAYER",
                                                   "The Dorv / Loading a MOVES file shall clear the current game. Are you "
                                                   "sure you want to continue? / Yes",
                                                   "Load Moves / The Dorv Game Moves (*.dvm)|*.dvm|All Files (*.*)|*.* / dvm"}));
            // Every command says its English text.
            for (const QAction* action : rig.window->findChildren<QAction*>())
                if (!action->text().isEmpty() && action->text() != "view")
                    QVERIFY2(english.contains(action->text()), qPrintable(action->text()));
        }
    }

    void aGermanLocaleShowsTheGameInGermanButNotItsData()
    {
        Translations::install(QLocale("de_DE"));
        WindowRig rig;
        QCOMPARE(shownTexts(rig), QStringList({"Zum Start eine \u201aKugel\u2018 wegnehmen", "The Dorv 1.0", "BESTENLISTE",
                                               "KT PLAYER",
                                               "The Dorv / Das Laden einer Z\u00fcgedatei l\u00f6scht das laufende Spiel. "
                                               "M\u00f6chtest du wirklich fortfahren? / Yes",
                                               "Z\u00fcge laden / The-Dorv-Zugliste (*.dvm)|*.dvm|Alle Dateien (*.*)|*.* / dvm"}));
        QCOMPARE(part<CommandTable>(*rig.window).action(CommandTable::Command::NewGame)->text(), "Neues Spiel");
        QCOMPARE(part<CommandTable>(*rig.window).keys().value(0).does, "Den Ring \u00fcber die L\u00f6cher bewegen");
        HelpWindow help(part<CommandTable>(*rig.window));
        QVERIFY(help.findChild<QTextBrowser*>("text")->toPlainText().startsWith("So wird gespielt"));
        QCOMPARE(rig.hole(19)->accessibleName(), "Loch 19, Kugel");
        // The counter and the hole numbers stay as they are.
        rig.play(19, 1);
        QCOMPARE(rig.find<QLabel>("Label5")->text(), "1");
    }

    // The platform's own name box, which asks a winner's name for the hall of fame, asks in the
    // player's language; the name the player gives stays as typed.
    void theNameBoxAsksInThePlayersLanguage()
    {
        const struct {
            const char* locale;
            QString title, label;
        } languages[] = {
            {"de_DE", "Die SIEGER!",
             "Gl\u00fcckwunsch, du hast es in die Ruhmeshalle \u201aTHE DORV WINNERS\u2018 geschafft. Bitte gib deinen Namen ein"},
            {"fr_FR", "Les GAGNANTS !",
             "F\u00e9licitations, vous entrez au panth\u00e9on \u00ab THE DORV WINNERS \u00bb. Veuillez saisir votre nom"},
        };
        for (const auto& language : languages) {
            Translations::install(QLocale(QString::fromLatin1(language.locale)));
            WindowRig rig;
            rig.start(true);
            rig.play(19, 8);
            QString title, label;
            whenModal([&](QWidget* box) {
                auto* input = qobject_cast<QInputDialog*>(box);
                QVERIFY(input);
                title = input->windowTitle();
                label = input->labelText();
                input->setTextValue("J\u00fcrgen");
                input->accept();
            });
            rig.window->Image8_Click();
            QCOMPARE(title, language.title);
            QCOMPARE(label, language.label);
            QVERIFY(rig.read("dvhs.sys").starts_with("hs1nJ\xfcrgen\r\nhs18\r\n"));
        }
    }

    // Every puzzle's name and goal in each language; its position and solution are data, the
    // same in every language (the command line prints the English names).
    void everyPuzzleIsNamedInEveryLanguage()
    {
        for (const char* name : {"de_DE", "fr_FR", "es_ES", "it_IT", "nl_NL"}) {
            Translations::install(QLocale(QString::fromLatin1(name)));
            QStringList untranslated;
            for (const Puzzle& puzzle : PuzzleBook::all()) {
                const QString english = QString::fromStdString(englishName(puzzle));
                const QString shown = PuzzlePlay::name(puzzle);
                // A figure may keep its English name in a language ("Ring"), but only where the
                // translation says so.
                if (shown == english && (puzzle.figure.empty() || !translatedAsItself(name, puzzle.figure)))
                    untranslated << english;
                if (PuzzlePlay::goal(puzzle).startsWith("Goal"))
                    untranslated << QString::fromStdString(goalText(puzzle));
            }
            QVERIFY2(untranslated.isEmpty(), qPrintable(QString(name) + ": " + untranslated.join(", ")));
        }
        Translations::install(QLocale("de_DE"));
        const Puzzle& first = PuzzleBook::all().front();
        QCOMPARE(PuzzlePlay::name(first), QString("Loch %1 leer").arg(first.openHole));
    }

    void everyLanguageShowsItsWholeStartPrompt()
    {
        QStringList cut;
        for (const char* name : {"de_DE", "fr_FR", "es_ES", "it_IT", "nl_NL"}) {
            Translations::install(QLocale(QString::fromLatin1(name)));
            WindowRig rig;
            rig.start();
            const QLabel* prompt = rig.find<QLabel>("Label1");
            QVERIFY2(prompt->text() != "Remove a 'ball' to start", name);
            const int wide = QFontMetrics(prompt->font()).horizontalAdvance(prompt->text());
            if (wide > prompt->width())
                cut << QString("%1 %2 > %3").arg(name).arg(wide).arg(prompt->width());
        }
        QCOMPARE(cut.join(", "), QString());
    }

    // The choosers' captions in every language, at the window's own size and at twice it: each
    // text as the toolkit lays it out at the size drawn fits the caption, and the caption its
    // room (the board chooser's caption has the chooser's width; the ball chooser's is as wide as
    // its text, within the chooser less its margin at either side). English keeps its own size,
    // and a language drawn smaller than English draws its longer words, not a size too small.
    void everyCaptionFitsItsRoomInEveryLanguage()
    {
        QStringList cut;
        for (const char* name : {"en_US", "de_DE", "fr_FR", "es_ES", "it_IT", "nl_NL", "C"}) {
            const bool english = QLatin1String(name) == "en_US" || QLatin1String(name) == "C";
            Translations::install(QLocale(QString::fromLatin1(name)));
            WindowRig rig;
            MainWindow& window = rig.start();
            for (double zoom : {1.0, 2.0}) {
                window.setZoom(zoom);
                const auto captions = window.findChildren<CaptionLabel*>();
                QCOMPARE(captions.size(), 2);
                for (const CaptionLabel* caption : captions) {
                    const QString where = QString("%1 %2 at %3").arg(name, caption->objectName()).arg(zoom);
                    const bool fitsText = caption->property(Layout::kFitsText).toBool();
                    const int chooser = caption->parentWidget()->width();
                    const int room = fitsText ? chooser - 2 * caption->x() : caption->contentsRect().width();
                    QFont drawn = caption->font();
                    drawn.setPixelSize(caption->drawnPixelSize());
                    const qreal wide = QFontMetricsF(drawn).horizontalAdvance(caption->text());
                    if (wide > room || caption->drawnWidth() > room || wide > caption->contentsRect().width() + 1
                        || caption->x() < 0 || caption->geometry().right() >= chooser - caption->x())
                        cut << QString("%1: %2 wide, room %3").arg(where).arg(wide).arg(room);
                    const int own = QFontInfo(caption->font()).pixelSize();
                    if (english) {
                        QCOMPARE(caption->drawnPixelSize(), own);
                    } else if (caption->drawnPixelSize() < own) {
                        // Drawn a pixel larger, the text would not have fitted.
                        drawn.setPixelSize(caption->drawnPixelSize() + 1);
                        QVERIFY2(QFontMetricsF(drawn).horizontalAdvance(caption->text()) > room, qPrintable(where));
                    }
                }
            }
        }
        QCOMPARE(cut.join(", "), QString());
    }

    // In every language, at the window's own size and at twice it, a caption draws its text to the
    // pixel as a plain label draws it in the caption's font at the size drawn.
    void everyCaptionDrawsAsAPlainLabelInEveryLanguage()
    {
        const auto drawn = [](QLabel* label) {
            QImage image(label->size(), QImage::Format_ARGB32_Premultiplied);
            image.fill(Qt::transparent);
            label->render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
            return image;
        };
        QStringList unlike;
        for (const char* name : {"en_US", "de_DE", "fr_FR", "es_ES", "it_IT", "nl_NL"}) {
            Translations::install(QLocale(QString::fromLatin1(name)));
            WindowRig rig;
            MainWindow& window = rig.start();
            for (double zoom : {1.0, 2.0}) {
                window.setZoom(zoom);
                for (CaptionLabel* caption : window.findChildren<CaptionLabel*>()) {
                    QLabel plain(caption->text());
                    QFont font = caption->font();
                    if (caption->drawnPixelSize() != QFontInfo(font).pixelSize())
                        font.setPixelSize(caption->drawnPixelSize());
                    plain.setFont(font);
                    plain.setPalette(caption->palette());
                    plain.setAlignment(caption->alignment());
                    plain.resize(caption->size());
                    if (drawn(caption) != drawn(&plain))
                        unlike << QString("%1 %2 at %3").arg(name, caption->objectName()).arg(zoom);
                }
            }
        }
        QCOMPARE(unlike.join(", "), QString());
    }

    // A caption whose text needs shaping draws the glyphs the toolkit lays out for it, as a plain
    // label does: Arabic letters joined, a letter and its combining accent made one, a ligature,
    // Devanagari (set in another face where there is one), and a soft hyphen left out. Latin,
    // Greek and Cyrillic texts that need none draw the same glyphs.
    void aCaptionShapesTheTextsThatNeedIt()
    {
        const QString texts[] = {QStringLiteral(u"\u0644\u0639\u0628\u0629"), QStringLiteral(u"Bre\u0301ve"),
                                 QStringLiteral("Profil"), QStringLiteral(u"\u0916\u0947\u0932"),
                                 QStringLiteral(u"Spiel\u00adbrett"), QStringLiteral(u"Kies een \u2018bal\u2019"),
                                 QStringLiteral(u"\u03a0\u03af\u03bd\u03b1\u03ba\u03b1\u03c2"),
                                 QStringLiteral(u"\u0414\u043e\u0441\u043a\u0430")};
        const auto glyphsOf = [](const QList<QGlyphRun>& runs) {
            QList<quint32> glyphs;
            for (const QGlyphRun& run : runs)
                glyphs << run.glyphIndexes();
            return glyphs;
        };
        QWidget window;
        for (const QString& text : texts) {
            CaptionLabel caption(text, &window);
            caption.resize(caption.sizeHint());
            QTextLayout layout(text, caption.font());
            layout.beginLayout();
            layout.createLine();
            layout.endLayout();
            QVERIFY2(!caption.drawnGlyphs().isEmpty(), qPrintable(text));
            QCOMPARE(glyphsOf(caption.drawnGlyphs()), glyphsOf(layout.glyphRuns()));

            QLabel plain(text);
            plain.setFont(caption.font());
            plain.resize(caption.size());
            QImage drawn(caption.size(), QImage::Format_ARGB32_Premultiplied), plainly = drawn;
            drawn.fill(Qt::transparent);
            plainly.fill(Qt::transparent);
            caption.render(&drawn, QPoint(), QRegion(), QWidget::DrawChildren);
            plain.render(&plainly, QPoint(), QRegion(), QWidget::DrawChildren);
            QVERIFY2(drawn == plainly, qPrintable(text));
        }
    }
};

QTEST_MAIN(TestLanguages)
#include "test_languages.moc"
