// The rotctld client on its own: what it sends, checked on the real daemon,
// and replies no daemon gives, from a small server that answers nonsense.

#include "rotctld.h"

#include "rotator/rotator_client.h"

#include <QSignalSpy>

using rotator::FailureKind;
using rotator::Request;
using rotator::RotatorClient;

namespace {

// Answers every line it is sent with the same reply.
class NonsenseServer : public QTcpServer {
public:
    explicit NonsenseServer(QByteArray reply)
    {
        listen(QHostAddress::LocalHost);
        connect(this, &QTcpServer::newConnection, this, [this, reply] {
            QTcpSocket* socket = nextPendingConnection();
            connect(socket, &QTcpSocket::readyRead, socket, [socket, reply] {
                socket->readAll();
                socket->write(reply);
            });
        });
    }
};

} // namespace

class TestRotatorClient : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // 360 is north as well as 0: the dummy, which could turn on to 450,
    // must not move from 0.
    void turnTo360IsNorth()
    {
        Rotctld daemon;
        RotatorClient client;
        client.setServer(QStringLiteral("127.0.0.1"), daemon.port);
        QSignalSpy done(&client, &RotatorClient::done), position(&client, &RotatorClient::position);
        client.turnTo(360);
        QTRY_COMPARE(done.size(), 1);
        QCOMPARE(done.at(0).at(0).value<Request>(), Request::Turn);
        QTest::qWait(700);
        client.requestPosition();
        QTRY_COMPARE(position.size(), 1);
        QCOMPARE(position.at(0).at(0).toDouble(), 0.0);
    }

    void nonsense_data()
    {
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<bool>("turn");  // or ask for the position
        QTest::addColumn<FailureKind>("kind");
        QTest::newRow("endless line") << QByteArray(1 << 20, '7') << false << FailureKind::BadReply;
        QTest::newRow("long line") << QByteArray(65, '1') + '\n' << false << FailureKind::BadReply;
        QTest::newRow("not a number") << QByteArray("north\n0\n") << false << FailureKind::BadReply;
        QTest::newRow("azimuth out of range") << QByteArray("1e9\n0\n") << false << FailureKind::BadReply;
        QTest::newRow("elevation not a number") << QByteArray("10\nnan\n") << false << FailureKind::BadReply;
        QTest::newRow("position for a turn") << QByteArray("10\n0\n") << true << FailureKind::BadReply;
        QTest::newRow("report for a position") << QByteArray("RPRT 0\n") << false << FailureKind::BadReply;
        QTest::newRow("report not a number") << QByteArray("RPRT ok\n") << true << FailureKind::BadReply;
        QTest::newRow("error report") << QByteArray("RPRT -6\n") << true << FailureKind::ErrorReport;
        QTest::newRow("silence") << QByteArray() << true << FailureKind::NoAnswer;
    }
    void nonsense()
    {
        QFETCH(QByteArray, reply);
        QFETCH(bool, turn);
        QFETCH(FailureKind, kind);
        NonsenseServer server(reply);
        RotatorClient client;
        client.setServer(QStringLiteral("127.0.0.1"), server.serverPort());
        QSignalSpy failed(&client, &RotatorClient::failed), done(&client, &RotatorClient::done),
            position(&client, &RotatorClient::position);
        if (turn)
            client.turnTo(90);
        else
            client.requestPosition();
        QTRY_COMPARE_WITH_TIMEOUT(failed.size(), 1, RotatorClient::TimeoutMs + 1000);
        const auto failure = failed.at(0).at(0).value<rotator::Failure>();
        QCOMPARE(failure.kind, kind);
        QCOMPARE(failure.request, turn ? Request::Turn : Request::Position);
        QCOMPARE(done.size() + position.size(), 0);
        QVERIFY(!client.isConnected());
    }
};

QTEST_MAIN(TestRotatorClient)
#include "test_rotator_client.moc"
