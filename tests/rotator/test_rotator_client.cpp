// The rotctld client given replies no daemon gives, by a small server that
// answers nonsense. The window's tests drive it against the real daemon.

#include "rotator/rotator_client.h"

#include <QSignalSpy>
#include <QTcpServer>
#include <QTest>

using rotator::FailureKind;
using rotator::RotatorClient;

class TestRotatorClient : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // Each asks for the position and gets the reply.
    void nonsense_data()
    {
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<FailureKind>("kind");
        QTest::newRow("endless line") << QByteArray(1 << 20, '7') << FailureKind::BadReply;
        QTest::newRow("long line") << QByteArray(65, '1') + '\n' << FailureKind::BadReply;
        QTest::newRow("not a number") << QByteArray("north\n0\n") << FailureKind::BadReply;
        QTest::newRow("azimuth out of range") << QByteArray("1e9\n0\n") << FailureKind::BadReply;
        QTest::newRow("elevation not a number") << QByteArray("10\nnan\n") << FailureKind::BadReply;
        QTest::newRow("report instead") << QByteArray("RPRT 0\n") << FailureKind::BadReply;
        QTest::newRow("report not a number") << QByteArray("RPRT ok\n") << FailureKind::BadReply;
        QTest::newRow("error report") << QByteArray("RPRT -6\n") << FailureKind::ErrorReport;
        QTest::newRow("silence") << QByteArray() << FailureKind::NoAnswer;
    }
    void nonsense()
    {
        QFETCH(QByteArray, reply);
        QFETCH(FailureKind, kind);
        // Answers whatever it is sent with the reply.
        QTcpServer server;
        server.listen(QHostAddress::LocalHost);
        connect(&server, &QTcpServer::newConnection, &server, [&server, reply] {
            QTcpSocket* socket = server.nextPendingConnection();
            connect(socket, &QTcpSocket::readyRead, socket, [socket, reply] {
                socket->readAll();
                socket->write(reply);
            });
        });
        RotatorClient client;
        client.setServer(QStringLiteral("127.0.0.1"), server.serverPort());
        QSignalSpy failed(&client, &RotatorClient::failed);
        client.requestPosition();
        QTRY_COMPARE_WITH_TIMEOUT(failed.size(), 1, RotatorClient::TimeoutMs + 1000);
        QCOMPARE(failed.at(0).at(0).value<rotator::Failure>().kind, kind);
        QVERIFY(!client.isConnected());
    }
};

QTEST_MAIN(TestRotatorClient)
#include "test_rotator_client.moc"
