#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

#include <memory>
#include <vector>

#include <sys/socket.h>

class QSocketNotifier;

namespace rotator {

// A TCP connection on the system's own sockets, never waiting: the name is
// looked up on a thread of its own, then each of its addresses is tried in
// turn. Written for the rotator's short lines, so that the window does not
// load Qt's network module, with its Kerberos and proxy libraries, at every
// start for a rotator most users never set up.
//
// No more than readLimit bytes are read ahead of what is taken out, whatever
// the other end sends.
class TcpConnection : public QObject
{
    Q_OBJECT

public:
    enum class State { Unconnected, Connecting, Connected };

    explicit TcpConnection(qsizetype readLimit, QObject* parent = nullptr);
    ~TcpConnection() override;

    void connectToHost(const QString& host, quint16 port);
    State state() const { return state_; }
    void write(const QByteArray& bytes);
    QByteArray peek(qsizetype most) const { return received_.left(most); }
    QByteArray read(qsizetype most);
    // Closes at once, forgetting what was read and what waits to be sent.
    void abort();

Q_SIGNALS:
    void connected();
    void readyRead();
    // No address of the host took the connection, or it has none.
    void failedToConnect();
    // Closed or broken by the other end, or by the network, once connected.
    void lost();

private:
    struct Lookup;
    using Addresses = std::vector<sockaddr_storage>;

    void tryAddresses(Addresses addresses);
    void tryNextAddress();
    void becameWritable();
    void readAvailable();
    void sendWaiting();
    void closeSocket();
    void lose();

    const qsizetype readLimit_;
    State state_ = State::Unconnected;
    std::shared_ptr<Lookup> lookup_;
    Addresses addresses_;
    std::size_t nextAddress_ = 0;
    int socket_ = -1;
    QSocketNotifier* readable_ = nullptr;  // children, once connected
    QSocketNotifier* writable_ = nullptr;  // from the start of connecting
    QByteArray received_;
    QByteArray toSend_;
};

} // namespace rotator
