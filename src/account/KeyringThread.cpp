#include "KeyringThread.h"

#include "AccountLogging.h"
#include "FileTokenStore.h"
#include "SecretServiceTokenStore.h"

#include <QDeadlineTimer>
#include <QPointer>
#include <QThread>
#include <QTimer>
#include <future>

namespace MellAccount {

// Lives on the keyring's thread; everything it does may wait for the service.
// It outlives its owner when the service never answers, so it tells what it
// read through a signal of its own.
class KeyringWorker : public QObject {
    Q_OBJECT

public:
    KeyringWorker(
        const QString& serviceName, const QString& directoryKey, const QString& fallbackPath)
        : m_serviceName(serviceName)
        , m_directoryKey(directoryKey)
        , m_file(fallbackPath)
    {
    }

    TokenStore& store()
    {
        if (!m_store)
            choose();
        return m_store ? *m_store : static_cast<TokenStore&>(m_file);
    }
    bool isKeyring() const { return m_keyring; }
    QString why() const { return m_why; }

Q_SIGNALS:
    void opened(quint64 ticket, const QString& access, const QString& refresh, bool keyring,
        const QString& why);

private:
    void choose()
    {
#ifdef LEDGERINE_HAVE_LIBSECRET
        if (SecretServiceTokenStore::isAvailable(&m_why)) {
            m_store = std::make_unique<SecretServiceTokenStore>(m_serviceName, m_directoryKey);
            m_keyring = true;
            moveFileIntoKeyring();
            return;
        }
#else
        m_why = QStringLiteral("not built with libsecret");
#endif
        m_store = std::make_unique<FileTokenStore>(m_file.path());
    }

    // Tokens left in the file while no Secret Service answered move into it,
    // so that they neither linger on disk nor sign the user out.
    void moveFileIntoKeyring()
    {
        if (!m_file.exists())
            return;
        bool moved = true;
        for (const QString& key : { TokenStore::kAccessTokenKey, TokenStore::kRefreshTokenKey }) {
            if (const auto value = m_file.read(key))
                moved = m_store->write(key, *value) && moved;
        }
        if (moved)
            m_file.clear();
    }

    QString m_serviceName;
    QString m_directoryKey;
    FileTokenStore m_file;
    std::unique_ptr<TokenStore> m_store;
    bool m_keyring = false;
    QString m_why;
};

KeyringThread::KeyringThread(const QString& serviceName, const QString& directoryKey,
    const QString& fallbackPath, QObject* parent)
    : QObject(parent)
    , m_thread(new QThread)
    , m_worker(new KeyringWorker(serviceName, directoryKey, fallbackPath))
{
    m_thread->setObjectName(QStringLiteral("keyring"));
    m_worker->moveToThread(m_thread);
}

KeyringWorker* KeyringThread::worker()
{
    // Started on first use: a program that never signs in needs no thread.
    if (!m_thread->isRunning())
        m_thread->start();
    return m_worker;
}

KeyringThread::~KeyringThread()
{
    // Quitting behind the queued writes: tokens set just before the program
    // ends would otherwise be dropped with the thread's unhandled events.
    if (m_thread->isRunning())
        QMetaObject::invokeMethod(m_worker, [thread = m_thread] { thread->quit(); });
    if (!m_thread->wait(QDeadlineTimer(2000))) {
        // A call the service never answers: the thread ends when it does, or
        // with the process; destroying it now would end the program.
        qCWarning(lcAccount) << "The keyring is still busy; leaving its thread behind";
        return;
    }
    delete m_worker;
    delete m_thread;
}

void KeyringThread::open(int timeoutMs, std::function<void(const Opened&)> done)
{
    const quint64 ticket = ++m_tickets;
    auto answered = std::make_shared<bool>(false);
    auto finish = [answered, done](const Opened& result) {
        if (std::exchange(*answered, true))
            return;
        done(result);
    };
    connect(m_worker, &KeyringWorker::opened, this,
        [ticket, finish, answered](quint64 which, const QString& access, const QString& refresh,
            bool keyring, const QString& why) {
            if (which != ticket)
                return;
            if (*answered)
                qCWarning(lcAccount) << "The keyring answered after all; sign in again to use it";
            finish({ { access, refresh, false }, keyring, why });
        });
    QTimer::singleShot(timeoutMs, this, [finish, answered, timeoutMs] {
        if (*answered)
            return;
        qCWarning(lcAccount) << "The keyring did not answer within" << timeoutMs
                             << "ms; continuing signed out";
        finish({ { QString(), QString(), true }, true, QString() });
    });
    KeyringWorker* worker = this->worker();
    QMetaObject::invokeMethod(worker, [worker, ticket] {
        TokenStore& store = worker->store();
        const QString access = store.read(TokenStore::kAccessTokenKey).value_or(QString());
        const QString refresh = store.read(TokenStore::kRefreshTokenKey).value_or(QString());
        // Queued to the window's thread; dropped there if the owner is gone.
        Q_EMIT worker->opened(ticket, access, refresh, worker->isKeyring(), worker->why());
    });
}

void KeyringThread::write(const QString& key, const QString& value)
{
    KeyringWorker* worker = this->worker();
    QMetaObject::invokeMethod(worker, [worker, key, value] { worker->store().write(key, value); });
}

void KeyringThread::remove(const QString& key)
{
    KeyringWorker* worker = this->worker();
    QMetaObject::invokeMethod(worker, [worker, key] { worker->store().removeKey(key); });
}

std::optional<QString> KeyringThread::readNow(const QString& key, int timeoutMs)
{
    auto promise = std::make_shared<std::promise<std::optional<QString>>>();
    std::future<std::optional<QString>> future = promise->get_future();
    KeyringWorker* worker = this->worker();
    QMetaObject::invokeMethod(
        worker, [worker, key, promise] { promise->set_value(worker->store().read(key)); });
    if (future.wait_for(std::chrono::milliseconds(timeoutMs)) != std::future_status::ready)
        return std::nullopt;
    return future.get();
}

} // namespace MellAccount

#include "KeyringThread.moc"
