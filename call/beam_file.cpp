#include "call/beam_file.h"

#include "map/beam_sheet.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

QString saveBeamTable(const QString& fileName, const std::vector<dxcc::BeamRow>& rows, const QString& heading)
{
    const QString suffix = QFileInfo(fileName).suffix().toLower();
    QByteArray bytes;
    if (suffix == QLatin1String("csv"))
        bytes = QByteArray::fromStdString(dxcc::beamTableCsv(rows));
    else if (suffix == QLatin1String("pdf"))
        bytes = map::beamSheetPdf(rows, heading);
    else
        return QStringLiteral("Таблицу можно сохранить в CSV или PDF: имя файла должно кончаться на .csv или .pdf.");
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        return QStringLiteral("Не удалось записать %1.").arg(QDir::toNativeSeparators(fileName));
    return {};
}
