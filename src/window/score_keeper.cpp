#include "window/score_keeper.h"

#include "kit/file_store.h"
#include "kit/program_folder.h"
#include "kit/prompts.h"
#include "rules/game.h"
#include "scoring/high_score_file.h"
#include "window/file_commands.h"
#include "window/high_score_window.h"

#include <QLockFile>

namespace {
constexpr int kLockWaitMs = 3000;
}

ScoreKeeper::ScoreKeeper(Game& game, HighScoreWindow& table, Prompts& prompts, std::function<void()> endProcess,
                         QObject* parent)
    : QObject(parent)
    , m_game(game)
    , m_table(table)
    , m_prompts(prompts)
    , m_endProcess(std::move(endProcess))
{
}

void ScoreKeeper::chkscore()
{
    HallOfFame& hall = m_table.hall();
    const std::string score = m_game.counter();
    if (hall.placeWon(score) == 0) {
        if (m_game.state().quitting == 1)
            endProcess();
        return;
    }
    const QString answer = m_prompts.askText(QString::fromLatin1(HallOfFame::kNamePrompt),
                                             QString::fromLatin1(HallOfFame::kNameTitle),
                                             QString::fromLatin1(HallOfFame::kDefaultAnswer));
    // Another game on the same folder may have stored a score since this one read the table: it is
    // read again under a lock right before it is written, and the entry goes where it wins now.
    QLockFile lock(m_file.writePath() + QStringLiteral(".lock"));
    lock.tryLock(kLockWaitMs);
    geths();
    hall.enter(hall.placeWon(score), HallOfFame::nameFromAnswer(answer.toStdString()), score);
    m_table.refresh();
    savescore();
}

void ScoreKeeper::savescore()
{
    FileCommands::writeFile(m_prompts, m_file.writePath(), HighScoreFile::serialise(m_table.hall()),
                            QStringLiteral("The hall of fame"));
    if (m_game.state().quitting == 1)
        endProcess();
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
    m_game.beginQuitting();
    chkscore();
}

void ScoreKeeper::close()
{
    if (m_ended)
        return;
    quit();
    endProcess();
}

void ScoreKeeper::endProcess()
{
    if (m_ended)
        return;
    m_ended = true;
    m_endProcess();
}
