#include "TextPool.h"

QString TextPool::intern(QByteArrayView utf8)
{
    if (utf8.isEmpty())
        return QStringLiteral("");
    // Looked up without copying the bytes; only a new text is stored.
    const QByteArray key = QByteArray::fromRawData(utf8.data(), utf8.size());
    if (const auto found = m_texts.constFind(key); found != m_texts.constEnd())
        return found.value();
    QString text = QString::fromUtf8(utf8);
    m_texts.insert(utf8.toByteArray(), text);
    return text;
}
