#pragma once

#include <QByteArray>
#include <QList>
#include <QPair>

// A bare HTTP/1.1 client over one kept-alive loopback connection, blocking,
// so each of many threads can drive the sync server on its own and time
// every request.
class BenchHttpClient {
public:
    struct Reply {
        int status = 0;
        QList<QPair<QByteArray, QByteArray>> headers;
        QByteArray body;

        QByteArray header(const QByteArray& name) const;
    };

    explicit BenchHttpClient(quint16 port);
    ~BenchHttpClient();
    BenchHttpClient(const BenchHttpClient&) = delete;
    BenchHttpClient& operator=(const BenchHttpClient&) = delete;

    // Status 0 when the exchange failed.
    Reply request(const QByteArray& method, const QByteArray& target, const QByteArray& body = {},
        const QList<QPair<QByteArray, QByteArray>>& headers = {});

private:
    bool connectNow();
    bool sendAll(const QByteArray& bytes);
    bool readMore();

    quint16 m_port;
    int m_socket = -1;
    QByteArray m_buffer;
};
