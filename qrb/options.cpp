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

namespace {

using Read = std::variant<Options, std::string>;

QString description()
{
    return QStringLiteral(
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
        "cty.dat, и перед результатом выводится строка с этой страной.");
}

// Every option of the command: its names, its help and its value's name.
struct OptionTable {
    const QCommandLineOption csv{
        QStringLiteral("csv"), QStringLiteral("Читать пары «СВОЙ КОРРЕСПОНДЕНТ», по одной в строке, из файлов, "
                                              "названных вместо пары (или со стандартного ввода), и выводить CSV.")};
    const QCommandLineOption ellipsoid{QStringLiteral("ellipsoid"),
                                       QStringLiteral("Добавить дальность и азимуты на эллипсоиде WGS-84; в журнал "
                                                      "ADIF записать их вместо сферических.")};
    const QCommandLineOption adifLog{QStringLiteral("adif"),
                                     QStringLiteral("Дополнить журнал ADIF полями DISTANCE и ANT_AZ."),
                                     QStringLiteral("ЖУРНАЛ")};
    const QCommandLineOption my{
        QStringLiteral("my"), QStringLiteral("Свои координаты для записей журнала без MY_GRIDSQUARE и MY_LAT/MY_LON."),
        QStringLiteral("СВОЙ")};
    const QCommandLineOption output{QStringList{QStringLiteral("o"), QStringLiteral("output")},
                                    QStringLiteral("Записать результат в файл, а не на стандартный вывод."),
                                    QStringLiteral("ФАЙЛ")};
    const QCommandLineOption inPlace{
        QStringLiteral("in-place"), QStringLiteral("Заменить журнал дополненным, сохранив прежний как ЖУРНАЛ.bak.")};
    const QCommandLineOption overwrite{
        QStringLiteral("overwrite"), QStringLiteral("Заменять значения DISTANCE и ANT_AZ, уже стоящие в записях.")};
    const QCommandLineOption map{QStringLiteral("map"),
                                 QStringLiteral("Нарисовать азимутальную карту с центром в этой станции; формат по "
                                                "расширению -o: .png, .svg или .pdf. С --adif на ней точки связей "
                                                "журнала."),
                                 QStringLiteral("ЦЕНТР")};
    const QCommandLineOption to{
        QStringLiteral("to"), QStringLiteral("Станция на карте с коротким и длинным путём к ней; можно несколько."),
        QStringLiteral("СТАНЦИЯ")};
    const QCommandLineOption radius{QStringLiteral("radius"),
                                    QStringLiteral("Радиус карты в км, от %1 до %2 (вся Земля, по умолчанию).")
                                        .arg(map::NearestRadiusKm, 0, 'f', 0)
                                        .arg(map::RimKm, 0, 'f', 0),
                                    QStringLiteral("КМ")};
    const QCommandLineOption time{QStringLiteral("time"),
                                  QStringLiteral("Показать ночь на это время UTC, например 2026-06-21T12:00Z."),
                                  QStringLiteral("UTC")};
    const QCommandLineOption size{
        QStringLiteral("size"),
        QStringLiteral("Сторона картинки PNG в пикселях, по умолчанию %1.").arg(map::DefaultSidePixels),
        QStringLiteral("ПИКСЕЛИ")};
    const QCommandLineOption page{QStringLiteral("page"),
                                  QStringLiteral("Лист PDF: A4 (по умолчанию), A3 или LETTER."),
                                  QStringLiteral("ЛИСТ")};
    const QCommandLineOption entities{QStringLiteral("entities"),
                                      QStringLiteral("С --csv: добавить столбцы own_entity и correspondent_entity — "
                                                     "страну позывного (пусто для локатора и координат).")};
    const QCommandLineOption cty{QStringLiteral("cty"),
                                 QStringLiteral("Файл стран для позывных (формат cty.dat); иначе свой в папке данных "
                                                "azidal, затем из пакета hamradio-files."),
                                 QStringLiteral("ФАЙЛ")};
    const QCommandLineOption beam{QStringLiteral("beam"),
                                  QStringLiteral("Таблица азимутов и дальностей на все страны файла стран от этой "
                                                 "станции: текстом, в CSV (-o ФАЙЛ.csv) или на листах A4 "
                                                 "(-o ФАЙЛ.pdf)."),
                                  QStringLiteral("СВОЙ")};
    const QCommandLineOption sort{QStringLiteral("sort"),
                                  QStringLiteral("Порядок строк --beam: prefix (по префиксу, по умолчанию), azimuth, "
                                                 "distance или name (по названию страны)."),
                                  QStringLiteral("ПОРЯДОК")};
    const QCommandLineOption country{QStringLiteral("country"),
                                     QStringLiteral("С --adif: добавить связям без них поля DXCC, COUNTRY, CQZ, ITUZ и "
                                                    "CONT по позывному CALL и файлу стран.")};
    const QCommandLineOption noDistance{QStringLiteral("no-distance"),
                                        QStringLiteral("С --adif --country: не трогать DISTANCE и ANT_AZ.")};

    // In the order --help lists them.
    QList<QCommandLineOption> all() const
    {
        return {csv, ellipsoid, adifLog, my, output, inPlace, overwrite, map, to, radius,
                time, size, page, entities, cty, beam, sort, country, noDistance};
    }
};

// The command line as the parser read it.
struct Given {
    const QCommandLineParser& parser;
    const OptionTable& option;
    QStringList positional;  // unshielded

    bool isSet(const QCommandLineOption& o) const { return parser.isSet(o); }
    std::string text(const QCommandLineOption& o) const { return parser.value(o).toStdString(); }
};

// What every mode reads alike.
Options common(const Given& given)
{
    const OptionTable& o = given.option;
    Options options;
    options.ellipsoid = given.isSet(o.ellipsoid);
    options.inPlace = given.isSet(o.inPlace);
    options.overwrite = given.isSet(o.overwrite);
    options.my = given.text(o.my);
    options.output = fileName(given.parser.value(o.output));
    options.countryFile = fileName(given.parser.value(o.cty));
    options.entities = given.isSet(o.entities);
    options.country = given.isSet(o.country);
    options.distance = !given.isSet(o.noDistance);
    return options;
}

Read beamMode(const Given& given, Options options)
{
    const OptionTable& o = given.option;
    options.mode = Mode::Beam;
    options.beam.own = given.text(o.beam);
    if (!given.positional.isEmpty() || given.isSet(o.csv) || given.isSet(o.adifLog) || given.isSet(o.map)
        || given.isSet(o.to) || given.isSet(o.radius) || given.isSet(o.time) || given.isSet(o.size)
        || given.isSet(o.page) || options.inPlace || options.overwrite || given.isSet(o.my) || options.ellipsoid
        || options.entities)
        return "С --beam указываются только --sort, --cty и -o.";
    if (given.isSet(o.sort)) {
        const auto order = dxcc::beamOrder(given.text(o.sort));
        if (!order)
            return "--sort «" + given.text(o.sort) + "»: ожидается prefix, azimuth, distance или name.";
        options.beam.order = *order;
    }
    return options;
}

Read mapMode(const Given& given, Options options)
{
    const OptionTable& o = given.option;
    options.mode = Mode::Map;
    options.log = fileName(given.parser.value(o.adifLog));
    options.map.centre = given.text(o.map);
    for (const QString& station : given.parser.values(o.to))
        options.map.to.push_back(station.toStdString());
    options.map.radiusKm = given.text(o.radius);
    options.map.time = given.text(o.time);
    if (given.isSet(o.size))
        options.map.size = given.text(o.size);
    if (given.isSet(o.page))
        options.map.page = given.text(o.page);
    if (!given.positional.isEmpty() || given.isSet(o.csv) || options.inPlace || options.overwrite
        || given.isSet(o.my) || options.ellipsoid)
        return "С --map указываются только --to, --adif, --radius, --time, --size, --page, --cty и -o.";
    if (options.output.empty())
        return "Укажите файл карты: -o КАРТА.png, .svg или .pdf.";
    return options;
}

Read adifMode(const Given& given, Options options)
{
    const OptionTable& o = given.option;
    options.mode = Mode::Adif;
    options.log = fileName(given.parser.value(o.adifLog));
    if (given.isSet(o.cty) && !options.country)
        return "--cty с --adif — только вместе с --country: положения связей берутся из журнала.";
    if (!given.positional.isEmpty())
        return "С --adif пары и файлы не указываются: журнал — значение --adif.";
    if (options.inPlace && !options.output.empty())
        return "--in-place и --output нельзя использовать вместе.";
    if (options.inPlace && isStandardInput(options.log))
        return "--in-place нельзя применить к стандартному вводу.";
    return options;
}

Read csvMode(const Given& given, Options options)
{
    options.mode = Mode::Csv;
    for (const QString& input : given.positional)
        options.inputs.push_back(fileName(input));
    if (options.inputs.empty())
        options.inputs.push_back(StandardInputName);
    return options;
}

Read pairMode(const Given& given, Options options)
{
    if (given.positional.size() != 2)
        return "Укажите две станции: СВОЙ и КОРРЕСПОНДЕНТ (или --csv, --adif, --map, --beam).";
    options.stations = {given.positional[0].toStdString(), given.positional[1].toStdString()};
    return options;
}

// The mode the options ask for, after the options that belong to another
// mode have been refused.
Read modeOf(const Given& given, Options options)
{
    const OptionTable& o = given.option;
    if (given.isSet(o.beam))
        return beamMode(given, std::move(options));
    if (given.isSet(o.sort))
        return "--sort действует только с --beam.";
    if (options.entities && !given.isSet(o.csv))
        return "--entities действует только с --csv.";
    if ((options.country || !options.distance) && (!given.isSet(o.adifLog) || given.isSet(o.map)))
        return "--country и --no-distance действуют только с --adif.";
    if (!options.distance && !options.country)
        return "--no-distance — только вместе с --country: иначе журналу нечего добавить.";
    if (given.isSet(o.map))
        return mapMode(given, std::move(options));
    if (given.isSet(o.to) || given.isSet(o.radius) || given.isSet(o.time) || given.isSet(o.size)
        || given.isSet(o.page))
        return "--to, --radius, --time, --size и --page действуют только с --map.";
    if (given.isSet(o.csv) && given.isSet(o.adifLog))
        return "--csv и --adif нельзя использовать вместе.";
    if (given.isSet(o.adifLog))
        return adifMode(given, std::move(options));
    if (options.inPlace || options.overwrite || given.isSet(o.my))
        return "--in-place, --overwrite и --my действуют только с --adif.";
    if (given.isSet(o.csv))
        return csvMode(given, std::move(options));
    return pairMode(given, std::move(options));
}

} // namespace

std::variant<Options, std::string> readOptions(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(description());
    parser.addPositionalArgument(QStringLiteral("СВОЙ"), QStringLiteral("Свой локатор, координаты или позывной."),
                                 QStringLiteral("СВОЙ"));
    parser.addPositionalArgument(QStringLiteral("КОРРЕСПОНДЕНТ"),
                                 QStringLiteral("Локатор, координаты или позывной корреспондента."),
                                 QStringLiteral("КОРРЕСПОНДЕНТ"));
    const OptionTable option;
    parser.addOptions(option.all());
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();

    if (!parser.parse(shielded(arguments, option.all())))
        return parser.errorText().toStdString();
    if (parser.isSet(help))
        parser.showHelp(0);
    if (parser.isSet(version))
        parser.showVersion();

    QStringList positional = parser.positionalArguments();
    for (QString& argument : positional)
        argument = unshielded(argument);
    const Given given{parser, option, positional};
    return modeOf(given, common(given));
}
