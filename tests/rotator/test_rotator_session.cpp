// The rotator session against a small rotator of the test's own, which turns
// a few degrees at every poll: a turn followed until it is reached, stopped
// or lost, the heading and when it is asked for, and a settings file refused.

#include "rotator/rotator_session.h"

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
    }

    // A stop ends the turn; the heading shown goes on being read, but not
    // while the windows are minimised.
    void stopEndsATurn()
    {
        SmallRotator rotator;
        RotatorSession session;
        configure(session, rotator, true);
        QSignalSpy ended(&session, &RotatorSession::turnEnded);
        session.turnTo(180);
        QTRY_VERIFY(session.heading() > 20);
        session.apply(session.settings());  // the same daemon: the turn goes on
        QVERIFY(session.isTurning());
        session.stop();
        QTRY_COMPARE(ended.size(), 1);
        QTRY_COMPARE(session.heading(), int(rotator.heading));
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
            QVERIFY(failed.at(0).at(0).toString().startsWith("Антенна не повернута.\n\nrotctld на 127.0.0.1:"));
    }

    // A settings file that cannot be written or read: said in Russian, and
    // the defaults are used.
    void settingsFileRefused()
    {
        const QString path = QSettings(QCoreApplication::applicationName(), QCoreApplication::applicationName()).fileName();
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
        QVERIFY(failed.at(1).at(0).toString().startsWith("Настройка поворотного устройства не сохранена в файл " + path));
        QCOMPARE(session.settings().host, QStringLiteral("rotator.local"));
    }
};

QTEST_GUILESS_MAIN(TestRotatorSession)
#include "test_rotator_session.moc"
