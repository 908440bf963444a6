#include "TestBrowser.h"

#include <QNetworkReply>
#include <QTest>

QByteArray TestBrowser::Page::header(const QByteArray& name) const
{
    for (const auto& [key, value] : headers) {
        if (key.compare(name, Qt::CaseInsensitive) == 0)
            return value;
    }
    return {};
}

TestBrowser::Page TestBrowser::fetch(const QUrl& url)
{
    QNetworkRequest request(url.adjusted(QUrl::RemoveFragment));
    request.setAttribute(
        QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::ManualRedirectPolicy);
    QNetworkReply* reply = m_network.get(request);
    if (!QTest::qWaitFor([reply] { return reply->isFinished(); }, 10000))
        qWarning("browser: no answer from %s", qPrintable(url.toString()));
    Page page { url, reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt(),
        reply->readAll(), reply->rawHeaderPairs() };
    reply->deleteLater();
    return page;
}

QList<TestBrowser::Page> TestBrowser::open(const QUrl& start)
{
    QList<Page> pages;
    QUrl url = start;
    for (int step = 0; step < 10; ++step) {
        const Page page = fetch(url);
        pages.append(page);
        if (page.status < 300 || page.status >= 400)
            break;
        url = url.resolved(QUrl::fromEncoded(page.header("location")));
    }
    return pages;
}
