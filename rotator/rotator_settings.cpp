#include "rotator/rotator_settings.h"

#include "settings/settings_file.h"

#include <QDir>

namespace rotator {
namespace {

const QString Host = QStringLiteral("rotator/host");
const QString Port = QStringLiteral("rotator/port");
const QString ShowHeading = QStringLiteral("rotator/showHeading");

QString shownPath(const QSettings& file)
{
    return QDir::toNativeSeparators(file.fileName());
}

} // namespace

RotatorSettings RotatorSettings::load(QString& failure)
{
    const QSettings file = settingsFile();
    RotatorSettings settings;
    if (file.status() != QSettings::NoError) {
        failure = QStringLiteral("Файл настроек %1 не прочитан: он испорчен или недоступен.\n"
                                 "Поворотное устройство настроено по умолчанию.")
                      .arg(shownPath(file));
        return settings;
    }
    if (const QString host = file.value(Host).toString().trimmed(); !host.isEmpty())
        settings.host = host;
    if (const uint port = file.value(Port).toUInt(); port >= 1 && port <= 65535)
        settings.port = static_cast<quint16>(port);
    settings.showHeading = file.value(ShowHeading, settings.showHeading).toBool();
    settings.chosen = file.contains(Host);
    return settings;
}

QString RotatorSettings::save() const
{
    QSettings file = settingsFile();
    file.setValue(Host, host);
    file.setValue(Port, port);
    file.setValue(ShowHeading, showHeading);
    file.sync();
    if (file.status() == QSettings::NoError)
        return {};
    return QStringLiteral("Настройка поворотного устройства не сохранена в файл %1: нет прав на запись в него "
                          "или в его папку, или на диске нет места.\nДо выхода из программы она действует.")
        .arg(shownPath(file));
}

} // namespace rotator
