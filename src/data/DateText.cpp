#include "DateText.h"

namespace DateText {

QString format(const QDate& date)
{
    return date.toString(QStringLiteral("M/d/yyyy"));
}

QDate parse(const QString& text)
{
    static const QString formats[] = { QStringLiteral("M/d/yyyy"), QStringLiteral("MM/dd/yyyy"),
        QStringLiteral("M/d/yy"), QStringLiteral("MM/dd/yy") };
    const QString trimmed = text.trimmed();
    for (const QString& format : formats) {
        const QDate date = QDate::fromString(trimmed, format);
        if (date.isValid())
            return date;
    }
    return {};
}

} // namespace DateText
