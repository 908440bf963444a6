#pragma once

#include <QLockFile>
#include <QObject>
#include <QString>

class QLocalServer;

// One running program per data directory: two would each write back the rows
// they loaded and undo each other's changes. The first start holds a lock file
// in the directory and listens on a local socket; a later start asks it to
// come to the front instead of opening the data a second time. A lock left by
// a process that died is taken over, also when its process number now
// belongs to another process: the lock records the data directory and when
// its process started, and one that matches the live process in either is stale.
class SingleInstance : public QObject {
    Q_OBJECT

public:
    enum class Claim {
        Primary, // this process owns the data (or the directory cannot hold a lock)
        HandedOver, // the running program took the request and comes to the front
        Unanswered // the lock is held but nobody answered in time
    };

    explicit SingleInstance(const QString& dataDirectory, QObject* parent = nullptr);

    Claim claim(int answerTimeoutMs = 5000);
    // Holds the data for a run without a window (a scripted import): false
    // while a program has it open. Later starts wait for the lock to go.
    bool holdQuietly();

    static QString lockFilePath(const QString& dataDirectory);
    static QString serverName(const QString& dataDirectory);
    // The lock of `dataDirectory` records another directory, or a start time
    // its process number's live process does not have. A lock without the
    // record is left to QLockFile's own check.
    static bool isStale(const QString& dataDirectory);
    // When the process started, as the system counts it; empty where unknown.
    static QByteArray processStartTime(qint64 pid);

Q_SIGNALS:
    void activationRequested();

private:
    // Takes the lock, over a stale one too, and records who holds it.
    bool lock();
    void listen();
    Claim askRunningInstance(int timeoutMs);
    void onNewConnection();

    QString m_dataDirectory;
    QLockFile m_lock;
    QLocalServer* m_server = nullptr;
};
