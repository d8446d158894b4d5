#include "support/file_faults.h"
#include "support/window_rig.h"

#include "scoring/high_score_file.h"
#include "window/hall_of_fame_location.h"
#include "window/high_score_window.h"

#include <fcntl.h>
#include <sys/stat.h>

namespace {
// Sets the modification time of `path` itself (a link, not what it points to) `seconds` back.
bool age(const QString& path, int seconds)
{
    const timespec then{QDateTime::currentSecsSinceEpoch() - seconds, 0};
    const timespec times[2] = {then, then};
    return ::utimensat(AT_FDCWD, QFile::encodeName(path).constData(), times, AT_SYMLINK_NOFOLLOW) == 0;
}
}

// Where the hall of fame is kept: in the program's folder while the player may write there,
// otherwise in the player's own data folder, carried over from the program folder's table; always
// in the player's own folder when the game is installed.
class TestHallOfFameLocation : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        GameSettings::nameProgram();
    }

    void aReadOnlyProgramFolderSendsTheTableToThePlayersOwnFolder()
    {
        QTemporaryDir home;
        qputenv("XDG_DATA_HOME", home.path().toLocal8Bit());
        const QString ownFolder = home.filePath("The Dorv/The Dorv");
        const QString ownFile = ownFolder + "/dvhs.sys";
        WindowRig rig;

        // A program folder the player may write to keeps the table, and the player's folder is not made.
        const HallOfFameLocation writable;
        QVERIFY(writable.inProgramFolder());
        QCOMPARE(writable.readPath(), rig.file("dvhs.sys"));
        QCOMPARE(writable.writePath(), rig.file("dvhs.sys"));
        rig.start();
        rig.play(19, 6);
        rig.prompts.texts << "Ada";
        rig.window->quit();
        const std::string kept = rig.read("dvhs.sys");
        QVERIFY(kept.starts_with("hs1nAda\r\nhs16\r\n"));
        QVERIFY(!QFileInfo::exists(home.filePath("The Dorv")));

        // A read-only folder whose table may not be written either.
        QFile::setPermissions(rig.file("dvhs.sys"), QFile::ReadOwner);
        const ReadOnlyFolder readOnly(rig.dir.path());
        QVERIFY(readOnly.holds());

        // The table kept in the read-only folder carries over; the next one goes to the player's
        // folder, made for it, in the same bytes, and the folder's file stays as it was.
        const HallOfFameLocation readOnlyLocation;
        QVERIFY(!readOnlyLocation.inProgramFolder());
        QCOMPARE(readOnlyLocation.readPath(), rig.file("dvhs.sys"));
        QCOMPARE(readOnlyLocation.writePath(), ownFile);
        QVERIFY(QFileInfo(ownFolder).isDir());
        QCOMPARE(part<HighScoreWindow>(rig.start()).hall().name(1), "Ada");
        ScriptedPrompts otherPrompts;
        CountingSound otherSound;
        MainWindow second(MainWindow::Services{&otherPrompts, &otherSound, [] {}, nullptr});
        rig.play(19, 8);
        rig.prompts.texts << "Grace";
        rig.window->Image8_Click();
        QVERIFY(rig.prompts.last("message").isEmpty());
        QCOMPARE(rig.read("dvhs.sys"), kept);
        QVERIFY(FileStore::read(ownFile).value_or("").starts_with("hs1nGrace\r\nhs18\r\nhs2nAda\r\nhs26\r\n"));

        // Once the player's own table exists, every game reads it again before it writes, the one
        // that made it as well as one started before it was made.
        rig.play(19, 9);
        rig.prompts.texts << "Joan";
        rig.window->Image8_Click();
        WindowRig::playJumps(second.controller(), 19, 7);
        otherPrompts.texts << "Bob";
        second.quit();
        const std::string own = FileStore::read(ownFile).value_or("<missing>");
        QCOMPARE(own, HighScoreFile::serialise(part<HighScoreWindow>(second).hall()));
        QVERIFY(own.starts_with("hs1nJoan\r\nhs19\r\nhs2nGrace\r\nhs28\r\nhs3nBob\r\nhs37\r\nhs4nAda\r\nhs46\r\n"));
        QCOMPARE(rig.read("dvhs.sys"), kept);

        // From then on the player's file is read; a write that fails there is reported with its name.
        QCOMPARE(part<HighScoreWindow>(rig.start()).hall().name(1), "Joan");
        QVERIFY(QFile::remove(ownFile) && QDir().mkdir(ownFile));
        rig.start();
        rig.play(19, 8);
        rig.prompts.texts << "Ann";
        rig.window->quit();
        QVERIFY(rig.prompts.last("message").contains(ownFile));
        QCOMPARE(rig.read("dvhs.sys"), kept);
    }

    // Installed, the table is the player's own even for one who may write to the installed folder
    // (the super-user), and it starts from the installed folder's table.
    void anInstalledGameKeepsTheTableInThePlayersOwnFolder()
    {
        QTemporaryDir installed, own;
        QVERIFY(FileStore::write(installed.filePath("dvhs.sys"), "hs1nAda\r\nhs16\r\n"));
        const HallOfFameLocation location(installed.path(), own.path(), HallOfFameLocation::Folder::Installed);
        QVERIFY(!location.inProgramFolder());
        QCOMPARE(location.readPath(), installed.filePath("dvhs.sys"));
        QCOMPARE(location.writePath(), own.filePath("dvhs.sys"));
    }

    // The temporary files that killed writes left beside either table are removed at start-up,
    // and nothing else: not a fresh one (a write going on), no other name, no folder, no link.
    void leftoversOfKilledWritesAreRemovedAtStartUp()
    {
        QTemporaryDir home;
        qputenv("XDG_DATA_HOME", home.path().toLocal8Bit());
        WindowRig rig;
        const QString ownFolder = home.filePath("The Dorv/The Dorv");
        QVERIFY(QDir().mkpath(ownFolder));
        const struct {
            const char* name;
            int age;
            bool removed;
        } entries[] = {{"dvhs.sys.AbCdEf", 120, true}, {"dvhs.sys.GhIjKl", 0, false}, {"dvhs.sys.Ab1dEf", 120, false},
                       {"dvhs.sys.AbCdEfG", 120, false}, {"game.dvg.AbCdEf", 120, false},
                       {"dvhs.sys.folder", 120, false}, {"dvhs.sys.MnOpQr", 120, false}, {"kept.txt", 120, false}};
        for (const QString& folder : {rig.dir.path(), ownFolder}) {
            QVERIFY(QDir(folder).mkdir("dvhs.sys.folder"));
            QVERIFY(QFile::link(folder + "/kept.txt", folder + "/dvhs.sys.MnOpQr"));
            for (const auto& entry : entries) {
                const QString path = folder + '/' + entry.name;
                QVERIFY(QFileInfo(path).isDir() || QFileInfo(path).isSymLink() || FileStore::write(path, "x"));
                QVERIFY(age(path, entry.age));
            }
        }
        rig.start();
        for (const QString& folder : {rig.dir.path(), ownFolder})
            for (const auto& entry : entries) {
                const QFileInfo info(folder + '/' + entry.name);
                QVERIFY2((info.exists() || info.isSymLink()) != entry.removed, qPrintable(info.filePath()));
            }
    }
};

QTEST_MAIN(TestHallOfFameLocation)
#include "test_hall_of_fame_location.moc"
