// The command as a user runs it: its output, its messages, its exit status
// and what it leaves on disk.

#include "tests/file_bytes.h"

#include <QtTest>

#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

namespace {

// Filled from --my KO85TS or from the record's own station; a value there is
// kept, a record without the correspondent's position left alone, one with
// a wrong position reported and left as it is.
const QByteArray kLog("header\n<EOH>\n<GRIDSQUARE:6>jo62qm <EOR>\n"
                      "<MY_GRIDSQUARE:4>FN31 <LAT:11>N041 42.850 <LON:11>W072 43.500 <EOR>\n"
                      "<GRIDSQUARE:4>IO91 <ANT_AZ:2>99 <EOR>\n<CALL:4>KILO <EOR>\n"
                      "<LAT:11>N091 00.000 <LON:11>E037 37.500 <EOR>\n");
const QByteArray kFilled("header\n<EOH>\n<GRIDSQUARE:6>jo62qm <DISTANCE:4>1611 <ANT_AZ:3>267 <EOR>\n"
                         "<MY_GRIDSQUARE:4>FN31 <LAT:11>N041 42.850 <LON:11>W072 43.500 "
                         "<DISTANCE:2>33 <ANT_AZ:2>44 <EOR>\n"
                         "<GRIDSQUARE:4>IO91 <ANT_AZ:2>99 <DISTANCE:4>2556 <EOR>\n<CALL:4>KILO <EOR>\n"
                         "<LAT:11>N091 00.000 <LON:11>E037 37.500 <EOR>\n");

struct Run {
    int status;
    QString out;
    QString err;
};

Run qrb(const QStringList& arguments, const QString& input, const QString& directory = {},
        const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment())
{
    QProcess process;
    process.setWorkingDirectory(directory);
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(AZIDAL_QRB), arguments);
    process.write(input.toUtf8());
    process.closeWriteChannel();
    const bool finished = process.waitForFinished(30000);
    return {finished ? process.exitCode() : -1, process.readAllStandardOutput(), process.readAllStandardError()};
}

// The files in a folder, each name followed by what the file holds.
QByteArrayList folder(const QString& path)
{
    QByteArrayList files;
    for (const QString& name : QDir(path).entryList(QDir::Files))
        files << name.toUtf8() << fileBytes(QDir(path).filePath(name));
    return files;
}

// What stands at a path itself, a link not followed.
char kindOf(const QString& path)
{
    struct stat status {};
    if (lstat(QFile::encodeName(path).constData(), &status) != 0)
        return '-';
    return S_ISLNK(status.st_mode) ? 'l' : S_ISFIFO(status.st_mode) ? 'p' : S_ISCHR(status.st_mode) ? 'c' : 'f';
}

// A file's permissions in octal, as ls -l tells them.
QString modeOf(const QString& path)
{
    struct stat status {};
    return stat(QFile::encodeName(path).constData(), &status) == 0 ? QString::number(status.st_mode & 07777, 8) : "";
}

// A LoTW download as it comes: lines ended by CRLF, the header's free text
// with an address in angle brackets, lower-case tags, a ten-character
// locator split into GRIDSQUARE and GRIDSQUARE_EXT, a position as LAT/LON
// only, LoTW's trailer.
const QString kLotw("ARRL Logbook of the World Status Report\r\nCopyright (C) 2012 A. Author <author@example.org>\r\n"
                    "<PROGRAMID:4>LoTW\r\n<eoh>\r\n<call:4>ALFA\r\n<gridsquare:8>JO62QM27\r\n<gridsquare_ext:2>HL\r\n"
                    "%1<eor>\r\n<CALL:4>ECHO\r\n<LAT:11>N052 31.250\r\n<LON:11>E013 22.500\r\n%2<EOR>\r\n"
                    "<APP_LoTW_EOF>\r\n");

} // namespace

class TestQrb : public QObject {
    Q_OBJECT

    // The user's data folder, empty: calls are placed by the system's file,
    // or by these.
    QTemporaryDir countries_;

private Q_SLOTS:
    void initTestCase()
    {
        qputenv("XDG_DATA_HOME", QFile::encodeName(countries_.path()));
        umask(022);  // the usual one, which the command's runs inherit
        const QByteArray japan("Japan:                    25:  45:  AS:   36.40:  -138.38:    -9.0:  JA:\n"
                               "    JA,=JA1XYZ<35.00/-139.00>;\n");
        writeFile(countries_.filePath("small.dat"), japan);
        writeFile(countries_.filePath("bad.dat"), japan + QByteArray(japan).replace("25:", "99:"));
    }

    // Standard input and output; the output and the messages contain these.
    void statusAndMessages_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("input");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("out");
        QTest::addColumn<QString>("err");
        struct Row { const char* name; QStringList arguments; QString input; int status; QString out, err; };
        const Row rows[] = {
            {"worked example", {"--ellipsoid", "KO85TS", "JO62QM"}, "", 0,
             "ДАЛЬНОСТЬ: 1611 км, АЗИМУТ прямой: 267 град., обратный: 87 град.; длинный путь: 38419 км, азимут 87 "
             "град.; WGS-84: 1616.4 км, прямой 267 град., обратный 67 град.\n", ""},
            {"unknown option", {"--fast"}, "", 2, "", "«fast». Подробнее: azidal-qrb --help\n"},
            {"one station", {"KO85TS"}, "", 2, "", "СВОЙ и КОРРЕСПОНДЕНТ"},
            {"--in-place without a log", {"--in-place", "KO85TS", "JO62QM"}, "", 2, "", "только с --adif"},
            {"missing file", {"--csv", "none"}, "", 2, "", "не удалось открыть «none»: нет такого файла или папки\n"},
            {"a folder for a file", {"--csv", "/"}, "", 2, "", "не удалось прочитать «/»: это папка, а не файл\n"},
            {"missing log", {"--adif", "none"}, "", 2, "", "не удалось открыть «none»"},
            {"bad line, the rest still written", {"--csv"}, "KO85TS\nKO85TS KO85TZ\n\n55.7708,37.625 -33.9,18.4\n", 1,
             "\"55.7708,37.625\",\"-33.9,18.4\",10137,196,16,29893,16\n",
             "ввод:1: ожидается пара «СВОЙ КОРРЕСПОНДЕНТ» через пробел\nazidal-qrb: стандартный ввод:2: "
             "корреспондент «KO85TZ»: Не корректный ввод локатора !"},
            {"comments, blanks and CRLF as people write them; the file's own line numbers", {"--csv"},
             "# own, correspondent\r\n\r\n  \t# a comment\n\tKO85TS  JO62QM \r\nKO8 JO62\n", 1,
             "\nKO85TS,JO62QM,1611,267,87,38419,87\n", "стандартный ввод:5: свои координаты «KO8»"},
            {"a line too long, never read whole", {"--csv"}, QString(5000, 'x') + "\nKO85TS JO62QM\n", 1,
             "\nKO85TS,JO62QM,1611,267,87,38419,87\n", "стандартный ввод:1: строка длиннее 4096 байт"},
            {"a negative position first", {"-33.9,18.4", "--ellipsoid", "KO85TS"}, "", 0,
             "ДАЛЬНОСТЬ: 10137 км, АЗИМУТ прямой: 11 град.", ""},
            {"a negative value of --my", {"--adif", "-", "--my", "-33.9,18.4"}, "<GRIDSQUARE:6>KO85TS<EOR>", 0,
             "<GRIDSQUARE:6>KO85TS<DISTANCE:5>10137<ANT_AZ:2>11<EOR>", ""},
            {"the North Pole, due north on the sphere and on the ellipsoid", {"--ellipsoid", "KO85TS", "90,0"}, "", 0,
             "ДАЛЬНОСТЬ: 3806 км, АЗИМУТ прямой: 360 град., обратный: 180 град.; длинный путь: 36224 км, азимут 180 "
             "град.; WGS-84: 3818.9 км, прямой 0 град.", ""},
            // For a station written in Cyrillic on purpose: «ко85тм» is KO85TM.
            {"a LoTW download", {"--adif", "-", "--my", "ко85тм"}, kLotw.arg("", ""), 0,
             kLotw.arg("<DISTANCE:4>1611\r\n<ANT_AZ:3>268\r\n", "<DISTANCE:4>1610\r\n<ANT_AZ:3>268\r\n"), ""},
            {"a QSO on the own parallel has its direction", {"--adif", "-", "--my", "0,10"},
             "<LAT:11>N000 00.000 <LON:11>E040 00.000 <EOR>", 0, "<DISTANCE:4>3336 <ANT_AZ:2>90 <EOR>", ""},
            {"a QSO at the own position: no direction", {"--adif", "-", "--my", "KO85TS"}, "<GRIDSQUARE:6>ko85ts <EOR>",
             0, "<GRIDSQUARE:6>ko85ts <DISTANCE:1>0 <EOR>", ""},
            {"log on the ellipsoid, in tenths, values there replaced",
             {"--adif", "-", "--my", "KO85TS", "--ellipsoid", "--overwrite"},
             "<distance:1:N>9 <GRIDSQUARE:4>IO91 <ant_az:2>99 <EOR>", 0,
             "<distance:6:N>2563.8 <GRIDSQUARE:4>IO91 <ant_az:3>276 <EOR>", ""},
            // Callsigns: the system's country file, or the one --cty names.
            {"locators never read it", {"--cty", "none.dat", "KO85TS", "JO62QM"}, "", 0, "ДАЛЬНОСТЬ: 1611 км", ""},
            {"a call in a CSV stands as typed", {"--csv"}, "KO85TS ja1abc\n", 0,
             "long_path_azimuth\nKO85TS,ja1abc,7343,60,240,32687,240\n", ""},
            {"a CSV with the entities", {"--csv", "--entities"}, "KO85TS JA1ABC\nja1abc 55,37\n", 0,
             ",own_entity,correspondent_entity\nKO85TS,JA1ABC,7343,60,240,32687,240,,Япония\n"
             "ja1abc,\"55,37\",7420,322,142,32610,142,Япония,\n", ""}};
        for (const Row& row : rows)
            QTest::newRow(row.name) << row.arguments << row.input << row.status << row.out << row.err;
        const std::tuple<QStringList, QString, int, QString> callFailures[] = {
            {{"KO85TS", "W1AW/MM"}, "", 1, "корреспондент «W1AW/MM»: станция в море или в воздухе (/MM, /AM): страны у неё нет\n"},
            {{"KO85TS", "XYZ"}, "", 1, "«XYZ»: не локатор, не координаты и не позывной"},
            {{"--cty", "none.dat", "KO85TS", "JA1ABC"}, "", 2,
             "azidal-qrb: не удалось прочитать файл стран «none.dat»: нет такого файла или папки\n"},
            {{"--cty", countries_.filePath("bad.dat"), "KO85TS", "JA1ABC"}, "", 2,
             "bad.dat», строка 3: зона CQ должна быть от 1 до 40, зона ITU — от 1 до 90\n"},
            {{"--csv", "--cty", "none.dat"}, "KO85TS JO62QM\nKO85TS JA1ABC\n", 2, "не удалось прочитать файл стран «none.dat»"},
            {{"--beam", "W1AW/MM"}, "", 2, "--beam «W1AW/MM»: станция в море"},
            {{"--beam", "KO85TS", "--csv"}, "", 2, "С --beam указываются только --sort, --cty и -o."},
            {{"--sort", "name", "KO85TS", "JO62QM"}, "", 2, "--sort действует только с --beam."},
            {{"--beam", "KO85TS", "--sort", "zone"}, "", 2, "--sort «zone»: ожидается prefix, azimuth, distance или name."},
            {{"--entities", "KO85TS", "JO62QM"}, "", 2, "--entities действует только с --csv."},
            {{"--adif", "-", "--cty", "x.dat"}, "", 2, "--cty с --adif — только вместе с --country"},
            {{"--adif", "-", "--no-distance"}, "", 2, "--no-distance — только вместе с --country"},
            {{"--csv", "--country"}, "", 2, "--country и --no-distance действуют только с --adif."}};
        for (const auto& [arguments, input, status, err] : callFailures)
            QTest::newRow(qPrintable(arguments.join(' '))) << arguments << input << status << "" << err;
        // A log's QSOs as ADIF means them: the path the signal took, where
        // the antenna pointed, the country of the call. From KO85TS to
        // PM95VQ the short path is 7483 km at 59°, the long 32547 km at 239°.
        const QString qso("<CALL:6>JA1ABC <GRIDSQUARE:6>PM95VQ %1<EOR>");
        const QString japan("<DXCC:3>339 <COUNTRY:5>JAPAN <CQZ:2>25 <ITUZ:2>45 <CONT:2>AS ");
        const std::tuple<const char*, QString, QString, QStringList> records[] = {
            {"no path, no mode: the short path", "", "<DISTANCE:4>7483 <ANT_AZ:2>59 ", {}},
            {"the long path", "<ANT_PATH:1>L ", "<DISTANCE:5>32547 <ANT_AZ:3>239 ", {}},
            {"the short path", "<ANT_PATH:1>s ", "<DISTANCE:4>7483 <ANT_AZ:2>59 ", {}},
            {"grayline, the short path", "<ANT_PATH:1>G ", "<DISTANCE:4>7483 <ANT_AZ:2>59 ", {}},
            {"other: a distance, no bearing", "<ANT_PATH:1>O ", "<DISTANCE:4>7483 ", {}},
            {"a satellite: the antenna pointed at it", "<PROP_MODE:3>SAT ", "<DISTANCE:4>7483 ", {}},
            {"the moon", "<PROP_MODE:3>EME ", "<DISTANCE:4>7483 ", {}},
            {"a repeater", "<PROP_MODE:3>RPT ", "<DISTANCE:4>7483 ", {}},
            {"F2 follows the great circle", "<PROP_MODE:2>F2 ", "<DISTANCE:4>7483 <ANT_AZ:2>59 ", {}},
            {"a satellite on the long path", "<PROP_MODE:3>SAT <ANT_PATH:1>L ", "<DISTANCE:5>32547 ", {}},
            {"the country added", "", "<DISTANCE:4>7483 <ANT_AZ:2>59 " + japan, {"--country"}},
            {"the country alone", "", japan, {"--country", "--no-distance"}},
            {"the log's own DXCC agreeing, with a leading zero", "<DXCC:4>0339 ",
             "<COUNTRY:5>JAPAN <CQZ:2>25 <ITUZ:2>45 <CONT:2>AS ", {"--country", "--no-distance"}}};
        for (const auto& [name, fields, added, more] : records)
            QTest::newRow(name) << QStringList{"--adif", "-", "--my", "KO85TS"} + more << qso.arg(fields) << 0
                                << qso.arg(fields + added) << "";
        // Each kind of call's country, by the file's own lines.
        const std::tuple<QString, QString, int, QString> calls[] = {
            {"R1ANF/MM", "<DXCC:3>241 <COUNTRY:18>SOUTH SHETLAND IS. <CQZ:2>13 <ITUZ:2>73 <CONT:2>SA ", 0, ""},
            {"Q1ABC", "", 1, "стандартный ввод: CALL: ни один префикс файла стран не подходит к этому позывному — 1 запись: Q1ABC"}};
        for (const auto& [call, added, status, err] : calls)
            QTest::newRow(qPrintable("the country of " + call))
                << QStringList{"--adif", "-", "--country", "--no-distance"}
                << QString("<CALL:%1>%2 <EOR>").arg(call.size()).arg(call) << status
                << QString("<CALL:%1>%2 %3<EOR>").arg(call.size()).arg(call, added) << err;
        const QString letterC = "«С» — русская буква, а локаторы и позывные пишутся латинскими: C или S?";
        const QStringList map{"--map", "KO85TS", "-o", "/dev/null"};
        const Row others[] = {
            {"the log's own values replaced", {"--adif", "-", "--country", "--no-distance", "--overwrite"},
             qso.arg("<CQZ:2>27 <DXCC:3>054 "), 0, qso.arg("<CQZ:2>25 <DXCC:3>339 <COUNTRY:5>JAPAN <ITUZ:2>45 <CONT:2>AS "),
             ""},
            {"a log's own DXCC that disagrees: nothing added", {"--adif", "-", "--country", "--no-distance"},
             "<CALL:8>UA1ABC/9 <DXCC:3>054 <EOR>", 1, "<CALL:8>UA1ABC/9 <DXCC:3>054 <EOR>",
             "DXCC записи не тот, что у страны позывного (ASIATIC RUSSIA)"},
            // В Н Р С Х look like one Latin letter and sound like another:
            // named and refused, wherever a locator is read; the six twins
            // are read.
            {"an ambiguous letter in a pair", {"ко85тс", "JO62QM"}, "", 1, "", "свои координаты «ко85тс»: " + letterC},
            {"an ambiguous letter in a CSV line", {"--csv"}, "KO85TS jo62qм\nKO85TS JO62Qх\n", 1, "",
             "стандартный ввод:2: корреспондент «JO62Qх»: «Х»"},
            {"an ambiguous letter in a log's GRIDSQUARE", {"--adif", "-", "--my", "KO85TS"}, "<GRIDSQUARE:8>JO62QС <EOR>",
             1, "", "GRIDSQUARE: " + letterC + " — 1 запись: 1"},
            {"an ambiguous letter in a log's CALL", {"--adif", "-", "--country", "--no-distance"}, "<CALL:8>UА9АВС <EOR>",
             1, "", "CALL: «В» — русская буква"},
            {"a map into a device, as a PNG", map, "", 0, "", ""},
            {"a map with no file", {"--map", "KO85TS"}, "", 2, "", "Укажите файл карты: -o КАРТА.png, .svg или .pdf"},
            {"a map of no format", {"--map", "KO85TS", "-o", "/tmp/map.jpg"}, "", 2, "",
             "-o «/tmp/map.jpg»: формат карты — по расширению: .png, .svg или .pdf\n"},
            {"a map round a wrong centre", {"--map", "KO85T", "-o", "/dev/null"}, "", 2, "",
             "--map «KO85T»: Локатор должен состоять"}};
        for (const Row& row : others)
            QTest::newRow(row.name) << row.arguments << row.input << row.status << row.out << row.err;
        const std::pair<QStringList, QString> misuses[] = {
            {{"--to", "95,0"}, "--to «95,0»: Широта"},
            {{"--to", "QQ1ABC"}, "--to «QQ1ABC»: ни один префикс файла стран не подходит"},
            {{"--time", "2026-06-21 noon"}, "--time «2026-06-21 noon»: ожидается время UTC по ISO 8601"},
            {{"--time", "2026-06-21T12:00"}, "ожидается время UTC"},
            {{"--size", "99"}, "--size «99»: ожидается число пикселей от 100 до 20000"},
            {{"--radius", "150"}, "--radius «150»: ожидается радиус в км от 200 до 20015"},
            {{"--page", "B5"}, "--page «B5»: ожидается A4, A3 или LETTER"},
            {{"--overwrite"}, "С --map указываются только"},
            {{"--adif", "-"}, "-: "}};  // and on standard input, a broken log
        for (const auto& [more, err] : misuses)
            QTest::newRow(qPrintable("a map with " + more.join(' '))) << map + more << "<CALL:9>AB1 <EOR>" << 2 << ""
                                                                      << err;
    }
    void statusAndMessages()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, input);
        QFETCH(QString, out);
        QFETCH(QString, err);
        const Run run = qrb(arguments, input);
        QTEST(run.status, "status");
        QVERIFY2(run.out.contains(out), qPrintable(run.out));
        QVERIFY2(run.err.contains(err), qPrintable(run.err));
    }

    // The help word for word, as a ham reads it first (the program named as
    // it was started).
    void writesHelp()
    {
        const Run run = qrb({"--help"}, "");
        QCOMPARE(run.status, 0);
        QCOMPARE(QString(run.out).replace(QStringLiteral(AZIDAL_QRB), QStringLiteral("azidal-qrb")),
                 QString::fromUtf8(fileBytes(QStringLiteral(AZIDAL_QRB_HELP))));
    }

    // A call stands where its entity does, after a line that tells the
    // entity: the figures its position's (35,139 for the alias). From the
    // country file's own lines: =W1AW/KG4 as a whole call, UA9XAB by UA9X
    // with zones of its own, told with them; an alias's position of its own.
    // (A call by a plain prefix, as JA1ABC: the CSV rows and the map
    // window's search.)
    void callsStandAtTheirEntity_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("out");
        const QString system = "файл стран от 02.05.2023\n";
        QTest::newRow("both ends, a whole call and a prefix's own zones")
            << QStringList{"W1AW/KG4", "ua9xab"}
            << "W1AW/KG4 — Гуантанамо (NA, CQ 8, ITU 11), " + system + "UA9XAB — Европейская Россия (EU, CQ 17, ITU 20), "
                   + system + "ДАЛЬНОСТЬ: 9829 км, АЗИМУТ прямой: 32 град., обратный: 212 град.; длинный путь: 30201 км, "
                              "азимут 212 град.\n";
        QTest::newRow("an alias's own position, in the file --cty names")
            << QStringList{"--cty", countries_.filePath("small.dat"), "KO85TS", "JA1XYZ"}
            << "JA1XYZ — Япония (AS, CQ 25, ITU 45), файл стран без даты\nДАЛЬНОСТЬ: 7501 км, АЗИМУТ прямой: 60 град., "
               "обратный: 240 град.; длинный путь: 32529 км, азимут 240 град.\n";
    }
    void callsStandAtTheirEntity()
    {
        QFETCH(QStringList, arguments);
        const Run run = qrb(arguments, "");
        QCOMPARE(run.status, 0);
        QCOMPARE(run.err, QString());
        QTEST(run.out, "out");
    }

    // A station at the centre has no direction: said as for the pair, with
    // its status, and the map drawn with the others only, each labelled as
    // it was given, in capitals, with its distance.
    void mapsWithoutAStationAtItsCentre()
    {
        const QTemporaryDir dir;
        const Run run = qrb({"--map", "KO85TS", "--to", "ko85ts", "--to", "jo62qm", "-o", "map.svg"}, "", dir.path());
        QCOMPARE(run.status, 1);
        QCOMPARE(run.err, QStringLiteral("azidal-qrb: --to «ko85ts»: При расчете ВАШИ координаты совпали с ВВЕДЕННЫМИ !\n"));
        const QByteArray svg = fileBytes(dir.filePath("map.svg"));
        QVERIFY(svg.contains(">JO62QM 1611 <") && svg.endsWith("</svg>\n"));
        QCOMPARE(svg.count(">KO85TS<"), 1);
    }

    // With neither the user's copy nor the system's: the system's folder
    // hidden under an empty one, in a mount namespace of the test's own.
    void noCountryFileAtAll()
    {
        QProcess process;
        process.start("unshare", {"-rm", "sh", "-c",
                                  "mount -t tmpfs none /usr/share/hamradio-files || exit 99; exec \"$0\" KO85TS JA1ABC",
                                  AZIDAL_QRB});
        if (!process.waitForFinished() || process.exitStatus() != QProcess::NormalExit || process.exitCode() == 99)
            QSKIP("no mount namespace can be made here");
        QCOMPARE(process.exitCode(), 2);
        QCOMPARE(QString::fromUtf8(process.readAllStandardError()),
                 "azidal-qrb: нет файла стран: положите cty.dat в «" + countries_.path()
                     + "/azidal/cty.dat» или установите пакет hamradio-files\n");
    }

    // A long input, worked out a stretch of lines at a time on both cores:
    // its rows and its messages in the input's order.
    void keepsTheOrderOfALongInput()
    {
        QString hundred;
        for (int i = 0; i < 100; ++i)
            hundred += QString("KO85TS JO%1QM\n").arg(i, 2, 10, QChar('0'));
        const QStringList each = qrb({"--csv"}, hundred).out.split('\n');  // the header, then JO00QM's row on
        QString input, rows = each[0] + "\n", refused;
        for (int line = 1; line <= 12000; ++line) {
            const bool bad = line % 4099 == 0;
            input += bad ? "KO85TS JO6\n" : hundred.section('\n', line % 100, line % 100) + "\n";
            rows += bad ? "" : each[1 + line % 100] + "\n";
            refused += bad ? QString("azidal-qrb: стандартный ввод:%1: корреспондент «JO6»: Локатор должен состоять из 2, "
                                     "4, 6, 8 или 10 символов.\n").arg(line) : "";
        }
        const Run run = qrb({"--csv"}, input);
        QCOMPARE(run.status, 1);
        QCOMPARE(run.err, refused);
        QCOMPARE(run.out, rows);
    }

    // The text under its heading, in each order; the columns parted by two
    // blanks or more.
    void beamTableOrders_data()
    {
        QTest::addColumn<QString>("order");
        QTest::addColumn<int>("column");
        QTest::newRow("prefix") << "prefix" << 0;
        QTest::newRow("azimuth") << "azimuth" << 5;
        QTest::newRow("distance") << "distance" << 7;
        QTest::newRow("name") << "name" << 1;
    }
    void beamTableOrders()
    {
        QFETCH(QString, order);
        QFETCH(int, column);
        const Run run = qrb({"--beam", "KO85TS", "--sort", order}, "");
        QCOMPARE(run.status, 0);
        QStringList lines = run.out.split('\n', Qt::SkipEmptyParts);
        const QString heading = "Азимуты на страны от KO85TS (55,771° с. ш., 37,625° в. д.), "
                                + QDate::currentDate().toString("dd.MM.yyyy") + ", файл стран от ";
        QVERIFY2(lines.takeFirst().startsWith(heading), qPrintable(run.out.left(200)));
        const QString columns = lines.takeFirst();
        QVERIFY(columns.startsWith("Префикс  Страна"));
        QVERIFY(lines.contains("JA       Япония                                    AS     25   45      60      240   "
                               "7343  UTC+9"));
        QVERIFY(lines.contains("*IG9     Африканская Италия                        AF     33   37     231       51   "
                               "2925  UTC+1"));  // only for WAE
        const auto key = [column](const QString& line) {
            const QString cell = line.split(QRegularExpression(" {2,}"))[column];
            return column >= 5 ? QString("%1").arg(cell.toInt(), 6) : cell.startsWith('*') ? cell.mid(1) : cell;
        };
        for (int i = 0; i < lines.size(); ++i)  // in order, the columns lined up
            QVERIFY2((i == 0 || key(lines[i - 1]) <= key(lines[i])) && lines[i].mid(columns.indexOf("UTC"), 3) == "UTC",
                     qPrintable(lines[i]));
    }

    // A CSV for a spreadsheet, and A4 pages: a few of them, not one per row.
    void beamTableFiles()
    {
        const QTemporaryDir dir;
        QCOMPARE(qrb({"--beam", "JA1ABC", "-o", "table.CSV"}, "", dir.path()).status, 0);
        const QList<QByteArray> csv = fileBytes(dir.filePath("table.CSV")).split('\n');
        QCOMPARE(csv[0], "prefix,name,continent,cq_zone,itu_zone,azimuth,long_path_azimuth,distance_km,utc_offset,wae_only");
        QVERIFY(csv.contains("JA,Япония,AS,25,45,,,,9,0"));  // the centre's own: no figures
        QVERIFY(csv.contains("IG9,Африканская Италия,AF,33,37,319,139,10235,1,1"));
        QCOMPARE(qrb({"--beam", "KO85TS", "-o", "table.pdf"}, "", dir.path()).status, 0);
        const QByteArray pdf = fileBytes(dir.filePath("table.pdf"));
        QVERIFY(pdf.startsWith("%PDF"));
        // Titled by its heading, which names the own station: UTF-16 in PDF.
        QVERIFY(pdf.contains(QByteArray("/Title (\xfe\xff", 10)) && pdf.contains(QByteArray::fromHex("004B004F0038003500540053")));
        const qsizetype pages = QString::fromLatin1(pdf).count(QRegularExpression("/Type\\s*/Page[^s]"));
        QVERIFY2(pages >= 4 && pages <= 8, qPrintable(QString::number(pages)));
    }

    // A map on a machine with no display: a picture of the size asked, with
    // the log's dots on it, and not a word on standard error.
    void drawsMapWithoutDisplay()
    {
        QTemporaryDir directory;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "XDG_RUNTIME_DIR"})
            environment.remove(name);
        const QStringList arguments{"--map", "KO85TS", "--to", "JO62QM", "--adif", "-", "--time",
                                    "2026-06-21T12:00Z", "--size", "400", "-o", "Карта.PNG"};
        const Run run = qrb(arguments, kLotw.arg("", ""), directory.path(), environment);
        QCOMPARE(run.status, 0);
        QCOMPARE(run.err, QString());
        // The PNG's signature, then its header: 400 by 400.
        const QByteArray png = fileBytes(directory.filePath("Карта.PNG"));
        QCOMPARE(png.left(24).toHex(), QByteArray("89504e470d0a1a0a0000000d49484452" "0000019000000190"));
    }

    // Each kind of problem once, however many records it hit: how many, and
    // the first of them.
    void oneMessagePerKind()
    {
        QByteArray log("<EOH>\n<GRIDSQUARE:3>FN3 <MY_GRIDSQUARE:4>KO85 <EOR>\n");
        for (int i = 0; i < 6; ++i)
            log += "<GRIDSQUARE:4>FN31 <EOR>\n";
        log += "<GRIDSQUARE:6>XX00AA <MY_GRIDSQUARE:4>KO85 <EOR>\n<GRIDSQUARE:2>XX <MY_GRIDSQUARE:4>KO85 <EOR>\n";
        const Run run = qrb({"--adif", "-"}, QString::fromUtf8(log));
        QCOMPARE(run.status, 1);
        QCOMPARE(run.err, "azidal-qrb: стандартный ввод: GRIDSQUARE: Локатор должен состоять из 2, 4, 6, 8 или 10 "
                          "символов. — 1 запись: 1\n"
                          "azidal-qrb: стандартный ввод: нет своих координат: ни MY_GRIDSQUARE, ни MY_LAT/MY_LON, ни --my "
                          "— 6 записей: 2, 3, 4, 5, 6 и ещё 1\n"
                          "azidal-qrb: стандартный ввод: GRIDSQUARE: Широта не может быть меньше -90 град. и больше 90 "
                          "град. Не верно введен локатор — 1 запись: 8\n"
                          "azidal-qrb: стандартный ввод: GRIDSQUARE: Широта не может быть больше 90 град.: вторая буква "
                          "локатора должна быть от A до R. — 1 запись: 9\n");
        QCOMPARE(run.out.toUtf8(), log);
    }

    // A link is followed, from the folder that holds it, and stays a link:
    // the file is written beside the file it leads to, which may lie on
    // another file system (/dev/shm, where there is one). A FIFO and a
    // device are written into as they stand and never replaced; --in-place
    // takes only a regular file. A full disk fails the run with its reason.
    void outputPaths()
    {
        const QTemporaryDir dir;
        writeFile(dir.filePath("real/log.adi"), kLog);
        QVERIFY(QDir(dir.path()).mkdir("links") && QFile::link("../real/log.adi", dir.filePath("links/log.adi")));
        QCOMPARE(qrb({"--adif", "links/log.adi", "--my", "KO85TS", "--in-place"}, "", dir.path()).status, 1);
        QCOMPARE(kindOf(dir.filePath("links/log.adi")), 'l');
        QCOMPARE(fileBytes(dir.filePath("real/log.adi")), kFilled);
        QCOMPARE(fileBytes(dir.filePath("real/log.adi.bak")), kLog);
        QVERIFY(!QFile::exists(dir.filePath("links/log.adi.bak")));

        const QTemporaryDir other(QFileInfo("/dev/shm").isWritable() ? "/dev/shm/azidal-XXXXXX" : dir.filePath("XXXXXX"));
        QVERIFY(QFile::link(other.filePath("new.adi"), dir.filePath("links/new.adi")));  // to nothing yet
        QCOMPARE(qrb({"--adif", "real/log.adi.bak", "--my", "KO85TS", "-o", "links/new.adi"}, "", dir.path()).status, 1);
        QCOMPARE(kindOf(dir.filePath("links/new.adi")), 'l');
        QCOMPARE(fileBytes(other.filePath("new.adi")), kFilled);

        QCOMPARE(mkfifo(QFile::encodeName(dir.filePath("fifo")).constData(), 0600), 0);
        QProcess reader;
        reader.start("cat", {dir.filePath("fifo")});
        QCOMPARE(qrb({"KO85TS", "JO62QM", "-o", "fifo"}, "", dir.path()).status, 0);
        QVERIFY(reader.waitForFinished());
        QVERIFY(reader.readAllStandardOutput().startsWith("ДАЛЬНОСТЬ: 1611 км"));
        QCOMPARE(kindOf(dir.filePath("fifo")), 'p');
        const Run inPlace = qrb({"--adif", "fifo", "--in-place"}, "", dir.path());
        QCOMPARE(inPlace.status, 2);
        QCOMPARE(inPlace.err, "azidal-qrb: --in-place заменяет только обычный файл, а «fifo» — не он\n");

        for (const QString& folder : {dir.path(), dir.filePath("real"), dir.filePath("links"), other.path()})
            QCOMPARE(QDir(folder).entryList({"*.tmp-*"}, QDir::AllEntries | QDir::Hidden | QDir::System), QStringList());

        // A null device and a full one (a full disk) of the test's own; the
        // system's only where they cannot be replaced anyway.
        for (const auto& [name, minor] : {std::pair{"null", 3}, {"full", 7}}) {
            const QByteArray own = QFile::encodeName(dir.filePath(name));
            const bool made = mknod(own, S_IFCHR | 0666, makedev(1, minor)) == 0 && QFile(own).open(QIODevice::WriteOnly);
            if (!made && geteuid() == 0)
                QSKIP("no device can be made or opened here");
            const QString device = made ? dir.filePath(name) : QString("/dev/") + name;
            const Run run = qrb({"KO85TS", "JO62QM", "-o", device}, "");
            QCOMPARE(run.status, minor == 3 ? 0 : 2);
            QCOMPARE(run.err, minor == 3 ? "" : "azidal-qrb: не удалось записать «" + device + "»: на диске не осталось места\n");
            QCOMPARE(kindOf(device), 'c');
            QCOMPARE(QDir(QFileInfo(device).path()).entryList({"*.tmp-*"}, QDir::AllEntries | QDir::System), QStringList());
        }
    }

    // Under a limit of address space far below the input's size: a line of a
    // gigabyte, a field declaring a petabyte, a map's picture of 1.6 GB. Each
    // gets its message, never an allocation failure; the map leaves no file.
    void memoryStaysFlat_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("err");
        QTest::addColumn<int>("kilobytes");
        QTest::newRow("a gigabyte without a newline") << "head -c 1073741824 /dev/zero | \"$0\" --csv" << 1
                                                      << "azidal-qrb: стандартный ввод:1: строка длиннее 4096 байт, а "
                                                         "пара положений занимает десятки\n" << 80000;
        QTest::newRow("a gigabyte of text in a log")
            << "head -c 1073741824 /dev/zero | \"$0\" --adif - --my KO85TS >/dev/null" << 0 << "" << 80000;
        QTest::newRow("a field of a petabyte in a gigabyte file: past the end, at once")
            << "printf '<EOH><CALL:1000000000000000>' >log.adi && truncate -s 1G log.adi && \"$0\" --adif log.adi"
            << 2 << "azidal-qrb: log.adi: байт 5, запись 1: данные поля длиннее, чем осталось до конца файла\n" << 80000;
        QTest::newRow("a field of a petabyte from a pipe")
            << "{ printf '<EOH><CALL:1000000000000000>'; head -c 100000000 /dev/zero; } | \"$0\" --adif - --my KO85TS"
            << 2 << "azidal-qrb: стандартный ввод: байт 5, запись 1: запись или поле длиннее 4 МиБ: в журналах связей "
                    "таких не бывает\n" << 80000;
        QTest::newRow("a map of 1.6 GB, and no file for it")
            << "\"$0\" --map KO85TS --size 20000 -o map.png; status=$?; [ -z \"$(ls -A)\" ] && exit $status" << 2
            << "azidal-qrb: не хватает памяти на картинку 20000 × 20000 пикселей; задайте --size меньше\n" << 400000;
    }
    void memoryStaysFlat()
    {
#ifdef AZIDAL_SANITIZE
        QSKIP("AddressSanitizer reserves terabytes of address space at start");
#endif
        QFETCH(QString, command);
        QFETCH(QString, err);
        QFETCH(int, kilobytes);
        // The program needs some 55 MiB to start at all, 120 MiB to paint.
        const QTemporaryDir dir;
        QProcess shell;
        shell.setWorkingDirectory(dir.path());
        shell.start("bash", {"-c", QString("ulimit -v %1; ").arg(kilobytes) + command, AZIDAL_QRB});
        QVERIFY(shell.waitForFinished(60000));
        QTEST(shell.exitCode(), "status");
        QCOMPARE(QString::fromUtf8(shell.readAllStandardError()), err);
    }

    // A real LoTW download carries LoTW's own DXCC for every QSO: taken out
    // and filled again from the calls, each comes back the same.
    void countriesAgreeWithLotw()
    {
        const QString log = QString::fromLatin1(fileBytes(QStringLiteral(AZIDAL_LOGS "/lotw-2e0sql-2013.adi")));
        const QRegularExpression dxcc(QStringLiteral("<DXCC:\\d+>(\\d+)\\s*"), QRegularExpression::CaseInsensitiveOption);
        QString stripped = log;
        stripped.remove(dxcc);
        const Run run = qrb({"--adif", "-", "--country", "--no-distance"}, stripped);
        QCOMPARE(run.status, 0);
        const auto numbers = [&dxcc](const QString& text) {
            QStringList found;
            for (const QString& record : text.split(QStringLiteral("<eor>"), Qt::SkipEmptyParts, Qt::CaseInsensitive))
                found << dxcc.match(record).captured(1);
            return found;
        };
        QCOMPARE(numbers(run.out), numbers(log));
        QCOMPARE(numbers(log).size(), 67);  // 66 QSOs, and what follows the last
    }

    // A log filled in the folder that holds it, into another file or in
    // place, keeping the original as .bak; a log that cannot be read is left
    // whole, with nothing beside it. Where the file system has no hard links
    // (FAT, some network shares), the .bak is a copy: a library put before
    // the C library's own refuses link() here as such a file system does.
    void fillsALog()
    {
        const QTemporaryDir dir;
        writeFile(dir.filePath("log.adi"), kLog + "<CALL:4>ECHO");
        const QStringList inPlace{"--adif", "log.adi", "--my", "KO85TS", "--in-place"};
        const QString latLon = "azidal-qrb: log.adi: LAT/LON: ожидаются координаты ADIF вида N055 46.250 и E037 37.500 "
                               "— 1 запись: 5\n";
        Run run = qrb(inPlace, "", dir.path());
        QCOMPARE(run.status, 2);
        QCOMPARE(run.err, latLon + QString("azidal-qrb: log.adi: байт %1, запись 6: последняя запись не закончена "
                                           "меткой <EOR>\n").arg(kLog.size()));
        QCOMPARE(folder(dir.path()), (QByteArrayList{"log.adi", kLog + "<CALL:4>ECHO"}));
        writeFile(dir.filePath("log.adi"), kLog);
        QCOMPARE(qrb({"--adif", "log.adi", "--my", "KO85TS", "-o", "filled.adi"}, "", dir.path()).status, 1);
        QCOMPARE(modeOf(dir.filePath("filled.adi")), "644");  // as the umask gives a new file
        QVERIFY(chmod(QFile::encodeName(dir.filePath("log.adi")).constData(), 0664) == 0);
        QProcessEnvironment noHardLinks = QProcessEnvironment::systemEnvironment();
        noHardLinks.insert("LD_PRELOAD", AZIDAL_NO_HARD_LINKS);
        noHardLinks.insert("ASAN_OPTIONS", "verify_asan_link_order=0");
        run = qrb(inPlace, "", dir.path(), noHardLinks);
        QCOMPARE(run.status, 1);
        QCOMPARE(run.err, latLon);
        QCOMPARE(folder(dir.path()), (QByteArrayList{"filled.adi", kFilled, "log.adi", kFilled, "log.adi.bak", kLog}));
        QCOMPARE(modeOf(dir.filePath("log.adi")) + ' ' + modeOf(dir.filePath("log.adi.bak")), "664 664");  // as it was
    }
};

QTEST_GUILESS_MAIN(TestQrb)
#include "test_qrb.moc"
