#include "single_instance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QLocalSocket>
#include <QLockFile>
#include <QStandardPaths>
#include <QtEndian>
#include <array>
#include <utility>

#include "file_names.h"

namespace reelkeep {

namespace {

constexpr qsizetype kHeaderSize = 4;
// Far above any path the system allows; anything longer is not a request.
constexpr quint32 kMaxRequestBytes = 64 * 1024;
constexpr char kAnswer = '\x06';
constexpr int kConnectTimeoutMs = 1000;
// A connection that sends nothing whole is dropped, so it cannot hold anything for long.
constexpr int kConnectionLifeMs = 5000;
constexpr int kRetryMs = 250;
// Longer than a hand-over, so a start waiting to take its turn outlasts the one before.
constexpr int kLockWaitMs = kHandOverTimeoutMs + 5000;

QByteArray EncodeRequest(const QString& file) {
    const QByteArray path = PathBytes(file);
    std::array<char, kHeaderSize> header{};
    qToBigEndian(static_cast<quint32>(path.size()), header.data());
    return QByteArray(header.data(), kHeaderSize) + path;
}

enum class Parsed { Incomplete, Malformed, Complete };

// Looks at what a connection sent so far without taking it.
Parsed ParseRequest(const QByteArray& bytes, QString& file) {
    if (bytes.size() < kHeaderSize) return Parsed::Incomplete;
    const quint32 length = qFromBigEndian<quint32>(bytes.constData());
    if (length > kMaxRequestBytes) return Parsed::Malformed;
    const qsizetype whole = kHeaderSize + static_cast<qsizetype>(length);
    if (bytes.size() < whole) return Parsed::Incomplete;
    if (bytes.size() > whole) return Parsed::Malformed;
    file = PathFromBytes(QByteArrayView(bytes).sliced(kHeaderSize));
    const bool isPath = file.isEmpty() || (QDir::isAbsolutePath(file) && !file.contains(QChar()));
    return isPath ? Parsed::Complete : Parsed::Malformed;
}

}  // namespace

QString InstanceServerName() {
    const QString data = QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
    const QByteArray key =
        QCryptographicHash::hash(data.toUtf8(), QCryptographicHash::Sha1).toHex().left(16);
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    return QDir(runtime).filePath(QStringLiteral("reelkeep-") + QString::fromLatin1(key));
}

HandOver HandToRunningInstance(const QString& name, const QString& file, int timeoutMs) {
    QLocalSocket socket;
    socket.connectToServer(name);
    if (!socket.waitForConnected(kConnectTimeoutMs)) return HandOver::NoInstance;
    socket.write(EncodeRequest(file));
    if (!socket.waitForBytesWritten(timeoutMs)) return HandOver::NoAnswer;
    if (socket.bytesAvailable() == 0 && !socket.waitForReadyRead(timeoutMs)) {
        return HandOver::NoAnswer;
    }
    return socket.read(1) == QByteArray(1, kAnswer) ? HandOver::Delivered : HandOver::NoAnswer;
}

CInstanceServer::CInstanceServer(QObject* parent) : QObject(parent) {
    // Only the user may hand files over.
    server_.setSocketOptions(QLocalServer::UserAccessOption);
    connect(&server_, &QLocalServer::newConnection, this, &CInstanceServer::Accept);
    retry_.setSingleShot(true);
    connect(&retry_, &QTimer::timeout, this, &CInstanceServer::DeliverWhenFree);
}

bool CInstanceServer::Listen(const QString& name) {
    // Only called when nobody answered on name: what is there is left from a run that died.
    QLocalServer::removeServer(name);
    return server_.listen(name);
}

void CInstanceServer::SetFreeCheck(std::function<bool()> isFree) {
    isFree_ = std::move(isFree);
    retry_.start(0);
}

void CInstanceServer::Accept() {
    while (QLocalSocket* socket = server_.nextPendingConnection()) {
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { Read(*socket); });
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        QTimer::singleShot(kConnectionLifeMs, socket, [socket] {
            socket->abort();
            socket->deleteLater();
        });
    }
}

void CInstanceServer::Read(QLocalSocket& socket) {
    QString file;
    switch (ParseRequest(socket.peek(socket.bytesAvailable()), file)) {
        case Parsed::Incomplete:
            return;
        case Parsed::Malformed:
            socket.abort();
            socket.deleteLater();
            return;
        case Parsed::Complete:
            break;
    }
    socket.readAll();
    socket.write(QByteArray(1, kAnswer));
    socket.disconnectFromServer();
    pending_.append(file);
    emit knocked();
    // Delivered from the event loop, never from inside this socket's signal: opening the file
    // may ask a question whose event loop closes and deletes the socket.
    retry_.start(0);
}

void CInstanceServer::DeliverWhenFree() {
    while (!pending_.isEmpty()) {
        if (!isFree_ || !isFree_()) {
            retry_.start(kRetryMs);
            return;
        }
        emit requested(pending_.takeFirst());
    }
}

InstanceClaim ClaimOrHandOver(CInstanceServer& server, const QString& name, const QString& file,
                              int timeoutMs) {
    QLockFile turn(name + QStringLiteral(".lock"));
    const bool myTurn = turn.tryLock(kLockWaitMs);
    switch (HandToRunningInstance(name, file, timeoutMs)) {
        case HandOver::Delivered:
            return InstanceClaim::HandedOver;
        case HandOver::NoAnswer:
            return InstanceClaim::NoAnswer;
        case HandOver::NoInstance:
            break;
    }
    // Without the turn, another start may be about to listen: its socket must not be taken.
    return myTurn && server.Listen(name) ? InstanceClaim::Serving : InstanceClaim::Alone;
}

}  // namespace reelkeep
