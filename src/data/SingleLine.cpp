#include "SingleLine.h"

namespace SingleLine {

QString clean(const QString& text)
{
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        if (c == QLatin1Char('\n') || c == QLatin1Char('\r') || c == QLatin1Char('\t')
            || c == QChar::LineSeparator || c == QChar::ParagraphSeparator) {
            if (!out.endsWith(QLatin1Char(' ')))
                out += QLatin1Char(' ');
        } else if (c.category() != QChar::Other_Control) {
            out += c;
        }
    }
    return out.trimmed();
}

} // namespace SingleLine
