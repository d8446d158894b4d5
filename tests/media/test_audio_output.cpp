#include "media/audio_output.h"
#include "media/audio_source.h"
#include "support/freeze_watch.h"
#include <QtTest> // with QtCore

#include <atomic>
#include <dlfcn.h>
#include <unistd.h>

// Only safety nets: a tenth of a second of sound ends far sooner, and a wait that is woken returns
// in moments.
constexpr int kEndTimeoutMs = 60000;
constexpr int kFrozenMs = 90000;

// The arguments of the applications the tests make: the output belongs to an application object.
static int s_argc = 1;
static char s_name[] = "test_audio_output";
static char* s_argv[] = {s_name, nullptr};

// Silence of a given count of frames, or without end when the count is negative. It counts the
// calls to it, and the frames it gave and its end on the audio thread, to be read once the output
// has let go of it.
class Silence final : public AudioSource {
public:
    explicit Silence(int frames) : m_left(frames) {}
    std::atomic<int> calls{0};
    int given = 0;
    bool cameToItsEnd = false;

    int render(std::int16_t* into, int frames) override
    {
        ++calls;
        const int count = m_left < 0 ? frames : std::min(frames, m_left);
        std::fill(into, into + count * kChannels, std::int16_t(0));
        if (m_left > 0)
            m_left -= count;
        given += count;
        return count;
    }
    void ended() override { cameToItsEnd = true; }

private:
    int m_left;
};

// ALSA's handler for the program: the library's variable, read from the library the game loads.
using AlsaHandler = void (*)();
static std::atomic<int> s_noDevice{0};
static QtMessageHandler s_previousHandler = nullptr;
static void countNoDevice(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (message.startsWith(QStringLiteral("Audio: no sound device")))
        ++s_noDevice;
    else
        s_previousHandler(type, context, message);
}

// What the process writes to its standard error while one lives, kept in a file.
class StandardErrorCapture {
public:
    StandardErrorCapture() : m_saved(::dup(STDERR_FILENO))
    {
        if (m_file.open())
            ::dup2(m_file.handle(), STDERR_FILENO);
    }
    ~StandardErrorCapture()
    {
        ::dup2(m_saved, STDERR_FILENO);
        ::close(m_saved);
    }
    StandardErrorCapture(const StandardErrorCapture&) = delete;
    StandardErrorCapture& operator=(const StandardErrorCapture&) = delete;
    QByteArray text() { return m_file.seek(0) ? m_file.readAll() : QByteArray("(not captured)"); }

private:
    int m_saved;
    QTemporaryFile m_file;
};

// The running output: its owner, the wait for a sound's end, and ALSA's error handler.
class TestAudioOutput : public QObject {
    Q_OBJECT
private slots:
    // The application object owns the output: when it ends, the output's threads have ended
    // (what the mixing thread did is seen here), what played is dropped without coming to its end,
    // and the next application opens an output of its own. Without an application, none opens.
    void outputEndsWithItsApplication()
    {
        Silence endless(-1);
        QVERIFY(!AudioOutput::ensureOpen());
        {
            const QCoreApplication application(s_argc, s_argv);
            QVERIFY(AudioOutput::ensureOpen());
            QVERIFY(AudioOutput::play(AudioOutput::Slot::Music, &endless));
            QTRY_VERIFY_WITH_TIMEOUT(endless.calls.load() > 0, kEndTimeoutMs);
        }
        QVERIFY(endless.given > 0);
        QVERIFY(!endless.cameToItsEnd);
        QVERIFY(!AudioOutput::isPlaying(&endless));
        QVERIFY(!AudioOutput::play(AudioOutput::Slot::Music, &endless));

        Silence tenth(AudioSource::kRate / 10);
        const QCoreApplication application(s_argc, s_argv);
        QVERIFY(AudioOutput::ensureOpen());
        QVERIFY(AudioOutput::play(AudioOutput::Slot::Sound, &tenth));
        QTRY_VERIFY_WITH_TIMEOUT(!AudioOutput::isPlaying(&tenth), kEndTimeoutMs);
        QVERIFY(tenth.cameToItsEnd);
        AudioOutput::shutdown();
    }

    // The wait for a sound is woken by its end, and gives up at its deadline while the sound
    // plays on; a sound that does not play is not waited for. A wait that is never woken, or that
    // misses its deadline, holds the test until the watch fails it.
    void waitWhilePlaying_data()
    {
        QTest::addColumn<int>("frames"); // negative: without end
        QTest::addColumn<bool>("played");
        QTest::addColumn<bool>("deadlinePassed");
        QTest::newRow("comes to its end") << AudioSource::kRate / 10 << true << false;
        QTest::newRow("plays past the deadline") << -1 << true << true;
        QTest::newRow("not played") << -1 << false << false;
    }
    void waitWhilePlaying()
    {
        QFETCH(int, frames);
        QFETCH(bool, played);
        QFETCH(bool, deadlinePassed);
        Silence sound(frames);
        const QCoreApplication application(s_argc, s_argv);
        QVERIFY(AudioOutput::ensureOpen());
        if (played)
            QVERIFY(AudioOutput::play(AudioOutput::Slot::Sound, &sound));
        const auto now = std::chrono::steady_clock::now();
        bool left = false;
        {
            const FreezeWatch watch(kFrozenMs, "the wait for a sound's end held the thread");
            left = AudioOutput::waitWhilePlaying(&sound, deadlinePassed ? now : now + std::chrono::hours(1));
        }
        QCOMPARE(left, !deadlinePassed);
        QCOMPARE(AudioOutput::isPlaying(&sound), deadlinePassed);
        AudioOutput::shutdown();
    }

    // ALSA's own lines about a device that is missing never reach the player's terminal (the
    // game's one warning says why), and ALSA's handler for the rest of the program is still the
    // one it had before the output opened.
    void alsaSaysNothingAndKeepsItsHandler()
    {
        const QCoreApplication application(s_argc, s_argv);
        void* const library = ::dlopen("libasound.so.2", RTLD_NOW | RTLD_LOCAL);
        QVERIFY(library);
        auto* const handler = reinterpret_cast<AlsaHandler*>(::dlsym(library, "snd_lib_error"));
        QVERIFY(handler);
        const AlsaHandler before = *handler;
        const QByteArray driver = qgetenv("DORV_AUDIO");
        qputenv("DORV_AUDIO", "device");
        qputenv("AUDIODEV", "no-such-device");
        s_previousHandler = qInstallMessageHandler(countNoDevice);
        QByteArray told;
        bool opened = false;
        bool warned = false;
        {
            StandardErrorCapture captured;
            opened = AudioOutput::ensureOpen();
            warned = opened && QTest::qWaitFor([] { return s_noDevice.load() > 0; }, kEndTimeoutMs);
            told = captured.text();
        }
        qInstallMessageHandler(s_previousHandler);
        qputenv("DORV_AUDIO", driver);
        qunsetenv("AUDIODEV");
        AudioOutput::shutdown();
        QVERIFY(opened && warned);
        QCOMPARE(s_noDevice.load(), 1);
        QVERIFY2(!told.contains("ALSA lib"), told.constData());
        QVERIFY(*handler == before);
        ::dlclose(library);
    }
};

QTEST_APPLESS_MAIN(TestAudioOutput)
#include "test_audio_output.moc"
