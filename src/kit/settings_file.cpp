#include "kit/settings_file.h"

#include "kit/game_settings.h"

#include <QFileInfo>
#include <QLibraryInfo>
#include <QStandardPaths>
#include <QTemporaryDir>

QString SettingsFile::obstacle(const QString& folder)
{
    // The application's file and the organisation's, as QSettings names them, and the lock file
    // it takes beside the one it writes.
    const QString application = GameSettings::applicationFile(folder);
    const QString organisation = GameSettings::organisationFile(folder);
    for (const QString& path : {application, application + QStringLiteral(".lock"), organisation}) {
        // Only looked at, never opened: opening a FIFO is what would wait.
        const QFileInfo info(path);
        if (info.exists() && !info.isFile())
            return path;
    }
    return {};
}

SettingsFile::SettingsFile(const QString& userFolder, const QString& systemFolder)
{
    const QString user = userFolder.isEmpty() ? QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) : userFolder;
    const QString system = systemFolder.isEmpty() ? QLibraryInfo::path(QLibraryInfo::SettingsPath) : systemFolder;
    const struct {
        GameSettings::Scope scope;
        QString found;
    } scopes[] = {{GameSettings::Scope::User, obstacle(user)}, {GameSettings::Scope::System, obstacle(system)}};
    QStringList found;
    for (const auto& scope : scopes) {
        if (scope.found.isEmpty())
            continue;
        found << scope.found;
        if (!m_private)
            m_private = std::make_unique<QTemporaryDir>();
        // Without a temporary folder, a folder below a device: nothing there can be opened or
        // made, so the settings are neither read nor kept, and nothing waits.
        const QString place = m_private->isValid() ? m_private->path() : QStringLiteral("/dev/null");
        GameSettings::keepFilesIn(scope.scope, place);
    }
    if (!found.isEmpty())
        qWarning("Settings: %s not a regular file: left alone, and the game starts with its default settings "
                 "and keeps none",
                 qPrintable(found.join(QStringLiteral(" and ")) + (found.size() == 1 ? QStringLiteral(" is") : QStringLiteral(" are"))));
}

SettingsFile::~SettingsFile() = default;
