#include "window/score_keeper.h"

#include "kit/file_store.h"
#include "kit/prompts.h"
#include "rules/game.h"
#include "scoring/high_score_file.h"
#include "window/file_commands.h"
#include "window/high_score_window.h"

#include <QCoreApplication>
#include <QDir>
#include <QLockFile>

#include <cerrno>
#include <utility>

namespace {
const char* const kWhat = QT_TRANSLATE_NOOP("ScoreKeeper", "The hall of fame");
const char* const kBusyQuestion = QT_TRANSLATE_NOOP("ScoreKeeper", "The hall of fame is being written by another game.\r\rTry again?");
constexpr int kRetryMs = 100;
}

ScoreKeeper::ScoreKeeper(Game& game, HighScoreWindow& table, Prompts& prompts, std::function<void()> endProcess,
                         QObject* parent)
    : QObject(parent)
    , m_game(game)
    , m_table(table)
    , m_prompts(prompts)
    , m_endProcess(std::move(endProcess))
{
    m_retry.setSingleShot(true);
    m_retry.setInterval(kRetryMs);
    connect(&m_retry, &QTimer::timeout, this, &ScoreKeeper::storeWaiting);
}

void ScoreKeeper::chkscore()
{
    const std::string score = m_game.counter();
    if (m_table.hall().placeWon(score) == 0) {
        endIfQuitting();
        return;
    }
    // The box in the player's language; the name it offers is kept as it is, for it may be stored.
    const QString answer = m_prompts.askText(QCoreApplication::translate("HallOfFame", HallOfFame::kNamePrompt),
                                             QCoreApplication::translate("HallOfFame", HallOfFame::kNameTitle),
                                             QString::fromLatin1(HallOfFame::kDefaultAnswer));
    m_waiting.push_back({HallOfFame::nameFromAnswer(answer.toStdString()), score});
    if (m_retry.isActive())
        return;
    m_deadline.setRemainingTime(m_lockWait);
    storeWaiting();
}

void ScoreKeeper::storeWaiting()
{
    // Another game on the same table may have stored a score since this one read it: the table is
    // read again under the lock right before it is written, and each entry goes where it wins now.
    QLockFile lock(m_file.lockPath());
    errno = 0;
    // A FIFO or a folder in the lock file's place is never tried: Qt would read the FIFO to see
    // whose lock it is, and wait for a writer for ever.
    const QString inTheWay = FileStore::inTheWay(m_file.lockPath());
    if (!inTheWay.isEmpty() || !lock.tryLock(0)) {
        if (!inTheWay.isEmpty() || lock.error() != QLockFile::LockFailedError) {
            // Not another game: the lock file cannot be made at all, as on a full disk.
            const QString reason = !inTheWay.isEmpty() ? inTheWay
                : errno != 0                           ? FileStore::systemError(errno)
                                                       : tr("Unknown error");
            FileCommands::reportUnsaved(m_prompts, m_file.writePath(), tr(kWhat),
                                        tr("Its lock file %1 could not be made: %2")
                                            .arg(QDir::toNativeSeparators(m_file.lockPath()), reason));
        } else if (!m_deadline.hasExpired()) {
            m_retry.start();
            return;
        } else if (m_prompts.askYesNo(tr(kBusyQuestion), QStringLiteral("The Dorv"), true)) {
            m_deadline.setRemainingTime(m_lockWait);
            m_retry.start();
            return;
        }
        // Not stored: the places stay in the table shown until the program ends.
        enterWaiting();
        endIfQuitting();
        return;
    }
    geths();
    enterWaiting();
    savescore();
}

void ScoreKeeper::enterWaiting()
{
    HallOfFame& hall = m_table.hall();
    for (Entry& entry : std::exchange(m_waiting, {})) {
        const int place = hall.placeWon(entry.score);
        hall.enter(place, std::move(entry.name), std::move(entry.score));
    }
    m_table.refresh();
}

void ScoreKeeper::savescore()
{
    FileCommands::writeFile(m_prompts, m_file.writePath(), HighScoreFile::serialise(m_table.hall()), tr(kWhat));
    endIfQuitting();
}

void ScoreKeeper::geths()
{
    if (const auto bytes = FileStore::read(m_file.readPath())) {
        HighScoreFile::read(*bytes, m_table.hall());
        m_table.refresh();
    }
}

void ScoreKeeper::quit()
{
    // Quitting twice while a place won waits for the lock would score the game twice.
    if (m_game.state().quitting == 1)
        return;
    m_game.beginQuitting();
    chkscore();
}

bool ScoreKeeper::close()
{
    quit();
    if (m_waiting.empty())
        endProcess();
    return m_ended;
}

void ScoreKeeper::endIfQuitting()
{
    if (m_game.state().quitting == 1 && m_waiting.empty())
        endProcess();
}

void ScoreKeeper::endProcess()
{
    if (m_ended)
        return;
    m_ended = true;
    m_endProcess();
}
