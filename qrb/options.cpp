#include "qrb/options.h"

#include "geodesy/station.h"

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

bool asksForMap(int argc, char* argv[])
{
    for (int i = 1; i < argc && std::string_view(argv[i]) != "--"; ++i)
        if (std::string_view(argv[i]) == "--map" || std::string_view(argv[i]).rfind("--map=", 0) == 0)
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
        "  azidal-qrb --map ЦЕНТР [--to СТАНЦИЯ]... [--adif ЖУРНАЛ] -o КАРТА.png|.svg|.pdf\n"
        "                                           карта с центром на своей станции\n"
        "Положение станции — QTH-локатор из 2, 4, 6, 8 или 10 знаков или градусы ШИРОТА,ДОЛГОТА\n"
        "(юг и запад со знаком минус)."));
    parser.addPositionalArgument(QStringLiteral("СВОЙ"), QStringLiteral("Свой локатор или координаты."),
                                 QStringLiteral("СВОЙ"));
    parser.addPositionalArgument(QStringLiteral("КОРРЕСПОНДЕНТ"),
                                 QStringLiteral("Локатор или координаты корреспондента."),
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
                                    QStringLiteral("Радиус карты в км, от 200 до 20015 (вся Земля, по умолчанию)."),
                                    QStringLiteral("КМ"));
    const QCommandLineOption time(QStringLiteral("time"),
                                  QStringLiteral("Показать ночь на это время UTC, например 2026-06-21T12:00Z."),
                                  QStringLiteral("UTC"));
    const QCommandLineOption size(QStringLiteral("size"),
                                  QStringLiteral("Сторона картинки PNG в пикселях, по умолчанию 2000."),
                                  QStringLiteral("ПИКСЕЛИ"));
    const QCommandLineOption page(QStringLiteral("page"),
                                  QStringLiteral("Лист PDF: A4 (по умолчанию), A3 или LETTER."), QStringLiteral("ЛИСТ"));
    const QList<QCommandLineOption> all{csv, ellipsoid, adifLog, my, output, inPlace, overwrite, map, to, radius, time,
                                        size, page};
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
    QStringList positional = parser.positionalArguments();
    for (QString& argument : positional)
        argument = unshielded(argument);

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
            return "С --map указываются только --to, --adif, --radius, --time, --size, --page и -o.";
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
        if (!positional.isEmpty())
            return "С --adif пары и файлы не указываются: журнал — значение --adif.";
        if (options.inPlace && !options.output.empty())
            return "--in-place и --output нельзя использовать вместе.";
        if (options.inPlace && options.log == "-")
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
            options.inputs.push_back("-");
        return options;
    }
    if (positional.size() != 2)
        return "Укажите два положения: СВОЙ и КОРРЕСПОНДЕНТ (или --csv, или --adif).";
    options.stations = {positional[0].toStdString(), positional[1].toStdString()};
    return options;
}
