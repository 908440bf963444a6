#include "ImportText.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QStringDecoder>

namespace {

// Bytes 80 to 9F of Windows-1252; the five it leaves undefined keep their own code points.
constexpr char16_t kWindows1252High[32]
    = { 0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
          0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
          0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178 };

QString fromWindows1252(const QByteArray& bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    QChar* out = text.data();
    for (const char c : bytes) {
        const uchar byte = uchar(c);
        *out++ = byte >= 0x80 && byte <= 0x9F ? QChar(kWindows1252High[byte - 0x80]) : QChar(byte);
    }
    return text;
}

QString fromUtf16(const QByteArray& bytes, QStringDecoder::Encoding encoding)
{
    QStringDecoder decoder(encoding, QStringDecoder::Flag::Stateless);
    return decoder.decode(bytes.sliced(2));
}

QString translated(const char* text)
{
    return QCoreApplication::translate("ImportService", text);
}

} // namespace

namespace ImportText {

bool isStrictUtf8(const QByteArray& bytes)
{
    const auto* p = reinterpret_cast<const uchar*>(bytes.constData());
    const qsizetype size = bytes.size();
    qsizetype i = 0;
    while (i < size) {
        const uchar lead = p[i];
        if (lead < 0x80) {
            ++i;
            continue;
        }
        // The range of the second byte rules out overlong forms, surrogates
        // and values beyond U+10FFFF; the others are plain continuations.
        int continuations = 0;
        uchar low = 0x80;
        uchar high = 0xBF;
        if (lead >= 0xC2 && lead <= 0xDF) {
            continuations = 1;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            continuations = 2;
            if (lead == 0xE0)
                low = 0xA0;
            else if (lead == 0xED)
                high = 0x9F;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            continuations = 3;
            if (lead == 0xF0)
                low = 0x90;
            else if (lead == 0xF4)
                high = 0x8F;
        } else {
            return false;
        }
        if (i + continuations >= size)
            return false;
        if (p[i + 1] < low || p[i + 1] > high)
            return false;
        for (int k = 2; k <= continuations; ++k) {
            if ((p[i + k] & 0xC0) != 0x80)
                return false;
        }
        i += continuations + 1;
    }
    return true;
}

QString decode(const QByteArray& bytes)
{
    if (bytes.startsWith("\xEF\xBB\xBF"))
        return QString::fromUtf8(bytes.sliced(3));
    if (bytes.startsWith("\xFF\xFE"))
        return fromUtf16(bytes, QStringDecoder::Utf16LE);
    if (bytes.startsWith("\xFE\xFF"))
        return fromUtf16(bytes, QStringDecoder::Utf16BE);
    if (isStrictUtf8(bytes))
        return QString::fromUtf8(bytes);
    return fromWindows1252(bytes);
}

bool looksLikeText(const QString& text)
{
    qsizetype controls = 0;
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u == 0)
            return false;
        // Tab, line ends, form feed and the old end-of-file mark occur in real text.
        if (u < 0x20 && u != '\t' && u != '\n' && u != '\r' && u != '\f' && u != 0x0B && u != 0x1A)
            ++controls;
    }
    return controls * 100 <= text.size();
}

FileText readFile(const QString& path)
{
    const QString name = QDir::toNativeSeparators(path);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return { {}, translated("Could not open %1: %2").arg(name, file.errorString()) };
    if (file.size() > kMaxFileBytes)
        return { {}, translated("%1 is too large to import.").arg(name) };
    const QByteArray bytes = file.readAll();
    if (bytes.isEmpty() && file.error() != QFileDevice::NoError)
        return { {}, translated("Could not read %1: %2").arg(name, file.errorString()) };
    QString text = decode(bytes);
    if (text.trimmed().isEmpty())
        return { {}, translated("%1 is empty.").arg(name) };
    if (!looksLikeText(text))
        return { {}, translated("%1 is not a text file.").arg(name) };
    return { std::move(text), {} };
}

} // namespace ImportText
