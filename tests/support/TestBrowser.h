#pragma once

#include <QByteArray>
#include <QList>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QUrl>

// Follows a sign-in page's redirects one after the other, as a browser would.
class TestBrowser {
public:
    struct Page {
        QUrl url;
        int status = 0;
        QByteArray body;
        QList<QNetworkReply::RawHeaderPair> headers;

        QByteArray header(const QByteArray& name) const;
    };

    // Every page on the way, the last one the page the browser ends on.
    QList<Page> open(const QUrl& url);

private:
    Page fetch(const QUrl& url);

    QNetworkAccessManager m_network;
};
