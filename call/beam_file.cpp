#include "call/beam_file.h"

#include "map/beam_sheet.h"

#include <QDir>
#include <QSaveFile>

QString saveBeamTable(const QString& fileName, const std::vector<dxcc::BeamRow>& rows, const QString& heading)
{
    const std::optional<map::BeamFormat> format = map::beamFormatOf(fileName);
    if (!format)
        return QStringLiteral("Таблицу можно сохранить в CSV или PDF: имя файла должно кончаться на .csv или .pdf.");
    const QByteArray bytes = map::beamFile(rows, heading, *format);
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        return QStringLiteral("Не удалось записать %1.").arg(QDir::toNativeSeparators(fileName));
    return {};
}
