#pragma once

#include <QLockFile>
#include <QObject>
#include <QString>

class QLocalServer;

// One running program per data directory: two would each write back the rows
// they loaded and undo each other's changes. The first start holds a lock file
// in the directory and listens on a local socket; a later start asks it to
// come to the front instead of opening the data a second time. A lock left by
// a process that died is taken over.
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

Q_SIGNALS:
    void activationRequested();

private:
    void listen();
    Claim askRunningInstance(int timeoutMs);
    void onNewConnection();

    QString m_dataDirectory;
    QLockFile m_lock;
    QLocalServer* m_server = nullptr;
};
