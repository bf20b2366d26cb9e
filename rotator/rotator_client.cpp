#include "rotator/rotator_client.h"

namespace rotator {
namespace {

// Wider than any rotator's range, overlap included; beyond it a number is
// nonsense, not a direction.
constexpr double MinAzimuth = -360, MaxAzimuth = 720;
constexpr double MinElevation = -90, MaxElevation = 180;

std::optional<double> number(const QByteArray& text, double min, double max)
{
    bool ok = false;
    const double value = text.toDouble(&ok);
    if (!ok || !(value >= min && value <= max))  // NaN fails too
        return std::nullopt;
    return value;
}

} // namespace

RotatorClient::RotatorClient(QObject* parent)
    : QObject(parent)
{
    // Qt reads no more than this ahead of the lines taken, whatever is sent.
    socket.setReadBufferSize(4 * MaxLineLength);
    timeout.setSingleShot(true);
    timeout.setInterval(TimeoutMs);
    connect(&timeout, &QTimer::timeout, this, [this] { fail(FailureKind::NoAnswer); });
    connect(&socket, &QTcpSocket::connected, this, [this] {
        if (current)
            socket.write(current->line);
    });
    connect(&socket, &QTcpSocket::readyRead, this, &RotatorClient::readReplies);
    connect(&socket, &QTcpSocket::errorOccurred, this, &RotatorClient::socketFailed);
}

void RotatorClient::setServer(const QString& newHost, quint16 newPort)
{
    if (newHost == host && newPort == port)
        return;
    host = newHost;
    port = newPort;
    dropEverything();
}

bool RotatorClient::isConnected() const
{
    return socket.state() == QAbstractSocket::ConnectedState;
}

void RotatorClient::turnTo(int azimuth)
{
    nextCommand = Command{Request::Turn, QByteArray("P ") + QByteArray::number(azimuth % 360) + " 0\n"};
    sendNext();
}

void RotatorClient::stop()
{
    nextCommand = Command{Request::Stop, "S\n"};
    sendNext();
}

void RotatorClient::requestPosition()
{
    positionWanted = true;
    sendNext();
}

void RotatorClient::sendNext()
{
    if (current)
        return;
    if (nextCommand) {
        current = std::move(nextCommand);
        nextCommand.reset();
    } else if (positionWanted) {
        current = Command{Request::Position, "p\n"};
        positionWanted = false;
    } else {
        return;
    }
    azimuthRead.reset();
    timeout.start();
    if (isConnected())
        socket.write(current->line);
    else if (socket.state() == QAbstractSocket::UnconnectedState)
        socket.connectToHost(host, port);
}

void RotatorClient::readReplies()
{
    // Whole lines only; a line that has not ended within the limit is
    // nonsense however it would go on.
    while (socket.state() == QAbstractSocket::ConnectedState) {
        const QByteArray ahead = socket.peek(MaxLineLength + 1);
        const qsizetype end = ahead.indexOf('\n');
        if (end < 0) {
            if (ahead.size() > MaxLineLength)
                fail(FailureKind::BadReply);
            return;
        }
        takeLine(socket.read(end + 1).trimmed());
    }
}

void RotatorClient::takeLine(const QByteArray& line)
{
    if (!current)
        return fail(FailureKind::BadReply);
    if (line.startsWith("RPRT ")) {
        bool ok = false;
        const int code = line.mid(5).toInt(&ok);
        if (!ok)
            return fail(FailureKind::BadReply);
        if (code != 0)
            return fail(FailureKind::ErrorReport, code);
        if (current->request == Request::Position)  // a position, not a report, was asked for
            return fail(FailureKind::BadReply);
        const Request request = current->request;
        finish();
        Q_EMIT done(request);
        return;
    }
    if (current->request != Request::Position)
        return fail(FailureKind::BadReply);
    if (!azimuthRead) {
        azimuthRead = number(line, MinAzimuth, MaxAzimuth);
        if (!azimuthRead)
            fail(FailureKind::BadReply);
        return;
    }
    const std::optional<double> elevation = number(line, MinElevation, MaxElevation);
    if (!elevation)
        return fail(FailureKind::BadReply);
    const double azimuth = *azimuthRead;
    finish();
    Q_EMIT position(azimuth, *elevation);
}

// The answer is complete: the next request may go.
void RotatorClient::finish()
{
    timeout.stop();
    current.reset();
    sendNext();
}

void RotatorClient::fail(FailureKind kind, int code)
{
    // A command that waits behind the failed request is what the user asked
    // for, so it is the one reported.
    const Request request = nextCommand ? nextCommand->request : current ? current->request : Request::Position;
    dropEverything();
    Q_EMIT failed(Failure{kind, request, code, host, port});
}

void RotatorClient::dropEverything()
{
    socket.abort();
    timeout.stop();
    current.reset();
    nextCommand.reset();
    positionWanted = false;
}

void RotatorClient::socketFailed()
{
    // A connection that closes while nothing is asked is simply reopened by
    // the next request.
    if (!current) {
        socket.abort();
        return;
    }
    const bool wasConnected = socket.state() == QAbstractSocket::ConnectedState
        || socket.error() == QAbstractSocket::RemoteHostClosedError;
    fail(wasConnected ? FailureKind::ConnectionLost : FailureKind::NotConnected);
}

} // namespace rotator
