#pragma once

#include <QList>
#include <QObject>
#include <QPair>
#include <QUrl>

class QTcpServer;
class QTcpSocket;
class QTimer;

namespace MellAccount {

// The loopback listener the sign-in page sends the browser back to. It answers
// every connection (browsers open extra ones to preconnect and for the icon)
// until one carries the sign-in's result, and hands that on. A result in the
// URL fragment, which browsers never send, comes back as a query through a
// small relay page. Afterwards it serves the closing page for a while, so the
// tokens leave the address bar, and then goes away by itself.
class WebAuthHandler : public QObject {
    Q_OBJECT

public:
    static constexpr quint16 kPreferredPort = 19876;
    static constexpr qsizetype kMaxRequestLine = 8 * 1024;
    static constexpr qsizetype kMaxRequestHead = 64 * 1024;
    static constexpr int kDefaultTimeoutMs = 10 * 60 * 1000;
    static constexpr int kClosingPageMs = 60 * 1000;

    // What the closing page tells the user.
    enum class Outcome { Unknown, SignedIn, Failed };

    explicit WebAuthHandler(QObject* parent = nullptr);
    ~WebAuthHandler() override;

    void setPreferredPort(quint16 port) { m_preferredPort = port; }
    void setTimeout(int ms) { m_timeoutMs = ms; }
    void setClosingPageTime(int ms) { m_closingPageMs = ms; }

    // "http://localhost:<port>/callback", or empty when no port could be had.
    QString start();
    quint16 port() const;
    // For the closing page; called while callbackReceived is handled.
    void setOutcome(Outcome outcome, const QString& detail = QString());

Q_SIGNALS:
    void callbackReceived(const QUrl& url);
    // No result came within the time-out; the listener has stopped.
    void timedOut();

private:
    using Headers = QList<QPair<QByteArray, QByteArray>>;

    bool listenOn(quint16 port);
    void acceptFrom(QTcpServer* server);
    void readFrom(QTcpSocket* socket);
    void route(QTcpSocket* socket, const QByteArray& method, const QByteArray& target);
    void onCallback(QTcpSocket* socket, const QByteArray& target);
    void stopListening();
    void reply(QTcpSocket* socket, int status, const QByteArray& body, const Headers& extra = {});
    QByteArray relayPage() const;
    QByteArray closingPage() const;
    QByteArray page(const QString& heading, const QStringList& lines) const;

    QTcpServer* m_ipv4;
    QTcpServer* m_ipv6;
    QTimer* m_timeout;
    quint16 m_preferredPort = kPreferredPort;
    int m_timeoutMs = kDefaultTimeoutMs;
    int m_closingPageMs = kClosingPageMs;
    bool m_resultReceived = false;
    Outcome m_outcome = Outcome::Unknown;
    QString m_detail;
};

} // namespace MellAccount
