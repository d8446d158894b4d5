#include "kit/game_settings.h"

#include "rules/option_value.h"

#include <QCoreApplication>

namespace {
const QString kSound = QStringLiteral("Options/Sound");
const QString kMusic = QStringLiteral("Options/Music");
const QString kZoom = QStringLiteral("Window/zoom");
const QString kPosition = QStringLiteral("Window/position");
const QString kSize = QStringLiteral("Window/size");
const QString kPrompt = QStringLiteral("Window/Prompt");
const QString kSolved = QStringLiteral("Puzzles/Solved");
}

void GameSettings::nameProgram()
{
    QCoreApplication::setOrganizationName(name());
    QCoreApplication::setApplicationName(name());
}

QString GameSettings::applicationFile(const QString& folder)
{
    return folder + QLatin1Char('/') + name() + QLatin1Char('/') + name() + QStringLiteral(".conf");
}

QString GameSettings::organisationFile(const QString& folder) { return folder + QLatin1Char('/') + name() + QStringLiteral(".conf"); }

void GameSettings::keepFilesIn(Scope scope, const QString& folder)
{
    const QSettings::Scope whose = scope == Scope::User ? QSettings::UserScope : QSettings::SystemScope;
    QSettings::setPath(QSettings::NativeFormat, whose, folder);
    QSettings::setPath(QSettings::IniFormat, whose, folder);
}

GameSettings::GameSettings()
    : m_file(name(), name())
{
}

int GameSettings::sound() const { return option(kSound); }
int GameSettings::music() const { return option(kMusic); }
void GameSettings::setSound(bool on) { setOption(kSound, on); }
void GameSettings::setMusic(bool on) { setOption(kMusic, on); }

int GameSettings::option(const QString& key) const
{
    std::optional<std::string> kept;
    if (m_file.contains(key))
        kept = m_file.value(key).toString().toStdString();
    return OptionValue::read(kept);
}

void GameSettings::setOption(const QString& key, bool on) { m_file.setValue(key, QString::fromStdString(OptionValue::write(on))); }

std::optional<double> GameSettings::zoom() const
{
    bool known = false;
    const double zoom = m_file.value(kZoom).toString().toDouble(&known);
    if (!known)
        return std::nullopt;
    return zoom;
}

std::optional<QPoint> GameSettings::position() const
{
    if (!m_file.contains(kPosition))
        return std::nullopt;
    return m_file.value(kPosition).toPoint();
}

void GameSettings::setPlace(double zoom, QPoint position, QSize size)
{
    m_file.setValue(kZoom, QString::number(zoom));
    m_file.setValue(kPosition, position);
    m_file.setValue(kSize, size);
}

QStringList GameSettings::promptFit() const { return m_file.value(kPrompt).toStringList(); }
void GameSettings::setPromptFit(const QStringList& kept) { m_file.setValue(kPrompt, kept); }

QStringList GameSettings::solvedPuzzles() const { return m_file.value(kSolved).toStringList(); }
void GameSettings::setSolvedPuzzles(const QStringList& keys) { m_file.setValue(kSolved, keys); }

QVariant GameSettings::stored(const QString& key) const { return m_file.value(key); }
void GameSettings::store(const QString& key, const QVariant& value) { m_file.setValue(key, value); }
