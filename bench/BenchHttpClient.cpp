#include "BenchHttpClient.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/socket.h>
#include <unistd.h>

QByteArray BenchHttpClient::Reply::header(const QByteArray& name) const
{
    for (const auto& [key, value] : headers) {
        if (key.compare(name, Qt::CaseInsensitive) == 0)
            return value;
    }
    return {};
}

BenchHttpClient::BenchHttpClient(quint16 port)
    : m_port(port)
{
}

BenchHttpClient::~BenchHttpClient()
{
    if (m_socket >= 0)
        close(m_socket);
}

bool BenchHttpClient::connectNow()
{
    m_socket = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address {};
    address.sin_family = AF_INET;
    address.sin_port = htons(m_port);
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    const int on = 1;
    setsockopt(m_socket, IPPROTO_TCP, TCP_NODELAY, &on, sizeof on);
    timeval timeout { 120, 0 };
    setsockopt(m_socket, SOL_SOCKET, SO_RCVTIMEO, &timeout, sizeof timeout);
    if (::connect(m_socket, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0)
        return true;
    close(m_socket);
    m_socket = -1;
    return false;
}

bool BenchHttpClient::sendAll(const QByteArray& bytes)
{
    qsizetype sent = 0;
    while (sent < bytes.size()) {
        const ssize_t n
            = send(m_socket, bytes.constData() + sent, size_t(bytes.size() - sent), MSG_NOSIGNAL);
        if (n <= 0)
            return false;
        sent += n;
    }
    return true;
}

bool BenchHttpClient::readMore()
{
    char chunk[65536];
    const ssize_t n = recv(m_socket, chunk, sizeof chunk, 0);
    if (n <= 0)
        return false;
    m_buffer.append(chunk, n);
    return true;
}

BenchHttpClient::Reply BenchHttpClient::request(const QByteArray& method, const QByteArray& target,
    const QByteArray& body, const QList<QPair<QByteArray, QByteArray>>& headers)
{
    QByteArray raw = method + ' ' + target + " HTTP/1.1\r\nHost: 127.0.0.1\r\nContent-Length: "
        + QByteArray::number(body.size()) + "\r\n";
    for (const auto& [name, value] : headers)
        raw += name + ": " + value + "\r\n";
    raw += "\r\n" + body;
    Reply reply;
    // A kept-alive connection the server closed meanwhile is opened again once.
    for (int attempt = 0; attempt < 2; ++attempt) {
        if (m_socket < 0 && !connectNow())
            return reply;
        m_buffer.clear();
        qsizetype headEnd = -1;
        bool ok = sendAll(raw);
        while (ok && (headEnd = m_buffer.indexOf("\r\n\r\n")) < 0)
            ok = readMore();
        if (!ok) {
            close(m_socket);
            m_socket = -1;
            continue;
        }
        const QList<QByteArray> lines = m_buffer.left(headEnd).split('\n');
        reply.status = lines.value(0).split(' ').value(1).toInt();
        for (const QByteArray& line : lines.mid(1)) {
            const qsizetype colon = line.indexOf(':');
            if (colon > 0)
                reply.headers.append({ line.left(colon).trimmed(), line.mid(colon + 1).trimmed() });
        }
        const qsizetype length = reply.header("content-length").toLongLong();
        while (ok && m_buffer.size() - headEnd - 4 < length)
            ok = readMore();
        reply.body = m_buffer.mid(headEnd + 4, length);
        if (!ok)
            reply.status = 0;
        if (!ok || reply.header("connection").compare("close", Qt::CaseInsensitive) == 0) {
            close(m_socket);
            m_socket = -1;
        }
        return reply;
    }
    return reply;
}
