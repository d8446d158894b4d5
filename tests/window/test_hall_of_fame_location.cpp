#include "support/file_faults.h"
#include "support/window_rig.h"

#include "scoring/high_score_file.h"
#include "window/hall_of_fame_location.h"
#include "window/high_score_window.h"

// Where the hall of fame is kept: in the program's folder while the player may write there,
// otherwise in the player's own data folder, carried over from the program folder's table.
class TestHallOfFameLocation : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QCoreApplication::setOrganizationName("The Dorv");
        QCoreApplication::setApplicationName("The Dorv");
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
        QCOMPARE(rig.start().highScoreWindow()->hall().name(1), "Ada");
        rig.play(19, 8);
        rig.prompts.texts << "Grace";
        rig.window->quit();
        QVERIFY(rig.prompts.last("message").isEmpty());
        QCOMPARE(rig.read("dvhs.sys"), kept);
        const std::string own = FileStore::read(ownFile).value_or("<missing>");
        QCOMPARE(own, HighScoreFile::serialise(rig.window->highScoreWindow()->hall()));
        QVERIFY(own.starts_with("hs1nGrace\r\nhs18\r\nhs2nAda\r\nhs26\r\n"));

        // From then on the player's file is read; a write that fails there is reported with its name.
        QCOMPARE(rig.start().highScoreWindow()->hall().name(1), "Grace");
        QVERIFY(QFile::remove(ownFile) && QDir().mkdir(ownFile));
        rig.start();
        rig.play(19, 8);
        rig.prompts.texts << "Joan";
        rig.window->quit();
        QVERIFY(rig.prompts.last("message").contains(ownFile));
        QCOMPARE(rig.read("dvhs.sys"), kept);
    }
};

QTEST_MAIN(TestHallOfFameLocation)
#include "test_hall_of_fame_location.moc"
