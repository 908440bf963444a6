#include "SingleInstance.h"

#include "AppLogging.h"

#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QThread>

namespace {

const QByteArray kActivate = QByteArrayLiteral("activate\n");
const QByteArray kDone = QByteArrayLiteral("ok\n");

} // namespace

SingleInstance::SingleInstance(const QString& dataDirectory, QObject* parent)
    : QObject(parent)
    , m_dataDirectory(dataDirectory)
    , m_lock(lockFilePath(dataDirectory))
{
    // A program can run for weeks: only a dead owner makes the lock stale, never its age.
    m_lock.setStaleLockTime(0);
}

QString SingleInstance::lockFilePath(const QString& dataDirectory)
{
    return QDir(dataDirectory).filePath(QStringLiteral("ledgerine.lock"));
}

QString SingleInstance::serverName(const QString& dataDirectory)
{
    const QDir dir(dataDirectory);
    const QString path = dir.exists() ? dir.canonicalPath() : dir.absolutePath();
    // Socket paths are short; the directory's own path may not be.
    return QStringLiteral("ledgerine-")
        + QString::fromLatin1(
            QCryptographicHash::hash(path.toUtf8(), QCryptographicHash::Sha256).toHex().left(24));
}

SingleInstance::Claim SingleInstance::claim(int answerTimeoutMs)
{
    if (m_lock.tryLock(0)) {
        listen();
        return Claim::Primary;
    }
    if (m_lock.error() != QLockFile::LockFailedError) {
        // A directory that cannot hold a lock cannot hold the database either;
        // opening it reports why.
        qCWarning(lcApp).noquote()
            << "Cannot lock the data directory:" << lockFilePath(m_dataDirectory);
        return Claim::Primary;
    }
    return askRunningInstance(answerTimeoutMs);
}

bool SingleInstance::holdQuietly()
{
    return m_lock.tryLock(0) || m_lock.error() != QLockFile::LockFailedError;
}

void SingleInstance::listen()
{
    const QString name = serverName(m_dataDirectory);
    // We hold the lock, so a socket of that name was left by a program that died.
    QLocalServer::removeServer(name);
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    connect(m_server, &QLocalServer::newConnection, this, &SingleInstance::onNewConnection);
    if (!m_server->listen(name))
        qCWarning(lcApp).noquote() << "Cannot listen for later starts:" << m_server->errorString();
}

SingleInstance::Claim SingleInstance::askRunningInstance(int timeoutMs)
{
    const QDeadlineTimer deadline(timeoutMs);
    QLocalSocket socket;
    // The owner may have taken the lock a moment ago and not be listening yet.
    for (;;) {
        socket.connectToServer(serverName(m_dataDirectory));
        if (socket.waitForConnected(int(qMin<qint64>(deadline.remainingTime(), 500))))
            break;
        socket.abort();
        if (deadline.hasExpired())
            return Claim::Unanswered;
        QThread::msleep(100);
    }
    socket.write(kActivate);
    while (!socket.canReadLine() && !deadline.hasExpired()) {
        if (!socket.waitForReadyRead(int(deadline.remainingTime())))
            break;
    }
    return socket.canReadLine() && socket.readLine() == kDone ? Claim::HandedOver
                                                              : Claim::Unanswered;
}

void SingleInstance::onNewConnection()
{
    while (QLocalSocket* socket = m_server->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            if (!socket->canReadLine())
                return;
            if (socket->readLine() == kActivate) {
                Q_EMIT activationRequested();
                socket->write(kDone);
                socket->flush();
            }
            socket->disconnectFromServer();
        });
    }
}
