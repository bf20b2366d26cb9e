#include "qrb/options.h"

#include "geodesy/station.h"
#include "map/map_file.h"
#include "map/map_scene.h"
#include "qrb/input_file.h"

#include <QCommandLineParser>
#include <QFile>

namespace {

std::string fileName(const QString& name)
{
    return QFile::encodeName(name).toStdString();
}

bool isDegrees(const QString& argument)
{
    const auto read = geodesy::readDegrees(argument.toStdString());
    const auto* failure = std::get_if<geodesy::DegreesFailure>(&read);
    return !failure || *failure != geodesy::DegreesFailure::NotDegrees;
}

// QCommandLineParser takes "-33.9,18.4" for a bundle of short options. A
// position in decimal degrees is a position wherever it stands, so it goes
// to the parser behind a blank, with which no option begins; unshielded()
// takes the blank off again. Values of options and what follows "--" are
// left as they are.
QStringList shielded(const QStringList& arguments, const QList<QCommandLineOption>& options)
{
    QStringList takesValue;
    for (const QCommandLineOption& option : options)
        if (!option.valueName().isEmpty())
            for (const QString& name : option.names())
                takesValue << (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
    QStringList result = arguments;
    for (qsizetype i = 1; i < result.size() && result[i] != QStringLiteral("--"); ++i) {
        if (takesValue.contains(result[i]))
            ++i;
        else if (result[i].startsWith(QLatin1Char('-')) && isDegrees(result[i]))
            result[i].prepend(QLatin1Char(' '));
    }
    return result;
}

QString unshielded(const QString& argument)
{
    return argument.startsWith(QStringLiteral(" -")) ? argument.mid(1) : argument;
}

} // namespace

bool asksForPainting(int argc, char* argv[])
{
    for (int i = 1; i < argc && std::string_view(argv[i]) != "--"; ++i)
        for (const std::string_view option : {"--map", "--beam"})
            if (std::string_view(argv[i]) == option
                || (std::string_view(argv[i]).rfind(option, 0) == 0 && argv[i][option.size()] == '='))
                return true;
    return false;
}

std::variant<Options, std::string> readOptions(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Дальность и азимуты между своей станцией и корреспондентом, как их считает окно azidal,\n"
        "с длинным путём и, по желанию, с расчётом на эллипсоиде WGS-84.\n"
        "  azidal-qrb СВОЙ КОРРЕСПОНДЕНТ          одна пара\n"
        "  azidal-qrb --csv [ФАЙЛ...]              пары по одной в строке, результат в CSV\n"
        "  azidal-qrb --adif ЖУРНАЛ [--my СВОЙ]    журнал ADIF с полями DISTANCE и ANT_AZ\n"
        "           [--country [--no-distance]]    и со страной каждой связи по позывному\n"
        "  azidal-qrb --map ЦЕНТР [--to СТАНЦИЯ]... [--adif ЖУРНАЛ] -o КАРТА.png|.svg|.pdf\n"
        "                                           карта с центром на своей станции\n"
        "  azidal-qrb --beam СВОЙ [--sort ПОРЯДОК] [-o ФАЙЛ.csv|.pdf]\n"
        "                                           азимуты и дальности на все страны файла стран\n"
        "Положение станции — QTH-локатор из 2, 4, 6, 8 или 10 знаков, градусы ШИРОТА,ДОЛГОТА\n"
        "(юг и запад со знаком минус) или позывной: он стоит в точке своей страны по файлу стран\n"
        "cty.dat, и перед результатом выводится строка с этой страной."));
    parser.addPositionalArgument(QStringLiteral("СВОЙ"), QStringLiteral("Свой локатор, координаты или позывной."),
                                 QStringLiteral("СВОЙ"));
    parser.addPositionalArgument(QStringLiteral("КОРРЕСПОНДЕНТ"),
                                 QStringLiteral("Локатор, координаты или позывной корреспондента."),
                                 QStringLiteral("КОРРЕСПОНДЕНТ"));
    const QCommandLineOption csv(QStringLiteral("csv"),
                                 QStringLiteral("Читать пары «СВОЙ КОРРЕСПОНДЕНТ», по одной в строке, из файлов, "
                                                "названных вместо пары (или со стандартного ввода), и выводить CSV."));
    const QCommandLineOption ellipsoid(QStringLiteral("ellipsoid"),
                                       QStringLiteral("Добавить дальность и азимуты на эллипсоиде WGS-84; в журнал "
                                                      "ADIF записать их вместо сферических."));
    const QCommandLineOption adifLog(QStringLiteral("adif"),
                                     QStringLiteral("Дополнить журнал ADIF полями DISTANCE и ANT_AZ."),
                                     QStringLiteral("ЖУРНАЛ"));
    const QCommandLineOption my(QStringLiteral("my"),
                                QStringLiteral("Свои координаты для записей журнала без MY_GRIDSQUARE и MY_LAT/MY_LON."),
                                QStringLiteral("СВОЙ"));
    const QCommandLineOption output(QStringList{QStringLiteral("o"), QStringLiteral("output")},
                                    QStringLiteral("Записать результат в файл, а не на стандартный вывод."),
                                    QStringLiteral("ФАЙЛ"));
    const QCommandLineOption inPlace(QStringLiteral("in-place"),
                                     QStringLiteral("Заменить журнал дополненным, сохранив прежний как ЖУРНАЛ.bak."));
    const QCommandLineOption overwrite(QStringLiteral("overwrite"),
                                       QStringLiteral("Заменять значения DISTANCE и ANT_AZ, уже стоящие в записях."));
    const QCommandLineOption map(QStringLiteral("map"),
                                 QStringLiteral("Нарисовать азимутальную карту с центром в этой станции; формат по "
                                                "расширению -o: .png, .svg или .pdf. С --adif на ней точки связей "
                                                "журнала."),
                                 QStringLiteral("ЦЕНТР"));
    const QCommandLineOption to(QStringLiteral("to"),
                                QStringLiteral("Станция на карте с коротким и длинным путём к ней; можно несколько."),
                                QStringLiteral("СТАНЦИЯ"));
    const QCommandLineOption radius(QStringLiteral("radius"),
                                    QStringLiteral("Радиус карты в км, от %1 до %2 (вся Земля, по умолчанию).")
                                        .arg(map::NearestRadiusKm, 0, 'f', 0)
                                        .arg(map::RimKm, 0, 'f', 0),
                                    QStringLiteral("КМ"));
    const QCommandLineOption time(QStringLiteral("time"),
                                  QStringLiteral("Показать ночь на это время UTC, например 2026-06-21T12:00Z."),
                                  QStringLiteral("UTC"));
    const QCommandLineOption size(QStringLiteral("size"),
                                  QStringLiteral("Сторона картинки PNG в пикселях, по умолчанию %1.")
                                      .arg(map::DefaultSidePixels),
                                  QStringLiteral("ПИКСЕЛИ"));
    const QCommandLineOption page(QStringLiteral("page"),
                                  QStringLiteral("Лист PDF: A4 (по умолчанию), A3 или LETTER."), QStringLiteral("ЛИСТ"));
    const QCommandLineOption entities(QStringLiteral("entities"),
                                      QStringLiteral("С --csv: добавить столбцы own_entity и correspondent_entity — "
                                                     "страну позывного (пусто для локатора и координат)."));
    const QCommandLineOption cty(QStringLiteral("cty"),
                                 QStringLiteral("Файл стран для позывных (формат cty.dat); иначе свой в папке данных "
                                                "azidal, затем из пакета hamradio-files."),
                                 QStringLiteral("ФАЙЛ"));
    const QCommandLineOption beam(QStringLiteral("beam"),
                                  QStringLiteral("Таблица азимутов и дальностей на все страны файла стран от этой "
                                                 "станции: текстом, в CSV (-o ФАЙЛ.csv) или на листах A4 "
                                                 "(-o ФАЙЛ.pdf)."),
                                  QStringLiteral("СВОЙ"));
    const QCommandLineOption sort(QStringLiteral("sort"),
                                  QStringLiteral("Порядок строк --beam: prefix (по префиксу, по умолчанию), azimuth, "
                                                 "distance или name (по названию страны)."),
                                  QStringLiteral("ПОРЯДОК"));
    const QCommandLineOption country(QStringLiteral("country"),
                                     QStringLiteral("С --adif: добавить связям без них поля DXCC, COUNTRY, CQZ, ITUZ и "
                                                    "CONT по позывному CALL и файлу стран."));
    const QCommandLineOption noDistance(QStringLiteral("no-distance"),
                                        QStringLiteral("С --adif --country: не трогать DISTANCE и ANT_AZ."));
    const QList<QCommandLineOption> all{csv, ellipsoid, adifLog, my, output, inPlace, overwrite, map, to,
                                        radius, time, size, page, entities, cty, beam, sort, country, noDistance};
    parser.addOptions(all);
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();

    if (!parser.parse(shielded(arguments, all)))
        return parser.errorText().toStdString();
    if (parser.isSet(help))
        parser.showHelp(0);
    if (parser.isSet(version))
        parser.showVersion();

    Options options;
    options.ellipsoid = parser.isSet(ellipsoid);
    options.inPlace = parser.isSet(inPlace);
    options.overwrite = parser.isSet(overwrite);
    options.my = parser.value(my).toStdString();
    options.output = fileName(parser.value(output));
    options.countryFile = fileName(parser.value(cty));
    options.entities = parser.isSet(entities);
    options.country = parser.isSet(country);
    options.distance = !parser.isSet(noDistance);
    QStringList positional = parser.positionalArguments();
    for (QString& argument : positional)
        argument = unshielded(argument);

    if (parser.isSet(beam)) {
        options.mode = Mode::Beam;
        options.beam.own = parser.value(beam).toStdString();
        if (!positional.isEmpty() || parser.isSet(csv) || parser.isSet(adifLog) || parser.isSet(map)
            || parser.isSet(to) || parser.isSet(radius) || parser.isSet(time) || parser.isSet(size)
            || parser.isSet(page) || options.inPlace || options.overwrite || parser.isSet(my) || options.ellipsoid
            || options.entities)
            return "С --beam указываются только --sort, --cty и -o.";
        if (parser.isSet(sort)) {
            const auto order = dxcc::beamOrder(parser.value(sort).toStdString());
            if (!order)
                return "--sort «" + parser.value(sort).toStdString() + "»: ожидается prefix, azimuth, distance или name.";
            options.beam.order = *order;
        }
        return options;
    }
    if (parser.isSet(sort))
        return "--sort действует только с --beam.";
    if (options.entities && !parser.isSet(csv))
        return "--entities действует только с --csv.";
    if ((options.country || !options.distance) && (!parser.isSet(adifLog) || parser.isSet(map)))
        return "--country и --no-distance действуют только с --adif.";
    if (!options.distance && !options.country)
        return "--no-distance — только вместе с --country: иначе журналу нечего добавить.";
    if (parser.isSet(map)) {
        options.mode = Mode::Map;
        options.log = fileName(parser.value(adifLog));
        options.map.centre = parser.value(map).toStdString();
        for (const QString& station : parser.values(to))
            options.map.to.push_back(station.toStdString());
        options.map.radiusKm = parser.value(radius).toStdString();
        options.map.time = parser.value(time).toStdString();
        if (parser.isSet(size))
            options.map.size = parser.value(size).toStdString();
        if (parser.isSet(page))
            options.map.page = parser.value(page).toStdString();
        if (!positional.isEmpty() || parser.isSet(csv) || options.inPlace || options.overwrite || parser.isSet(my)
            || options.ellipsoid)
            return "С --map указываются только --to, --adif, --radius, --time, --size, --page, --cty и -o.";
        if (options.output.empty())
            return "Укажите файл карты: -o КАРТА.png, .svg или .pdf.";
        return options;
    }
    if (parser.isSet(to) || parser.isSet(radius) || parser.isSet(time) || parser.isSet(size) || parser.isSet(page))
        return "--to, --radius, --time, --size и --page действуют только с --map.";
    if (parser.isSet(csv) && parser.isSet(adifLog))
        return "--csv и --adif нельзя использовать вместе.";
    if (parser.isSet(adifLog)) {
        options.mode = Mode::Adif;
        options.log = fileName(parser.value(adifLog));
        if (parser.isSet(cty) && !options.country)
            return "--cty с --adif — только вместе с --country: положения связей берутся из журнала.";
        if (!positional.isEmpty())
            return "С --adif пары и файлы не указываются: журнал — значение --adif.";
        if (options.inPlace && !options.output.empty())
            return "--in-place и --output нельзя использовать вместе.";
        if (options.inPlace && isStandardInput(options.log))
            return "--in-place нельзя применить к стандартному вводу.";
        return options;
    }
    if (options.inPlace || options.overwrite || parser.isSet(my))
        return "--in-place, --overwrite и --my действуют только с --adif.";
    if (parser.isSet(csv)) {
        options.mode = Mode::Csv;
        for (const QString& input : positional)
            options.inputs.push_back(fileName(input));
        if (options.inputs.empty())
            options.inputs.push_back(StandardInputName);
        return options;
    }
    if (positional.size() != 2)
        return "Укажите две станции: СВОЙ и КОРРЕСПОНДЕНТ (или --csv, --adif, --map, --beam).";
    options.stations = {positional[0].toStdString(), positional[1].toStdString()};
    return options;
}
