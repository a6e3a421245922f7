#include "platform/instance_channel.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QTimer>
#include <QtEndian>

namespace {

// A local socket's path must fit sockaddr_un's 108 bytes, with its terminating NUL and some room.
constexpr qsizetype kMaxSocketPathBytes = 100;

// A connection that has not sent its whole request by then is dropped, so none can hold the window's
// socket for ever.
constexpr int kRequestTimeoutMs = 10000;

constexpr char kTaken = 'Y';

} // namespace

InstanceChannel::InstanceChannel(QObject *parent)
    : QObject(parent)
{}

InstanceChannel::~InstanceChannel() = default;

QStringList InstanceChannel::socketPaths(const QString &settingsDirectory)
{
    const QString settings = QDir::cleanPath(QDir(settingsDirectory).absolutePath());
    QStringList paths;
    const QString beside = QDir(settings).filePath(QStringLiteral("Fichorama.socket"));
    if (QFile::encodeName(beside).size() <= kMaxSocketPathBytes)
        paths.append(beside);
    // Only the user's own runtime directory: a shared one (/tmp) would let others take the name.
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && QFileInfo(runtime).isDir()) {
        const QByteArray digest =
            QCryptographicHash::hash(QFile::encodeName(settings), QCryptographicHash::Sha256).toHex();
        paths.append(QDir(runtime).filePath(
            QStringLiteral("fichorama-%1.socket").arg(QString::fromLatin1(digest.left(32)))));
    }
    return paths;
}

bool InstanceChannel::listen(const QString &settingsDirectory)
{
    delete m_server;
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    connect(m_server, &QLocalServer::newConnection, this, &InstanceChannel::accept);
    for (const QString &path : socketPaths(settingsDirectory)) {
        // Only the holder of the lock listens: a file here is a socket its last holder left behind.
        QLocalServer::removeServer(path);
        if (m_server->listen(path))
            return true;
    }
    delete m_server;
    m_server = nullptr;
    return false;
}

QString InstanceChannel::socketPath() const
{
    return m_server ? m_server->fullServerName() : QString();
}

void InstanceChannel::accept()
{
    while (QLocalSocket *socket = m_server->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { readRequest(socket); });
        QTimer::singleShot(kRequestTimeoutMs, socket, [socket] { socket->abort(); });
        readRequest(socket);
    }
}

void InstanceChannel::readRequest(QLocalSocket *socket)
{
    if (socket->bytesAvailable() < 4)
        return;
    uchar header[4];
    if (socket->peek(reinterpret_cast<char *>(header), 4) != 4)
        return;
    const quint32 length = qFromBigEndian<quint32>(header);
    if (length == 0 || length > kMaxPathBytes) {
        socket->abort();
        return;
    }
    if (socket->bytesAvailable() < qint64(4 + length))
        return;
    socket->skip(4);
    const QString directory = QString::fromUtf8(socket->read(length));
    // Answered once: a second request on the same connection is not read.
    disconnect(socket, &QLocalSocket::readyRead, this, nullptr);
    socket->write(&kTaken, 1);
    socket->flush();
    socket->disconnectFromServer();
    Q_EMIT directoryReceived(directory);
}

bool InstanceChannel::handOver(const QString &settingsDirectory, const QString &directory, int timeoutMs)
{
    const QByteArray path = directory.toUtf8();
    if (path.isEmpty() || quint32(path.size()) > kMaxPathBytes)
        return false;
    QByteArray request(4, '\0');
    qToBigEndian<quint32>(quint32(path.size()), request.data());
    request += path;
    for (const QString &socketPath : socketPaths(settingsDirectory)) {
        QLocalSocket socket;
        socket.connectToServer(socketPath);
        if (!socket.waitForConnected(timeoutMs))
            continue;
        socket.write(request);
        if (!socket.waitForBytesWritten(timeoutMs))
            continue;
        while (socket.bytesAvailable() < 1 && socket.waitForReadyRead(timeoutMs)) {}
        char answer = 0;
        if (socket.read(&answer, 1) == 1 && answer == kTaken)
            return true;
    }
    return false;
}
