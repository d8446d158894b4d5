#include "window/file_commands.h"

#include "kit/file_store.h"
#include "kit/prompts.h"
#include "records/moves_file.h"
#include "records/saved_game_file.h"
#include "window/game_controller.h"

#include <QDir>

namespace {
const QString kTitle = QStringLiteral("The Dorv");
const char* const kSupportLine =
    QT_TRANSLATE_NOOP("FileCommands", "If the problem persists, please contact The Dorv support line and tell them which file it was.");
const char* const kFileNotFound =
    QT_TRANSLATE_NOOP("FileCommands", "File not found. Please check filename or browse to saved directory and select file.");
// The file choosers' kinds of file: a name and its pattern, then all files.
const char* const kMovesFilterSave = QT_TRANSLATE_NOOP("FileCommands", "The Dorv Game Moves(*.dvm)|*.dvm|All Files (*.*)|*.*");
const char* const kMovesFilterLoad = QT_TRANSLATE_NOOP("FileCommands", "The Dorv Game Moves (*.dvm)|*.dvm|All Files (*.*)|*.*");
const char* const kGameFilter = QT_TRANSLATE_NOOP("FileCommands", "The Dorv Game (*.dvg)|*.dvg|All Files (*.*)|*.*");
}

FileCommands::FileCommands(GameController& controller, Prompts& prompts, std::function<void()> newGame,
                           std::function<void()> startOver, QObject* parent)
    : QObject(parent)
    , m_controller(controller)
    , m_prompts(prompts)
    , m_newGame(std::move(newGame))
    , m_startOver(std::move(startOver))
{
}

bool FileCommands::writeFile(Prompts& prompts, const QString& path, const std::string& bytes, const QString& what)
{
    QString error;
    if (FileStore::write(path, bytes, &error))
        return true;
    reportUnsaved(prompts, path, what, error);
    return false;
}

void FileCommands::reportUnsaved(Prompts& prompts, const QString& path, const QString& what, const QString& reason)
{
    prompts.message(tr("%1 could not be saved to the file\n%2\n\n%3").arg(what, QDir::toNativeSeparators(path), reason),
                    kTitle, Prompts::Icon::Critical);
}

QString FileCommands::chooseSaveFile(const QString& title, const QString& filter, const QString& suffix)
{
    for (;;) {
        const QString name = m_prompts.saveFileName(title, filter, suffix);
        if (name.trimmed().isEmpty())
            return {};
        if (!FileStore::exists(name))
            return name;
        const QString question = tr("The file %1 already exists.\r\r").arg(name) + tr("Replace file?");
        if (m_prompts.askYesNo(question, tr("Save file"), false))
            return name;
    }
}

std::optional<std::string> FileCommands::chooseFileToLoad(const QString& title, const QString& filter, const QString& suffix)
{
    for (;;) {
        const QString name = m_prompts.openFileName(title, filter, suffix);
        if (name.trimmed().isEmpty())
            return std::nullopt;
        if (auto bytes = FileStore::read(name))
            return bytes;
        m_prompts.message(tr(kFileNotFound), kTitle, Prompts::Icon::None);
    }
}

void FileCommands::reportCorrupted(const QString& what)
{
    m_prompts.message(tr("The %1 file is corrupted. You can not load this file.\r\r").arg(what) + tr(kSupportLine),
                      tr("Error reading file"), Prompts::Icon::Critical);
}

void FileCommands::savegame()
{
    const QString name = chooseSaveFile(tr("Save Game"), tr(kGameFilter), QStringLiteral("dvg"));
    if (!name.isEmpty())
        writeFile(m_prompts, name, SavedGameFile::serialise(m_controller.game().board(), m_controller.game().state().firstball), tr("The game"));
}

void FileCommands::loadgame()
{
    const auto bytes = chooseFileToLoad(tr("Load Game"), tr(kGameFilter), QStringLiteral("dvg"));
    if (!bytes)
        return;
    const SavedGameFile::Reading reading = SavedGameFile::read(*bytes);
    m_controller.loadPosition(reading.entries);
    if (reading.corrupted) {
        reportCorrupted(tr("game"));
        m_startOver();
    }
}

void FileCommands::savemoves()
{
    // A moves file starts from the full board; a puzzle's position goes into a saved game.
    if (m_controller.game().puzzleStart()) {
        if (m_prompts.askYesNo(tr("A moves file keeps only games begun on the full board, so it cannot keep this puzzle's "
                                  "position. Save the game instead? Its file keeps the board as it stands."),
                               kTitle, true))
            savegame();
        return;
    }
    const QString name = chooseSaveFile(tr("Save Moves"), tr(kMovesFilterSave), QStringLiteral("dvm"));
    if (!name.isEmpty())
        writeFile(m_prompts, name, MovesFile::serialise(m_controller.game().history()), tr("The moves"));
}

void FileCommands::loadmoves()
{
    const auto bytes = chooseFileToLoad(tr("Load Moves"), tr(kMovesFilterLoad), QStringLiteral("dvm"));
    if (!bytes)
        return;
    if (!m_prompts.askYesNo(
            tr("Loading a MOVES file shall clear the current game. Are you sure you want to continue?"), kTitle, true))
        return;
    m_newGame();
    MoveHistory history;
    const bool complete = MovesFile::read(*bytes, history);
    m_controller.loadHistory(std::move(history));
    if (!complete)
        reportCorrupted(tr("game moves"));
}
