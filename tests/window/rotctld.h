#pragma once

// A real rotctld with the dummy rotator (model 1) for one test, on 127.0.0.1
// and a port the system gave as free, so that tests run side by side. The
// dummy starts at azimuth 0 and turns about 6 degrees a second. The daemon is
// killed with this object, and by the kernel should the test die first.

#include <QProcess>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>

#include <csignal>
#include <sys/prctl.h>

class Rotctld {
public:
    explicit Rotctld(const QStringList& options = {})
    {
        process.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGKILL); });
        // Should another program take the port first, rotctld exits and the
        // next free one is tried.
        for (int attempt = 0; attempt < 5 && !listening(); ++attempt) {
            QTcpServer probe;
            probe.listen(QHostAddress::LocalHost);
            port = probe.serverPort();
            probe.close();
            process.start(QStringLiteral("rotctld"),
                          QStringList{"-m", "1", "-T", "127.0.0.1", "-t", QString::number(port)} + options);
            QTRY_VERIFY_WITH_TIMEOUT(listening() || process.state() == QProcess::NotRunning, 2000);
        }
        QVERIFY2(listening(), "rotctld (package libhamlib-utils) does not listen");
    }
    ~Rotctld() { kill(); }

    void kill()
    {
        process.kill();
        process.waitForFinished();
    }

    quint16 port = 0;

private:
    bool listening()
    {
        QTcpSocket socket;
        socket.connectToHost(QHostAddress::LocalHost, port);
        return process.state() == QProcess::Running && socket.waitForConnected(200);
    }

    QProcess process;
};
