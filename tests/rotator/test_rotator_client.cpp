// The rotctld client given replies no daemon gives, by a small server that
// answers nonsense. The window's tests drive it against the real daemon.

#include "rotator/rotator_client.h"

#include <QDir>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <QThread>

#include <memory>

using rotator::RotatorClient;

namespace {

// Listens on 127.0.0.1 and answers whatever it is sent with the next reply,
// on whichever connection, the last one again and again; keeps what it was
// sent.
struct Daemon {
    explicit Daemon(const QByteArrayList& replies)
    {
        QVERIFY(server.listen(QHostAddress::LocalHost));
        const auto next = std::make_shared<QByteArrayList>(replies);
        QObject::connect(&server, &QTcpServer::newConnection, &server, [this, next] {
            QTcpSocket* socket = server.nextPendingConnection();
            QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, socket, next] {
                sent += socket->readAll();
                socket->write(next->size() > 1 ? next->takeFirst() : next->first());
            });
        });
    }
    QByteArray sent;
    QTcpServer server;  // gone first, with its connections
};

} // namespace

class TestRotatorClient : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // Refused, and connected then left for another daemon, again and again:
    // every socket is closed, and none closed that was not its own. Run
    // first, while no name looked up by another test holds a socket.
    void leavesNoSocketOpen()
    {
        const auto openFiles = [] { return QDir(QStringLiteral("/proc/self/fd")).count(); };
        QTcpServer closed;
        QVERIFY(closed.listen(QHostAddress::LocalHost));
        const quint16 refusing = closed.serverPort();
        closed.close();
        const auto before = openFiles();
        {
            Daemon daemon({"RPRT 0\n"});
            RotatorClient client;
            QSignalSpy failed(&client, &RotatorClient::failed);
            QSignalSpy done(&client, &RotatorClient::done);
            for (int round = 1; round <= 10; ++round) {
                client.setServer(QStringLiteral("127.0.0.1"), refusing);
                client.stop();
                QTRY_COMPARE(failed.size(), round);
                client.setServer(QStringLiteral("127.0.0.1"), daemon.server.serverPort());
                client.stop();
                QTRY_COMPARE(done.size(), round);
            }
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(openFiles(), before);
    }

    // Each asks for the position, turns to north given as 360, or stops,
    // and gets the reply: the message names what failed and what to check.
    void nonsense_data()
    {
        QTest::addColumn<QByteArray>("asked");
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<QString>("message");
        const QString unread = "Направление антенны не прочитано.\n\n";
        const QString bad = unread + "На 127.0.0.1:%1 ответ не похож на ответ rotctld.\nПроверьте адрес и порт в "
                                     "настройке поворотного устройства.";
        const QString range = " ответил ошибкой RPRT -1.\nПроверьте, что азимут в пределах поворота устройства "
                              "(min_az и max_az у rotctld).";
        QTest::newRow("line too long") << QByteArray("p\n") << QByteArray(65, '1') + '\n' << bad;
        QTest::newRow("not a number") << QByteArray("p\n") << QByteArray("north\n0\n") << bad;
        QTest::newRow("azimuth out of range") << QByteArray("p\n") << QByteArray("1e9\n0\n") << bad;
        QTest::newRow("report instead") << QByteArray("p\n") << QByteArray("RPRT 0\n") << bad;
        QTest::newRow("error report") << QByteArray("p\n") << QByteArray("RPRT -6\n")
                                      << unread + "rotctld на 127.0.0.1:%1 ответил ошибкой RPRT -6.\nПроверьте, что "
                                                  "rotctld видит само устройство: кабель, питание, порт и номер модели.";
        QTest::newRow("turn refused") << QByteArray("P 0 0\n") << QByteArray("RPRT -1\n")
                                      << "Антенна не повернута.\n\nrotctld на 127.0.0.1:%1" + range;
        QTest::newRow("stop refused") << QByteArray("S\n") << QByteArray("RPRT -1\n")
                                      << "Антенна не остановлена.\n\nrotctld на 127.0.0.1:%1" + range;
        QTest::newRow("silence") << QByteArray("p\n") << QByteArray()
                                 << unread + "rotctld на 127.0.0.1:%1 не ответил за 2 секунды.\nПроверьте сеть до "
                                             "этого компьютера и что rotctld на нем работает.";
    }
    void nonsense()
    {
        QFETCH(QByteArray, asked);
        QFETCH(QByteArray, reply);
        QFETCH(QString, message);
        Daemon daemon({reply});
        RotatorClient client;
        client.setServer(QStringLiteral("127.0.0.1"), daemon.server.serverPort());
        QSignalSpy failed(&client, &RotatorClient::failed);
        asked == "S\n" ? client.stop() : asked == "p\n" ? client.requestPosition() : client.turnTo(360);
        QTRY_COMPARE_WITH_TIMEOUT(failed.size(), 1, RotatorClient::TimeoutMs + 1000);
        QCOMPARE(rotator::failureMessage(failed.at(0).at(0).value<rotator::Failure>()), message.arg(daemon.server.serverPort()));
        QCOMPARE(daemon.sent, asked);
        QVERIFY(!client.isConnected());
    }

    // A reply given up for its length leaves nothing behind: the next
    // request, on a new connection, reads its own answer.
    void nothingLeftOfNonsense()
    {
        Daemon daemon({QByteArray(100, '1') + '\n', "90\n0\n"});
        RotatorClient client;
        client.setServer(QStringLiteral("127.0.0.1"), daemon.server.serverPort());
        QSignalSpy failed(&client, &RotatorClient::failed);
        QSignalSpy position(&client, &RotatorClient::position);
        client.requestPosition();
        QTRY_COMPARE_WITH_TIMEOUT(failed.size(), 1, RotatorClient::TimeoutMs + 1000);
        client.requestPosition();
        QTRY_COMPARE_WITH_TIMEOUT(position.size(), 1, RotatorClient::TimeoutMs + 1000);
        QCOMPARE(position.at(0).at(0).toDouble(), 90.0);
        QCOMPARE(failed.size(), 1);
    }

    // A name is looked up and each of its addresses tried: "localhost" may
    // name ::1 first, where a daemon on 127.0.0.1 alone does not listen.
    // (An address is what every other test here gives.)
    void reachesByName()
    {
        Daemon daemon({"359.5\n0\n"});
        RotatorClient client;
        client.setServer(QStringLiteral("localhost"), daemon.server.serverPort());
        QSignalSpy position(&client, &RotatorClient::position);
        client.requestPosition();
        QTRY_COMPARE_WITH_TIMEOUT(position.size(), 1, RotatorClient::TimeoutMs + 1000);
        QCOMPARE(position.at(0).at(0).toDouble(), 359.5);
        QCOMPARE(daemon.sent, "p\n");
        QVERIFY(client.isConnected());
    }

    // The name names nothing (a name under .invalid never does, though a
    // slow resolver may outlast the wait). A port where nothing listens is
    // the call window's test's, which tells its message.
    void unreachable()
    {
        const QString host = QStringLiteral("rotctld.invalid");
        RotatorClient client;
        client.setServer(host, 4533);
        QSignalSpy failed(&client, &RotatorClient::failed);
        client.turnTo(90);
        QTRY_COMPARE_WITH_TIMEOUT(failed.size(), 1, RotatorClient::TimeoutMs + 1000);
        const auto failure = failed.at(0).at(0).value<rotator::Failure>();
        QVERIFY(failure.kind == rotator::FailureKind::NotConnected
                || failure.kind == rotator::FailureKind::NoAnswer);
        QCOMPARE(failure.request, rotator::Request::Turn);
        QCOMPARE(failure.host, host);
    }

    // Another daemon set while the first is still being reached: only the
    // second is asked, however late the first's address comes.
    void serverChangedWhileConnecting()
    {
        QTcpServer first;
        QVERIFY(first.listen(QHostAddress::LocalHost));
        Daemon second({"RPRT 0\n"});
        RotatorClient client;
        QSignalSpy done(&client, &RotatorClient::done);
        client.setServer(QStringLiteral("127.0.0.1"), first.serverPort());
        client.stop();
        QThread::msleep(100);  // the first address found, its answer waiting in the queue
        client.setServer(QStringLiteral("127.0.0.1"), second.server.serverPort());
        client.stop();
        QTRY_COMPARE_WITH_TIMEOUT(done.size(), 1, RotatorClient::TimeoutMs + 1000);
        QTest::qWait(50);
        QVERIFY(!first.hasPendingConnections());
        QCOMPARE(second.sent, "S\n");
        QCOMPARE(done.size(), 1);
    }
};

QTEST_MAIN(TestRotatorClient)
#include "test_rotator_client.moc"
