#include "window/rotator_settings.h"

#include <QSettings>

namespace {

const QString Organisation = QStringLiteral("azidal");
const QString Application = QStringLiteral("azidal");
const QString Host = QStringLiteral("rotator/host");
const QString Port = QStringLiteral("rotator/port");
const QString ShowHeading = QStringLiteral("rotator/showHeading");

} // namespace

RotatorSettings RotatorSettings::load()
{
    const QSettings stored(Organisation, Application);
    RotatorSettings settings;
    if (const QString host = stored.value(Host).toString().trimmed(); !host.isEmpty())
        settings.host = host;
    if (const uint port = stored.value(Port).toUInt(); port >= 1 && port <= 65535)
        settings.port = static_cast<quint16>(port);
    settings.showHeading = stored.value(ShowHeading, settings.showHeading).toBool();
    return settings;
}

void RotatorSettings::save() const
{
    QSettings stored(Organisation, Application);
    stored.setValue(Host, host);
    stored.setValue(Port, port);
    stored.setValue(ShowHeading, showHeading);
}
