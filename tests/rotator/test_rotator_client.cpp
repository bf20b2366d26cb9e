// The rotctld client given replies no daemon gives, by a small server that
// answers nonsense. The window's tests drive it against the real daemon.

#include "rotator/rotator_client.h"

#include <QSignalSpy>
#include <QTcpServer>
#include <QTest>

using rotator::RotatorClient;

class TestRotatorClient : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // Each asks for the position, or turns to north given as 360, and gets
    // the reply; the message names what failed and what to check.
    void nonsense_data()
    {
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<QString>("message");
        const QString bad = "Направление антенны не прочитано.\n\nНа 127.0.0.1:%1 ответ не похож на ответ rotctld.";
        QTest::newRow("line too long") << QByteArray(65, '1') + '\n' << bad;
        QTest::newRow("not a number") << QByteArray("north\n0\n") << bad;
        QTest::newRow("azimuth out of range") << QByteArray("1e9\n0\n") << bad;
        QTest::newRow("report instead") << QByteArray("RPRT 0\n") << bad;
        QTest::newRow("error report") << QByteArray("RPRT -6\n")
                                      << "127.0.0.1:%1 ответил ошибкой RPRT -6.\nПроверьте, что rotctld видит само";
        QTest::newRow("turn refused") << QByteArray("RPRT -1\n")
                                      << "Антенна не повернута.\n\nrotctld на 127.0.0.1:%1 ответил ошибкой RPRT -1.\n"
                                         "Проверьте, что азимут в пределах поворота";
        QTest::newRow("silence") << QByteArray() << "rotctld на 127.0.0.1:%1 не ответил за 2 секунды.";
    }
    void nonsense()
    {
        QFETCH(QByteArray, reply);
        QFETCH(QString, message);
        // Answers whatever it is sent with the reply, and keeps what it was sent.
        QTcpServer server;
        QByteArray asked;
        server.listen(QHostAddress::LocalHost);
        connect(&server, &QTcpServer::newConnection, &server, [&] {
            QTcpSocket* socket = server.nextPendingConnection();
            connect(socket, &QTcpSocket::readyRead, socket, [&asked, socket, reply] {
                asked += socket->readAll();
                socket->write(reply);
            });
        });
        RotatorClient client;
        client.setServer(QStringLiteral("127.0.0.1"), server.serverPort());
        QSignalSpy failed(&client, &RotatorClient::failed);
        const bool turn = message.startsWith("Антенна не повернута.");  // the turn's row
        turn ? client.turnTo(360) : client.requestPosition();
        QTRY_COMPARE_WITH_TIMEOUT(failed.size(), 1, RotatorClient::TimeoutMs + 1000);
        const QString said = rotator::failureMessage(failed.at(0).at(0).value<rotator::Failure>());
        QVERIFY2(said.contains(message.arg(server.serverPort())), qPrintable(said));
        QCOMPARE(asked, turn ? "P 0 0\n" : "p\n");
        QVERIFY(!client.isConnected());
    }
};

QTEST_MAIN(TestRotatorClient)
#include "test_rotator_client.moc"
