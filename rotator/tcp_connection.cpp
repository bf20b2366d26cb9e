#include "rotator/tcp_connection.h"

#include "threads/both_at_once.h"

#include <QSocketNotifier>
#include <QUrl>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <mutex>
#include <string>

#include <netdb.h>
#include <unistd.h>

namespace rotator {

// What a lookup on its thread shares with the connection that asked for it:
// the connection is forgotten when it is aborted or destroyed, and a late
// answer then goes nowhere.
struct TcpConnection::Lookup {
    std::mutex mutex;
    TcpConnection* asker = nullptr;
};

namespace {

std::vector<sockaddr_storage> addressesOf(const QByteArray& host, quint16 port)
{
    addrinfo hints{};
    hints.ai_family = AF_UNSPEC;
    hints.ai_socktype = SOCK_STREAM;
    hints.ai_flags = AI_NUMERICSERV;
    addrinfo* found = nullptr;
    std::vector<sockaddr_storage> addresses;
    if (getaddrinfo(host.constData(), std::to_string(port).c_str(), &hints, &found) != 0)
        return addresses;
    for (const addrinfo* a = found; a; a = a->ai_next) {
        sockaddr_storage address{};
        std::memcpy(&address, a->ai_addr, std::min<std::size_t>(a->ai_addrlen, sizeof address));
        addresses.push_back(address);
    }
    freeaddrinfo(found);
    return addresses;
}

socklen_t lengthOf(const sockaddr_storage& address)
{
    return address.ss_family == AF_INET6 ? sizeof(sockaddr_in6) : sizeof(sockaddr_in);
}

} // namespace

TcpConnection::TcpConnection(qsizetype readLimit, QObject* parent)
    : QObject(parent)
    , readLimit_(readLimit)
{
}

TcpConnection::~TcpConnection()
{
    abort();
}

void TcpConnection::connectToHost(const QString& host, quint16 port)
{
    abort();
    state_ = State::Connecting;
    lookup_ = std::make_shared<Lookup>();
    lookup_->asker = this;
    // A name in other letters than Latin is looked up in its ASCII form;
    // an IPv6 address, which has none, as it is written.
    QByteArray name = QUrl::toAce(host);
    if (name.isEmpty())
        name = host.toUtf8();
    threads::startAlone([lookup = lookup_, name, port] {
        Addresses addresses = addressesOf(name, port);
        const std::lock_guard<std::mutex> lock(lookup->mutex);
        if (!lookup->asker)
            return;
        // Queued, so that the answer comes from the event loop even where no
        // thread could be had; it is dropped with the connection if that
        // goes first, and ignored if another connection was asked for since.
        QMetaObject::invokeMethod(
            lookup->asker,
            [lookup, asker = lookup->asker, addresses = std::move(addresses)]() mutable {
                if (asker->lookup_ == lookup)
                    asker->tryAddresses(std::move(addresses));
            },
            Qt::QueuedConnection);
    });
}

void TcpConnection::tryAddresses(Addresses addresses)
{
    lookup_.reset();
    addresses_ = std::move(addresses);
    nextAddress_ = 0;
    tryNextAddress();
}

void TcpConnection::tryNextAddress()
{
    closeSocket();
    while (nextAddress_ < addresses_.size()) {
        const sockaddr_storage& address = addresses_[nextAddress_++];
        socket_ = ::socket(address.ss_family, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
        if (socket_ < 0)
            continue;
        if (::connect(socket_, reinterpret_cast<const sockaddr*>(&address), lengthOf(address)) == 0
            || errno == EINPROGRESS) {
            // Writable once the connection is made or refused.
            writable_ = new QSocketNotifier(socket_, QSocketNotifier::Write, this);
            connect(writable_, &QSocketNotifier::activated, this, &TcpConnection::becameWritable);
            return;
        }
        closeSocket();
    }
    state_ = State::Unconnected;
    Q_EMIT failedToConnect();
}

void TcpConnection::becameWritable()
{
    if (state_ == State::Connected)
        return sendWaiting();
    int error = 0;
    socklen_t size = sizeof error;
    if (getsockopt(socket_, SOL_SOCKET, SO_ERROR, &error, &size) != 0 || error != 0)
        return tryNextAddress();
    state_ = State::Connected;
    addresses_.clear();
    writable_->setEnabled(!toSend_.isEmpty());
    readable_ = new QSocketNotifier(socket_, QSocketNotifier::Read, this);
    connect(readable_, &QSocketNotifier::activated, this, &TcpConnection::readAvailable);
    Q_EMIT connected();
}

void TcpConnection::write(const QByteArray& bytes)
{
    // Sent from the event loop, so that a failure to send is told after
    // whatever the caller is in the middle of, never inside it.
    toSend_ += bytes;
    if (state_ == State::Connected)
        writable_->setEnabled(true);
}

void TcpConnection::sendWaiting()
{
    while (!toSend_.isEmpty()) {
        const ssize_t sent = ::send(socket_, toSend_.constData(), std::size_t(toSend_.size()), MSG_NOSIGNAL);
        if (sent < 0 && errno == EINTR)
            continue;
        if (sent < 0 && (errno == EAGAIN || errno == EWOULDBLOCK))
            break;
        if (sent < 0)
            return lose();
        toSend_.remove(0, qsizetype(sent));
    }
    writable_->setEnabled(!toSend_.isEmpty());
}

void TcpConnection::readAvailable()
{
    const qsizetype room = readLimit_ - received_.size();
    if (room <= 0) {
        // Read again when some of it is taken.
        readable_->setEnabled(false);
        return;
    }
    char piece[512];
    const ssize_t got = ::recv(socket_, piece, std::size_t(std::min<qsizetype>(room, sizeof piece)), 0);
    if (got > 0) {
        received_.append(piece, qsizetype(got));
        Q_EMIT readyRead();
    } else if (got == 0 || (errno != EAGAIN && errno != EWOULDBLOCK && errno != EINTR)) {
        lose();
    }
}

QByteArray TcpConnection::read(qsizetype most)
{
    const QByteArray taken = received_.left(most);
    received_.remove(0, taken.size());
    if (readable_)
        readable_->setEnabled(true);
    return taken;
}

void TcpConnection::abort()
{
    if (lookup_) {
        const std::lock_guard<std::mutex> lock(lookup_->mutex);
        lookup_->asker = nullptr;
    }
    lookup_.reset();
    closeSocket();
    addresses_.clear();
    received_.clear();
    toSend_.clear();
    state_ = State::Unconnected;
}

void TcpConnection::closeSocket()
{
    // The notifiers may be what called: they go once it has returned.
    for (QSocketNotifier** notifier : {&readable_, &writable_}) {
        if (*notifier) {
            (*notifier)->setEnabled(false);
            (*notifier)->deleteLater();
            *notifier = nullptr;
        }
    }
    if (socket_ >= 0)
        ::close(socket_);
    socket_ = -1;
}

void TcpConnection::lose()
{
    closeSocket();
    state_ = State::Unconnected;
    Q_EMIT lost();
}

} // namespace rotator
