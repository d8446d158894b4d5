#include "kit/settings_file.h"

#include <QFileInfo>
#include <QLibraryInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace {
const QString kName = QStringLiteral("The Dorv");
}

QString SettingsFile::obstacle(const QString& folder)
{
    // The application's file and the organisation's, as QSettings names them, and the lock file
    // it takes beside the one it writes.
    const QString application = folder + QLatin1Char('/') + kName + QLatin1Char('/') + kName + QStringLiteral(".conf");
    const QString organisation = folder + QLatin1Char('/') + kName + QStringLiteral(".conf");
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
        QSettings::Scope scope;
        QString found;
    } scopes[] = {{QSettings::UserScope, obstacle(user)}, {QSettings::SystemScope, obstacle(system)}};
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
        QSettings::setPath(QSettings::NativeFormat, scope.scope, place);
        QSettings::setPath(QSettings::IniFormat, scope.scope, place);
    }
    if (!found.isEmpty())
        qWarning("Settings: %s not a regular file: left alone, and the game starts with its default settings "
                 "and keeps none",
                 qPrintable(found.join(QStringLiteral(" and ")) + (found.size() == 1 ? QStringLiteral(" is") : QStringLiteral(" are"))));
}

SettingsFile::~SettingsFile() = default;
