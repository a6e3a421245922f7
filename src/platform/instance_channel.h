#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

class QLocalServer;
class QLocalSocket;

// How a second start of the desktop program hands a directory to the one already running: a local socket
// beside the single-instance lock file. The running program listens; a start that finds the lock taken
// connects, sends the directory and waits until the running program has taken it.
//
// On the socket: the directory as UTF-8, preceded by its length in bytes (4 bytes, big-endian, at most
// kMaxPathBytes); the answer is the single byte 'Y'.
class InstanceChannel : public QObject
{
    Q_OBJECT
public:
    static constexpr quint32 kMaxPathBytes = 65536;

    explicit InstanceChannel(QObject *parent = nullptr);
    ~InstanceChannel() override;

    // The socket files tried for a settings directory, in order: beside the lock file, then (for a path
    // too long for a local socket, or a file system without sockets) in the user's runtime directory
    // ($XDG_RUNTIME_DIR, when set) under a name made from the settings directory's path.
    static QStringList socketPaths(const QString &settingsDirectory);

    // Listens for hand-overs. The caller holds the instance lock, so a socket file left by a program that
    // ended is removed first. False when no socket could be opened: starts with a directory are then
    // refused as any second start is.
    bool listen(const QString &settingsDirectory);
    // The socket file listened on; empty when not listening.
    QString socketPath() const;

    // Sends `directory` to the program running on `settingsDirectory` and waits, at most `timeoutMs`
    // milliseconds for each step, until it has taken it. False when no program answered.
    static bool handOver(const QString &settingsDirectory, const QString &directory, int timeoutMs = 5000);

Q_SIGNALS:
    // A second start handed over `directory` (as it was sent; the receiver checks it).
    void directoryReceived(const QString &directory);

private:
    void accept();
    void readRequest(QLocalSocket *socket);

    QLocalServer *m_server = nullptr;
};
