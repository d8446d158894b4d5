// The hall of fame and its file, score numbers, the stored sound/music options and the code words.
#include "scoring/hall_of_fame.h"
#include "scoring/high_score_file.h"
#include "scoring/score_number.h"
#include "window/option_value.h"
#include "window/theme_code_words.h"

#include <QTest>

#include <optional>
#include <string>

namespace {
QByteArray q(const std::string& s) { return QByteArray::fromStdString(s); }
std::string s(const QByteArray& bytes) { return bytes.toStdString(); }

QByteArrayList names(const HallOfFame& hall)
{
    QByteArrayList out;
    for (int place = 1; place <= HallOfFame::kPlaces; ++place)
        out << q(hall.name(place));
    return out;
}

QByteArrayList scores(const HallOfFame& hall)
{
    QByteArrayList out;
    for (int place = 1; place <= HallOfFame::kPlaces; ++place)
        out << q(hall.score(place));
    return out;
}

const QByteArrayList kDefaultNames(5, "KT PLAYER");
}

class TestHallOfFame : public QObject {
    Q_OBJECT
private slots:
    void defaults();
    void placeWon_data();
    void placeWon();
    void enter_data();
    void enter();
    void nameFromAnswer_data();
    void nameFromAnswer();
    void fileSerialise();
    void fileRead_data();
    void fileRead();
    void fileReadIgnoresGarbage();
    void scoreNumber();
    void optionValue_data();
    void optionValue();
    void codeWords_data();
    void codeWords();
};

void TestHallOfFame::defaults()
{
    const HallOfFame hall;
    QCOMPARE(names(hall), kDefaultNames);
    QCOMPARE(scores(hall), (QByteArrayList{"5", "4", "3", "2", "1"}));
}

// A score must beat a place strictly, compared as numbers (as texts "12" < "9").
void TestHallOfFame::placeWon_data()
{
    QTest::addColumn<QByteArray>("top");     // place 1's score, default table when empty
    QTest::addColumn<QByteArray>("bottom");  // place 5's score, default when empty
    QTest::addColumn<QByteArray>("score");
    QTest::addColumn<int>("place");
    QTest::newRow("7") << QByteArray() << QByteArray() << QByteArray("7") << 1;
    QTest::newRow("3 ties place 3") << QByteArray() << QByteArray() << QByteArray("3") << 4;
    QTest::newRow("1 ties place 5") << QByteArray() << QByteArray() << QByteArray("1") << 0;
    QTest::newRow("1.7") << QByteArray() << QByteArray() << QByteArray("1.7") << 5;
    QTest::newRow("0") << QByteArray() << QByteArray() << QByteArray("0") << 0;
    QTest::newRow("negative") << QByteArray() << QByteArray() << QByteArray("-0.1") << 0;
    QTest::newRow("12 beats 9") << QByteArray("9") << QByteArray() << QByteArray("12") << 1;
    QTest::newRow("damaged score is 0") << QByteArray() << QByteArray() << QByteArray("abc") << 0;
    QTest::newRow("damaged place is 0") << QByteArray() << QByteArray("abc") << QByteArray("0.5") << 5;
}

void TestHallOfFame::placeWon()
{
    QFETCH(QByteArray, top);
    QFETCH(QByteArray, bottom);
    QFETCH(QByteArray, score);
    QFETCH(int, place);
    HallOfFame hall;
    if (!top.isEmpty())
        hall.setScore(1, s(top));
    if (!bottom.isEmpty())
        hall.setScore(5, s(bottom));
    QCOMPARE(hall.placeWon(s(score)), place);
}

void TestHallOfFame::enter_data()
{
    QTest::addColumn<QByteArray>("score");
    QTest::addColumn<QByteArrayList>("names");
    QTest::addColumn<QByteArrayList>("scores");
    QTest::newRow("7") << QByteArray("7") << QByteArrayList{"Bob", "P1", "P2", "P3", "P4"}
                       << QByteArrayList{"7", "5", "4", "3", "2"};
    QTest::newRow("3, below the old 3") << QByteArray("3") << QByteArrayList{"P1", "P2", "P3", "Bob", "P4"}
                                        << QByteArrayList{"5", "4", "3", "3", "2"};
    QTest::newRow("1.7") << QByteArray("1.7") << QByteArrayList{"P1", "P2", "P3", "P4", "Bob"}
                         << QByteArrayList{"5", "4", "3", "2", "1.7"};
}

void TestHallOfFame::enter()
{
    QFETCH(QByteArray, score);
    QFETCH(QByteArrayList, names);
    QFETCH(QByteArrayList, scores);
    HallOfFame hall;
    // Mark the old places so a shift by the wrong amount shows in the names.
    for (int place = 1; place <= HallOfFame::kPlaces; ++place)
        hall.setName(place, "P" + std::to_string(place));
    hall.enter(hall.placeWon(s(score)), "Bob", s(score));
    QCOMPARE(::names(hall), names);
    QCOMPARE(::scores(hall), scores);
}

void TestHallOfFame::nameFromAnswer_data()
{
    QTest::addColumn<QByteArray>("answer");
    QTest::addColumn<QByteArray>("name");
    QTest::newRow("empty") << QByteArray("") << QByteArray("Anonymous");
    QTest::newRow("blanks") << QByteArray("   ") << QByteArray("Anonymous");
    QTest::newRow("default") << QByteArray("Your Name") << QByteArray("Anonymous");
    QTest::newRow("default with blanks") << QByteArray("  Your Name  ") << QByteArray("Anonymous");
    QTest::newRow("other case") << QByteArray("your name") << QByteArray("your name");
    QTest::newRow("blanks kept") << QByteArray("  Bob ") << QByteArray("  Bob ");
}

void TestHallOfFame::nameFromAnswer()
{
    QFETCH(QByteArray, answer);
    QFETCH(QByteArray, name);
    QCOMPARE(q(HallOfFame::nameFromAnswer(s(answer))), name);
}

void TestHallOfFame::fileSerialise()
{
    HallOfFame hall;
    hall.enter(1, "Zo\u00EB", "7");
    QCOMPARE(q(HighScoreFile::serialise(hall)),
             QByteArray("hs1nZo\xEB\r\nhs17\r\n"
                        "hs2nKT PLAYER\r\nhs25\r\nhs3nKT PLAYER\r\nhs34\r\n"
                        "hs4nKT PLAYER\r\nhs43\r\nhs5nKT PLAYER\r\nhs52\r\n"));

    HallOfFame spaced;
    spaced.enter(2, "  Bob ", "12.5");
    spaced.enter(5, " ", "1.7");
    HallOfFame loaded;
    HighScoreFile::read(HighScoreFile::serialise(spaced), loaded);
    QCOMPARE(names(loaded), names(spaced));
    QCOMPARE(scores(loaded), scores(spaced));
}

// Files applied to the default table.
void TestHallOfFame::fileRead_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QByteArrayList>("names");
    QTest::addColumn<QByteArrayList>("scores");
    const QByteArray old = "KT PLAYER";
    QTest::newRow("keys in capitals") << QByteArray("HS1NBob\r\nHS17\r\n")
                                      << QByteArrayList{"Bob", old, old, old, old}
                                      << QByteArrayList{"7", "4", "3", "2", "1"};
    QTest::newRow("place 3 only") << QByteArray("hs3nAnn\nhs39")
                                  << QByteArrayList{old, old, "Ann", old, old}
                                  << QByteArrayList{"5", "4", "9", "2", "1"};
    QTest::newRow("bare score key") << QByteArray("hs2\r\n") << kDefaultNames
                                    << QByteArrayList{"5", "", "3", "2", "1"};
    QTest::newRow("later line wins") << QByteArray("hs4nA\r\nhs4nB\r\nhs48\r\nhs47\r\n")
                                     << QByteArrayList{old, old, old, "B", old}
                                     << QByteArrayList{"5", "4", "3", "7", "1"};
}

void TestHallOfFame::fileRead()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QByteArrayList, names);
    QFETCH(QByteArrayList, scores);
    HallOfFame hall;
    HighScoreFile::read(s(bytes), hall);
    QCOMPARE(::names(hall), names);
    QCOMPARE(::scores(hall), scores);
}

void TestHallOfFame::fileReadIgnoresGarbage()
{
    HallOfFame hall;
    using namespace std::string_literals;
    const std::string garbage = "\0hs1nX\r\n\xFF\xFE\x01\r\r\n\nh\r\nhs\r\nhs6n\r\nhs0\r\n"s;
    HighScoreFile::read(garbage, hall);
    HighScoreFile::read(std::string(100000, 'x'), hall);
    QCOMPARE(names(hall), kDefaultNames);
    QCOMPARE(scores(hall), (QByteArrayList{"5", "4", "3", "2", "1"}));
    HighScoreFile::read("hs1n" + std::string(100000, 'y'), hall);
    QCOMPARE(hall.name(1).size(), std::size_t(100000));
}

void TestHallOfFame::scoreNumber()
{
    // Sums such as 0.7 + 1 or 1 - 0.1 - 1 must not show their binary rounding.
    QCOMPARE(q(ScoreNumber::format(1.7000000000000002)), QByteArray("1.7"));
    QCOMPARE(q(ScoreNumber::format(-0.09999999999999998)), QByteArray("-0.1"));
    QCOMPARE(q(ScoreNumber::format(12.5)), QByteArray("12.5"));
    QCOMPARE(q(ScoreNumber::format(17)), QByteArray("17"));
    QCOMPARE(q(ScoreNumber::format(-0.0)), QByteArray("0"));
    QCOMPARE(ScoreNumber::parse(" 3 ").value_or(-1), 3.0);
    QCOMPARE(ScoreNumber::parse("-0.1").value_or(-1), -0.1);
    QVERIFY(!ScoreNumber::parse("x"));
    QVERIFY(!ScoreNumber::parse(""));
    QVERIFY(!ScoreNumber::parse("3x"));
    QVERIFY(!ScoreNumber::parse("inf"));
}

// Only 1 means on; a stored value that is no number counts as the default, on.
void TestHallOfFame::optionValue_data()
{
    QTest::addColumn<bool>("present");
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<int>("value");
    QTest::newRow("missing") << false << QByteArray() << 1;
    QTest::newRow("1") << true << QByteArray("1") << 1;
    QTest::newRow("0") << true << QByteArray("0") << 0;
    QTest::newRow("2") << true << QByteArray("2") << 2;
    QTest::newRow("abc") << true << QByteArray("abc") << 1;
    QTest::newRow("empty") << true << QByteArray("") << 1;
}

void TestHallOfFame::optionValue()
{
    QFETCH(bool, present);
    QFETCH(QByteArray, stored);
    QFETCH(int, value);
    QCOMPARE(OptionValue::read(present ? std::optional(s(stored)) : std::nullopt), value);
    QCOMPARE(OptionValue::read(OptionValue::write(true)), 1);
    QCOMPARE(OptionValue::read(OptionValue::write(false)), 0);
}

void TestHallOfFame::codeWords_data()
{
    QTest::addColumn<QByteArray>("typed");
    QTest::addColumn<int>("picture");
    QTest::newRow("marigold") << QByteArray("marigold") << int(ThemeCodeWords::kEin);
    QTest::newRow("MARIGOLD") << QByteArray("MARIGOLD") << int(ThemeCodeWords::kEin);
    QTest::newRow("ox") << QByteArray("ox") << 7;
    QTest::newRow("WalRus") << QByteArray("WalRus") << 8;
    QTest::newRow("pepper") << QByteArray("pepper") << 9;
    QTest::newRow("lanterns") << QByteArray("lanterns") << 10;
    QTest::newRow("prefix spoils") << QByteArray("xwalrus") << int(ThemeCodeWords::kNoMatch);
    QTest::newRow("incomplete") << QByteArray("walru") << int(ThemeCodeWords::kNoMatch);
    QTest::newRow("empty") << QByteArray("") << int(ThemeCodeWords::kNoMatch);
}

void TestHallOfFame::codeWords()
{
    QFETCH(QByteArray, typed);
    QFETCH(int, picture);
    QCOMPARE(ThemeCodeWords::match(s(typed)), picture);
}

QTEST_APPLESS_MAIN(TestHallOfFame)
#include "test_hall_of_fame.moc"
