#include "SingleInstance.h"

#include "AppLogging.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QLocalServer>
#include <QLocalSocket>
#include <QThread>

namespace {

const QByteArray kActivate = QByteArrayLiteral("activate\n");
const QByteArray kDone = QByteArrayLiteral("ok\n");
// Lines after QLockFile's own, which it does not read.
const QByteArray kDirectoryKey = QByteArrayLiteral("ledgerine-data-directory=");
const QByteArray kStartedKey = QByteArrayLiteral("ledgerine-process-started=");

QByteArray directoryKey(const QString& dataDirectory)
{
    const QDir dir(dataDirectory);
    return (dir.exists() ? dir.canonicalPath() : dir.absolutePath()).toUtf8().toPercentEncoding();
}

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

QByteArray SingleInstance::processStartTime(qint64 pid)
{
#ifdef Q_OS_LINUX
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return {};
    // The name in parentheses may hold spaces; the start time is the 20th
    // field after it (22nd of the line), in clock ticks since boot.
    const QByteArray line = stat.readAll();
    const QList<QByteArray> fields = line.mid(line.lastIndexOf(')') + 2).split(' ');
    return fields.value(19);
#else
    Q_UNUSED(pid)
    return {};
#endif
}

bool SingleInstance::isStale(const QString& dataDirectory)
{
    QFile file(lockFilePath(dataDirectory));
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QList<QByteArray> lines = file.readAll().split('\n');
    bool ok = false;
    const qint64 pid = lines.value(0).toLongLong(&ok);
    QByteArray directory;
    QByteArray started;
    for (const QByteArray& line : lines) {
        if (line.startsWith(kDirectoryKey))
            directory = line.mid(kDirectoryKey.size());
        else if (line.startsWith(kStartedKey))
            started = line.mid(kStartedKey.size());
    }
    if (!ok || directory.isEmpty() || started.isEmpty())
        return false;
    if (directory != directoryKey(dataDirectory))
        return true;
    const QByteArray live = processStartTime(pid);
    return !live.isEmpty() && live != started;
}

bool SingleInstance::lock()
{
    if (!m_lock.tryLock(0)) {
        if (m_lock.error() != QLockFile::LockFailedError || !isStale(m_dataDirectory))
            return false;
        qCInfo(lcApp).noquote() << "Taking over the lock of a process that is gone:"
                                << lockFilePath(m_dataDirectory);
        // Refused while the owner still holds its lock on the file.
        if (!m_lock.removeStaleLockFile() || !m_lock.tryLock(0))
            return false;
    }
    QFile file(lockFilePath(m_dataDirectory));
    if (file.open(QIODevice::Append)) {
        file.write(kDirectoryKey + directoryKey(m_dataDirectory) + '\n' + kStartedKey
            + processStartTime(QCoreApplication::applicationPid()) + '\n');
    }
    return true;
}

SingleInstance::Claim SingleInstance::claim(int answerTimeoutMs)
{
    if (lock()) {
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
    return lock() || m_lock.error() != QLockFile::LockFailedError;
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
