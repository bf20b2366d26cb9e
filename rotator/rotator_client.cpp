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
    , socket_(4 * MaxLineLength)  // read ahead of the lines taken, whatever is sent
{
    timeout_.setSingleShot(true);
    timeout_.setInterval(TimeoutMs);
    connect(&timeout_, &QTimer::timeout, this, [this] { fail(FailureKind::NoAnswer); });
    connect(&socket_, &TcpConnection::connected, this, [this] {
        if (current_)
            socket_.write(current_->line);
    });
    connect(&socket_, &TcpConnection::readyRead, this, &RotatorClient::readReplies);
    connect(&socket_, &TcpConnection::failedToConnect, this, [this] { connectionEnded(FailureKind::NotConnected); });
    connect(&socket_, &TcpConnection::lost, this, [this] { connectionEnded(FailureKind::ConnectionLost); });
}

void RotatorClient::setServer(const QString& newHost, quint16 newPort)
{
    if (newHost == host_ && newPort == port_)
        return;
    host_ = newHost;
    port_ = newPort;
    dropEverything();
}

bool RotatorClient::isConnected() const
{
    return socket_.state() == TcpConnection::State::Connected;
}

void RotatorClient::turnTo(int azimuth)
{
    nextCommand_ = Command{Request::Turn, QByteArray("P ") + QByteArray::number(azimuth % 360) + " 0\n"};
    sendNext();
}

void RotatorClient::stop()
{
    nextCommand_ = Command{Request::Stop, "S\n"};
    sendNext();
}

void RotatorClient::requestPosition()
{
    positionWanted_ = true;
    sendNext();
}

void RotatorClient::sendNext()
{
    if (current_)
        return;
    if (nextCommand_) {
        current_ = std::move(nextCommand_);
        nextCommand_.reset();
    } else if (positionWanted_) {
        current_ = Command{Request::Position, "p\n"};
        positionWanted_ = false;
    } else {
        return;
    }
    azimuthRead_.reset();
    timeout_.start();
    if (isConnected())
        socket_.write(current_->line);
    else if (socket_.state() == TcpConnection::State::Unconnected)
        socket_.connectToHost(host_, port_);
}

void RotatorClient::readReplies()
{
    // Whole lines only; a line that has not ended within the limit is
    // nonsense however it would go on.
    while (socket_.state() == TcpConnection::State::Connected) {
        const QByteArray ahead = socket_.peek(MaxLineLength + 1);
        const qsizetype end = ahead.indexOf('\n');
        if (end < 0) {
            if (ahead.size() > MaxLineLength)
                fail(FailureKind::BadReply);
            return;
        }
        takeLine(socket_.read(end + 1).trimmed());
    }
}

void RotatorClient::takeLine(const QByteArray& line)
{
    if (!current_)
        return fail(FailureKind::BadReply);
    if (line.startsWith("RPRT ")) {
        bool ok = false;
        const int code = line.mid(5).toInt(&ok);
        if (!ok)
            return fail(FailureKind::BadReply);
        if (code != 0)
            return fail(FailureKind::ErrorReport, code);
        if (current_->request == Request::Position)  // a position, not a report, was asked for
            return fail(FailureKind::BadReply);
        const Request request = current_->request;
        finish();
        Q_EMIT done(request);
        return;
    }
    if (current_->request != Request::Position)
        return fail(FailureKind::BadReply);
    if (!azimuthRead_) {
        azimuthRead_ = number(line, MinAzimuth, MaxAzimuth);
        if (!azimuthRead_)
            fail(FailureKind::BadReply);
        return;
    }
    const std::optional<double> elevation = number(line, MinElevation, MaxElevation);
    if (!elevation)
        return fail(FailureKind::BadReply);
    const double azimuth = *azimuthRead_;
    finish();
    Q_EMIT position(azimuth, *elevation);
}

// The answer is complete: the next request may go.
void RotatorClient::finish()
{
    timeout_.stop();
    current_.reset();
    sendNext();
}

void RotatorClient::fail(FailureKind kind, int code)
{
    // A command that waits behind the failed request is what the user asked
    // for, so it is the one reported.
    const Request request = nextCommand_ ? nextCommand_->request : current_ ? current_->request : Request::Position;
    dropEverything();
    Q_EMIT failed(Failure{kind, request, code, host_, port_});
}

void RotatorClient::dropEverything()
{
    socket_.abort();
    timeout_.stop();
    current_.reset();
    nextCommand_.reset();
    positionWanted_ = false;
}

void RotatorClient::connectionEnded(FailureKind kind)
{
    // A connection that closes while nothing is asked is simply reopened by
    // the next request.
    if (!current_)
        return socket_.abort();
    fail(kind);
}

} // namespace rotator
