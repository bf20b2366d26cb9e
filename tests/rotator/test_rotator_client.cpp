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
        // Answers whatever it is sent with the reply, and keeps what it was sent.
        QTcpServer server;
        QByteArray sent;
        server.listen(QHostAddress::LocalHost);
        connect(&server, &QTcpServer::newConnection, &server, [&] {
            QTcpSocket* socket = server.nextPendingConnection();
            connect(socket, &QTcpSocket::readyRead, socket, [&sent, socket, reply] {
                sent += socket->readAll();
                socket->write(reply);
            });
        });
        RotatorClient client;
        client.setServer(QStringLiteral("127.0.0.1"), server.serverPort());
        QSignalSpy failed(&client, &RotatorClient::failed);
        asked == "S\n" ? client.stop() : asked == "p\n" ? client.requestPosition() : client.turnTo(360);
        QTRY_COMPARE_WITH_TIMEOUT(failed.size(), 1, RotatorClient::TimeoutMs + 1000);
        QCOMPARE(rotator::failureMessage(failed.at(0).at(0).value<rotator::Failure>()), message.arg(server.serverPort()));
        QCOMPARE(sent, asked);
        QVERIFY(!client.isConnected());
    }
};

QTEST_MAIN(TestRotatorClient)
#include "test_rotator_client.moc"
