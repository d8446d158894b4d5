// The hall of fame and its file, score numbers, the stored sound/music options and the code words.
#include "scoring/hall_of_fame.h"
#include "scoring/high_score_file.h"
#include "rules/score_number.h"
#include "support/core_test_helpers.h"
#include "rules/option_value.h"
#include "rules/theme_code_words.h"

#include <QTest>

using namespace coretest;

namespace {
// The table as "name score|name score|...", place 1 first.
QByteArray dump(const HallOfFame& hall)
{
    QByteArrayList places;
    for (int place = 1; place <= HallOfFame::kPlaces; ++place)
        places << q(hall.name(place) + ' ' + hall.score(place));
    return places.join('|');
}

// A table with the given scores and the names P1..P5, so that a shift by the wrong amount shows.
HallOfFame marked(const char* scores)
{
    HallOfFame hall;
    const QByteArrayList list = QByteArray(scores).split(' ');
    for (int place = 1; place <= HallOfFame::kPlaces; ++place) {
        hall.setName(place, "P" + std::to_string(place));
        hall.setScore(place, s(list[place - 1]));
    }
    return hall;
}
}

class TestHallOfFame : public QObject {
    Q_OBJECT
private slots:
    void placeWon();
    void nameFromAnswer();
    void fileSerialise();
    void fileRead();
    void scoreNumber();
    void optionValue();
    void codeWords();
};

// A score must beat a place strictly, compared as numbers (as texts "12" < "9"); a text that holds
// no number counts as 0. The entry goes in at the place won, moving the places below it down.
void TestHallOfFame::placeWon()
{
    const char* rows[][3] = {// scores of P1..P5; the new score; "place won: the table after"
                             {"5 4 3 2 1", "7", "1: Bob 7|P1 5|P2 4|P3 3|P4 2"},
                             {"5 4 3 2 1", "3", "4: P1 5|P2 4|P3 3|Bob 3|P4 2"},
                             {"5 4 3 2 1", "1", "0: P1 5|P2 4|P3 3|P4 2|P5 1"},
                             {"5 4 3 2 1", "1.7", "5: P1 5|P2 4|P3 3|P4 2|Bob 1.7"},
                             {"9 4 3 2 1", "12", "1: Bob 12|P1 9|P2 4|P3 3|P4 2"},
                             {"5 4 3 2 1", "abc", "0: P1 5|P2 4|P3 3|P4 2|P5 1"},
                             {"5 4 3 2 abc", "0.5", "5: P1 5|P2 4|P3 3|P4 2|Bob 0.5"}};
    for (const auto& [before, score, after] : rows) {
        HallOfFame hall = marked(before);
        const int place = hall.placeWon(score);
        if (place > 0)
            hall.enter(place, "Bob", score);
        QCOMPARE(QByteArray::number(place) + ": " + dump(hall), QByteArray(after));
    }
}

void TestHallOfFame::nameFromAnswer()
{
    const std::pair<const char*, const char*> rows[] = {
        {"", "Anonymous"}, {"   ", "Anonymous"}, {"Your Name", "Anonymous"}, {"  Your Name  ", "Anonymous"},
        {"your name", "your name"}, {"  Bob ", "  Bob "}};
    for (const auto& [answer, name] : rows)
        QVERIFY2(HallOfFame::nameFromAnswer(answer) == name, answer);
}

// Written byte for byte in the files' code page; names and scores read back exactly as they were.
void TestHallOfFame::fileSerialise()
{
    HallOfFame hall;
    hall.enter(1, "Zo\u00EB", "7");
    QCOMPARE(q(HighScoreFile::serialise(hall)),
             QByteArray("hs1nZo\xEB\r\nhs17\r\n"
                        "hs2nKT PLAYER\r\nhs25\r\nhs3nKT PLAYER\r\nhs34\r\n"
                        "hs4nKT PLAYER\r\nhs43\r\nhs5nKT PLAYER\r\nhs52\r\n"));
    hall.enter(2, "  Bob ", "12.5");
    hall.enter(5, " ", "1.7");
    HallOfFame loaded = marked("9 9 9 9 9");
    HighScoreFile::read(HighScoreFile::serialise(hall), loaded);
    QCOMPARE(dump(loaded), dump(hall));
}

// Files applied to the marked table: keys in capitals, place 3 only, "hs2" alone, a later line
// winning, garbage. Places without lines keep their entries.
void TestHallOfFame::fileRead()
{
    using namespace std::string_literals;
    const std::string garbage = "\0hs1nX\r\n\xFF\xFE\x01\r\r\n\nh\r\nhs\r\nhs6n\r\nhs0\r\n"s + std::string(100000, 'x');
    const std::pair<std::string, std::string> rows[] = {
        {"HS1NBob\r\nHS17\r\n", "Bob 7|P2 4|P3 3|P4 2|P5 1"},
        {"hs3nAnn\nhs39", "P1 5|P2 4|Ann 9|P4 2|P5 1"},
        {"hs2\r\n", "P1 5|P2 |P3 3|P4 2|P5 1"},
        {"hs4nA\r\nhs4nB\r\nhs48\r\nhs47\r\n", "P1 5|P2 4|P3 3|B 7|P5 1"},
        {garbage, "P1 5|P2 4|P3 3|P4 2|P5 1"}};
    for (const auto& [bytes, after] : rows) {
        HallOfFame hall = marked("5 4 3 2 1");
        HighScoreFile::read(bytes, hall);
        QCOMPARE(dump(hall), q(after));
    }
}

// Sums such as 0.7 + 1 or 1 - 0.1 - 1 must not show their binary rounding.
void TestHallOfFame::scoreNumber()
{
    const std::pair<double, const char*> formats[] = {
        {1.7000000000000002, "1.7"}, {-0.09999999999999998, "-0.1"}, {12.5, "12.5"}, {17, "17"}, {-0.0, "0"}};
    for (const auto& [value, text] : formats)
        QCOMPARE(q(ScoreNumber::format(value)), QByteArray(text));
    QCOMPARE(ScoreNumber::parse(" 3 ").value_or(-1), 3.0);
    for (const char* junk : {"x", "", "3x", "inf"})
        QVERIFY2(!ScoreNumber::parse(junk), junk);
}

// Only 1 means on; a missing value, or one that is no number, counts as the default, on.
void TestHallOfFame::optionValue()
{
    const std::pair<std::optional<std::string>, int> rows[] = {
        {std::nullopt, 1}, {"1", 1}, {"0", 0}, {"2", 2}, {"abc", 1}, {"", 1}, {OptionValue::write(true), 1},
        {OptionValue::write(false), 0}};
    for (const auto& [stored, value] : rows)
        QVERIFY2(OptionValue::read(stored) == value, stored.value_or("missing").c_str());
}

void TestHallOfFame::codeWords()
{
    const std::pair<const char*, int> rows[] = {
        {"marigold", ThemeCodeWords::kEin}, {"ox", 7}, {"WalRus", 8}, {"pepper", 9}, {"lanterns", 10},
        {"xwalrus", ThemeCodeWords::kNoMatch}, {"walru", ThemeCodeWords::kNoMatch}, {"", ThemeCodeWords::kNoMatch}};
    for (const auto& [typed, picture] : rows)
        QVERIFY2(ThemeCodeWords::match(typed) == picture, typed);
}

QTEST_APPLESS_MAIN(TestHallOfFame)
#include "test_hall_of_fame.moc"
