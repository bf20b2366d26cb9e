#pragma once

#include "rotator/tcp_connection.h"

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QTimer>

#include <optional>

namespace rotator {

// What was asked of the rotator.
enum class Request { Turn, Stop, Position };

enum class FailureKind {
    NotConnected,    // refused, unknown host, unreachable network
    NoAnswer,        // no complete answer within the timeout
    ConnectionLost,  // closed by the other end while an answer was awaited
    ErrorReport,     // "RPRT n" with n other than 0
    BadReply,        // too long, not a number, out of range, or not asked for
};

struct Failure {
    FailureKind kind = FailureKind::NotConnected;
    Request request = Request::Position;
    int code = 0;  // n of an ErrorReport
    QString host;
    quint16 port = 0;
};

// The Russian text of a failure's message box: what failed, where, and what
// to check (failure_message.cpp).
QString failureMessage(const Failure& failure);

// A client of Hamlib's rotator daemon rotctld over TCP, in its default
// protocol: "P az el" and "S" are answered by "RPRT n", "p" by the azimuth
// and the elevation on a line each (or "RPRT n" on failure).
//
// Never waits: requests are queued and answered by the signals. One request
// is on the wire at a time, each with its own timeout from the moment it
// starts (connecting included). At most one command (turn or stop, the later
// replacing the earlier) and one position request wait, commands first.
// The connection is opened on demand and kept.
//
// The daemon may be a small computer on the network, not a trusted process:
// lines are limited in length, numbers are checked, and anything unexpected
// fails the request and drops the connection.
class RotatorClient : public QObject
{
    Q_OBJECT

public:
    static constexpr int TimeoutMs = 2000;
    static constexpr int MaxLineLength = 64;  // "RPRT -11", "359.990000" are far shorter

    explicit RotatorClient(QObject* parent = nullptr);

    // Takes effect with the next request; an open connection elsewhere is
    // dropped, and what waits is forgotten.
    void setServer(const QString& host, quint16 port);
    bool isConnected() const;

    // Azimuth in whole degrees, 0 to 360, at elevation 0; 360 goes out as 0,
    // the same direction without a full turn round.
    void turnTo(int azimuth);
    void stop();
    void requestPosition();

Q_SIGNALS:
    // Degrees as the rotator reports them (an overlap rotator may say 400).
    void position(double azimuth, double elevation);
    // A turn or stop accepted with "RPRT 0".
    void done(rotator::Request request);
    // The request that failed; the queue is emptied and the connection closed.
    void failed(const rotator::Failure& failure);

private:
    struct Command {
        Request request;
        QByteArray line;
    };

    void sendNext();
    void readReplies();
    void takeLine(const QByteArray& line);
    void finish();
    void fail(FailureKind kind, int code = 0);
    void dropEverything();  // the connection, what is asked and what waits
    void connectionEnded(FailureKind kind);

    QString host_;
    quint16 port_ = 0;
    TcpConnection socket_;
    QTimer timeout_;
    std::optional<Command> current_;  // sent, or waiting for the connection
    std::optional<Command> nextCommand_;
    bool positionWanted_ = false;
    std::optional<double> azimuthRead_;  // first line of a position answer
};

} // namespace rotator
