// The rotator session against a small rotator of the test's own, which turns
// a few degrees at every poll: a turn followed until it is reached, stopped,
// lost or left for another daemon; the heading, in whole degrees, and when
// it is asked for; the settings kept for the next session, or refused.

#include "settings/settings_file.h"
#include "tests/file_bytes.h"
#include "rotator/rotator_session.h"
#include "rotator/rotator_settings.h"

#include <QSettings>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>

using rotator::RotatorSession;

namespace {

// Answers rotctld's protocol: "P az el" and "S" with RPRT 0, "p" with the
// heading, which moves 7 degrees towards the target at each poll. At the
// poll `dropAt`, when that is given, it drops the connection and stops
// listening.
struct SmallRotator : QObject {
    SmallRotator()
    {
        server.listen(QHostAddress::LocalHost);
        connect(&server, &QTcpServer::newConnection, this, [this] {
            QTcpSocket* socket = server.nextPendingConnection();
            connect(socket, &QTcpSocket::readyRead, this, [this, socket] {
                while (socket->canReadLine()) {
                    const QByteArray line = socket->readLine().trimmed();
                    if (line == "p" && ++polls == dropAt) {
                        server.close();
                        return socket->abort();
                    }
                    if (line == "p")
                        heading += qBound(-7.0, target - heading, 7.0);
                    if (line.startsWith("P "))
                        target = line.split(' ').at(1).toDouble();
                    if (line == "S")
                        target = heading;
                    socket->write(line == "p" ? QByteArray::number(heading) + "\n0\n" : "RPRT 0\n");
                }
            });
        });
    }
    QTcpServer server;
    double heading = 0;
    double target = 0;
    int polls = 0;
    int dropAt = -1;
};

QTemporaryDir configuration;

void configure(RotatorSession& session, const SmallRotator& rotator, bool showHeading)
{
    session.setPollInterval(5);
    session.apply({QStringLiteral("127.0.0.1"), rotator.server.serverPort(), showHeading});
}

} // namespace

class TestRotatorSession : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { qputenv("XDG_CONFIG_HOME", QFile::encodeName(configuration.path())); }

    // Followed until the antenna is within the tolerance of the target, and
    // nothing is asked afterwards while the heading is not shown.
    void followsATurnToItsEnd()
    {
        SmallRotator rotator;
        RotatorSession session;
        configure(session, rotator, false);
        session.setReachedWithin(5);
        QSignalSpy ended(&session, &RotatorSession::turnEnded);
        session.turnTo(40);
        QVERIFY(session.isTurning());
        QTRY_COMPARE(ended.size(), 1);
        QTest::qWait(50);
        QCOMPARE(rotator.polls, 5);  // 7, 14, 21, 28, 35: within 5 of 40
        QCOMPARE(session.heading(), std::nullopt);
        // A second turn is followed again; 360 goes out as north and ends there.
        session.turnTo(360);
        QTRY_COMPARE(ended.size(), 2);
        QCOMPARE(rotator.polls, 10);  // 28, 21, 14, 7, 0
        QCOMPARE(rotator.heading, 0.0);
    }

    // Mid-turn: a stop ends the turn, and the heading shown goes on being
    // read. Another daemon, by its host or its port, ends the turn and
    // forgets the heading; the same one lets the turn go on. Unticking
    // «show heading» clears it while the turn goes on.
    void midTurn_data()
    {
        QTest::addColumn<QString>("host");  // none: a stop
        QTest::addColumn<int>("portAfter");
        QTest::addColumn<bool>("showHeading");
        QTest::addColumn<bool>("goesOn");
        QTest::addColumn<bool>("headingShown");
        QTest::newRow("a stop") << "" << 0 << true << false << true;
        QTest::newRow("the same daemon") << "127.0.0.1" << 0 << true << true << true;
        QTest::newRow("another host") << "127.0.0.2" << 0 << true << false << false;
        QTest::newRow("another port") << "127.0.0.1" << 1 << true << false << false;
        QTest::newRow("heading unticked") << "127.0.0.1" << 0 << false << true << false;
    }
    void midTurn()
    {
        QFETCH(QString, host);
        QFETCH(int, portAfter);
        QFETCH(bool, showHeading);
        QFETCH(bool, goesOn);
        SmallRotator rotator;
        RotatorSession session;
        configure(session, rotator, true);
        QSignalSpy ended(&session, &RotatorSession::turnEnded);
        session.turnTo(180);
        QTRY_VERIFY(session.heading() > 20);
        host.isEmpty() ? session.stop()
                       : session.apply({host, quint16(rotator.server.serverPort() + portAfter), showHeading});
        QCOMPARE(session.isTurning(), goesOn || host.isEmpty());  // a stop ends on the rotator's word
        QTRY_COMPARE(ended.size(), int(!goesOn));
        const int polls = rotator.polls;
        QTRY_VERIFY(rotator.polls > polls + 1 || (!goesOn && !host.isEmpty()));  // still asked, or not at all
        QTEST(session.heading().has_value(), "headingShown");
    }

    // The settings are kept: a second session, as at the next start, reads
    // the heading at once, in whole degrees from 0 to 359 whatever an
    // overlap rotator reports; but not while the windows are minimised.
    void nextSessionPollsAgain()
    {
        SmallRotator rotator;
        rotator.heading = rotator.target = -10;
        RotatorSession().apply({QStringLiteral("127.0.0.1"), rotator.server.serverPort(), true});
        RotatorSession session;
        session.setPollInterval(5);
        session.start();
        QTRY_COMPARE(session.heading(), std::optional<int>(350));
        session.setPaused(true);
        const int polls = rotator.polls;
        QTest::qWait(50);
        QCOMPARE(rotator.polls, polls);
        session.setPaused(false);
        QTRY_VERIFY(rotator.polls > polls);
    }

    // Lost while a turn is followed: the user hears of the turn, once, and
    // the heading is gone. Lost while only the heading is read: silence.
    void lostConnection_data()
    {
        QTest::addColumn<bool>("turning");
        QTest::newRow("following a turn") << true;
        QTest::newRow("reading the heading") << false;
    }
    void lostConnection()
    {
        QFETCH(bool, turning);
        SmallRotator rotator;
        rotator.dropAt = 3;
        const quint16 port = rotator.server.serverPort();  // none once it stops listening
        RotatorSession session;
        configure(session, rotator, true);
        QSignalSpy failed(&session, &RotatorSession::failed);
        QSignalSpy ended(&session, &RotatorSession::turnEnded);
        if (turning)
            session.turnTo(90);
        QTRY_COMPARE(rotator.polls, 3);
        QTRY_COMPARE(session.heading(), std::nullopt);
        QTest::qWait(50);
        QCOMPARE(failed.size(), int(turning));
        QCOMPARE(ended.size(), int(turning));
        if (turning)
            QCOMPARE(failed.at(0).at(0).toString(),
                     QString("Антенна не повернута.\n\nrotctld на 127.0.0.1:%1 закрыл соединение, не ответив.\n"
                             "Проверьте, что rotctld не остановлен и не перезапущен.").arg(port));
    }

    // The settings file as the program writes it, and as it reads it at
    // the next start: an upgrade that renamed a key would lose the user's
    // rotator.
    void settingsFileAsWritten()
    {
        const QString path = settingsFile().fileName();
        QFile::remove(path);
        const rotator::RotatorSettings kept{QStringLiteral("rotator.local"), 4600, true};
        QCOMPARE(kept.save(), QString());
        QCOMPARE(fileBytes(path), "[rotator]\nhost=rotator.local\nport=4600\nshowHeading=true\n");

        writeFile(path, "[rotator]\nhost=192.168.1.20\nport=4535\nshowHeading=true\n");
        QString failure;
        const auto read = rotator::RotatorSettings::load(failure);
        QCOMPARE(failure, QString());
        QCOMPARE(read.host, QStringLiteral("192.168.1.20"));
        QCOMPARE(read.port, quint16(4535));
        QVERIFY(read.showHeading);
        QVERIFY(read.chosen);
    }

    // A settings file that cannot be written or read: said in Russian, and
    // the defaults are used.
    void settingsFileRefused()
    {
        const QString path = settingsFile().fileName();
        QFile::remove(path);
        QVERIFY(QDir().mkpath(path));  // a folder where the file should be
        RotatorSession session;
        QSignalSpy failed(&session, &RotatorSession::failed);
        session.start();
        session.apply({QStringLiteral("rotator.local"), 4600, true});
        QVERIFY(QDir(path).removeRecursively());
        QCOMPARE(failed.size(), 2);
        QCOMPARE(failed.at(0).at(0).toString(), "Файл настроек " + path + " не прочитан: он испорчен или недоступен.\n"
                                                "Поворотное устройство настроено по умолчанию.");
        QCOMPARE(failed.at(1).at(0).toString(), "Настройка поворотного устройства не сохранена в файл " + path
                                                    + ": нет прав на запись в него или в его папку, или на диске нет "
                                                      "места.\nДо выхода из программы она действует.");
        QCOMPARE(session.settings().host, QStringLiteral("rotator.local"));
    }
};

QTEST_GUILESS_MAIN(TestRotatorSession)
#include "test_rotator_session.moc"
