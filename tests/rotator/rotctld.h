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
        // Another program may take the port between asking and binding;
        // rotctld then exits at once, and another port is tried.
        for (int attempt = 0; attempt < 5 && !listening(); ++attempt) {
            port = freePort();
            process.start(QStringLiteral("rotctld"), QStringList{"-m", "1", "-T", "127.0.0.1", "-t",
                                                                 QString::number(port)} + options);
            QVERIFY2(process.waitForStarted(), "rotctld (package libhamlib-utils) did not start");
            QTRY_VERIFY_WITH_TIMEOUT(listening() || process.state() == QProcess::NotRunning, 2000);
        }
        QVERIFY2(listening(), "rotctld does not listen");
    }
    ~Rotctld() { kill(); }

    void kill()
    {
        process.kill();
        process.waitForFinished();
    }

    quint16 port = 0;

private:
    static quint16 freePort()
    {
        QTcpServer probe;
        probe.listen(QHostAddress::LocalHost);
        return probe.serverPort();
    }

    bool listening()
    {
        if (process.state() != QProcess::Running)
            return false;
        QTcpSocket socket;
        socket.connectToHost(QHostAddress::LocalHost, port);
        return socket.waitForConnected(200);
    }

    QProcess process;
};
