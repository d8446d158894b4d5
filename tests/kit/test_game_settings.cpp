#include "kit/file_store.h"
#include "kit/game_settings.h"

#include <QtTest>

#include <optional>

// The settings read from the player's file as it stands on disk, and written byte for byte in the
// forms every earlier version of the game wrote and reads: an edited value reads as the default.
class TestGameSettings : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    int m_folders = 0;

    // A configuration folder of its own for each case, holding `bytes` as the settings' file.
    QString keptIn(const std::optional<std::string>& bytes)
    {
        const QString folder = m_dir.filePath(QString::number(++m_folders));
        GameSettings::keepFilesIn(GameSettings::Scope::User, folder);
        if (bytes) {
            const QString file = GameSettings::applicationFile(folder);
            if (!QDir().mkpath(QFileInfo(file).path()) || !FileStore::write(file, *bytes))
                return {};
        }
        return folder;
    }

private slots:
    void readsTheStoredFileOrItsDefaults_data()
    {
        QTest::addColumn<std::optional<std::string>>("bytes");
        QTest::addColumn<int>("sound");
        QTest::addColumn<int>("music");
        QTest::addColumn<std::optional<double>>("zoom");
        QTest::addColumn<std::optional<QPoint>>("position");
        const std::optional<double> noZoom;
        const std::optional<QPoint> noPosition;
        QTest::newRow("no file") << std::optional<std::string>() << 1 << 1 << noZoom << noPosition;
        QTest::newRow("empty") << std::optional<std::string>("") << 1 << 1 << noZoom << noPosition;
        QTest::newRow("switches") << std::optional<std::string>("[Options]\r\nMusic=0\r\nSound=1\r\n") << 1 << 0 << noZoom << noPosition;
        QTest::newRow("text is on, other numbers as they are")
            << std::optional<std::string>("[Options]\nMusic=loud\nSound=2\n") << 2 << 1 << noZoom << noPosition;
        QTest::newRow("one switch absent") << std::optional<std::string>("[Options]\nSound=0\n") << 0 << 1 << noZoom << noPosition;
        QTest::newRow("place") << std::optional<std::string>("[Window]\nposition=@Point(40 30)\nsize=@Size(655 580)\nzoom=1.25\n")
                               << 1 << 1 << std::optional<double>(1.25) << std::optional<QPoint>(QPoint(40, 30));
        QTest::newRow("zoom not a number") << std::optional<std::string>("[Window]\nposition=@Point(-5 7)\nzoom=zoom\n") << 1 << 1
                                           << noZoom << std::optional<QPoint>(QPoint(-5, 7));
        // Whether the window takes a number is the window's rule: the number is read as it is.
        QTest::newRow("zoom out of range") << std::optional<std::string>("[Window]\nzoom=-2\n") << 1 << 1
                                           << std::optional<double>(-2) << noPosition;
        QTest::newRow("settings in the wrong group") << std::optional<std::string>("[General]\nSound=0\nzoom=2\n") << 1 << 1
                                                     << noZoom << noPosition;
    }
    void readsTheStoredFileOrItsDefaults()
    {
        QFETCH(std::optional<std::string>, bytes);
        QFETCH(int, sound);
        QFETCH(int, music);
        QFETCH(std::optional<double>, zoom);
        QFETCH(std::optional<QPoint>, position);
        QVERIFY(!keptIn(bytes).isEmpty());
        const GameSettings settings;
        QCOMPARE(settings.sound(), sound);
        QCOMPARE(settings.music(), music);
        QCOMPARE(settings.zoom(), zoom);
        QCOMPARE(settings.position(), position);
    }

    // What the game writes, in the file's own bytes; switching back overwrites in place.
    void writesTheFileAsEverBefore()
    {
        const QString folder = keptIn(std::nullopt);
        QVERIFY(!folder.isEmpty());
        {
            GameSettings settings;
            settings.setSound(false);
            settings.setMusic(false);
            settings.setSound(true);
            settings.setPlace(1.25, QPoint(40, 30), QSize(655, 580));
            settings.setPromptFit({"Remove a 'ball' to start", "239", "13", "223.3125"});
        }
        QCOMPARE(FileStore::read(GameSettings::applicationFile(folder)).value_or("<missing>"),
                 "[Options]\nMusic=0\nSound=1\n\n"
                 "[Window]\nPrompt=Remove a 'ball' to start, 239, 13, 223.3125\nposition=@Point(40 30)\nsize=@Size(655 580)\nzoom=1.25\n");
        const GameSettings again;
        QCOMPARE(again.promptFit(), QStringList({"Remove a 'ball' to start", "239", "13", "223.3125"}));
        QCOMPARE(again.sound(), 1);
        QCOMPARE(again.music(), 0);
    }
};

QTEST_GUILESS_MAIN(TestGameSettings)
#include "test_game_settings.moc"
