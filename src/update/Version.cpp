#include "Version.h"

#include <QStringList>
#include <algorithm>

namespace MellUpdate {

Version Version::parse(const QString& text)
{
    const QStringList parts = text.split(QLatin1Char('.'));
    if (parts.size() > 3)
        return {};
    int numbers[3] = { 0, 0, 0 };
    for (qsizetype i = 0; i < parts.size(); ++i) {
        const QString& part = parts.at(i);
        // toInt alone would take a sign or surrounding blanks.
        const bool digitsOnly = !part.isEmpty()
            && std::all_of(
                part.begin(), part.end(), [](QChar c) { return c.isDigit() && c.unicode() < 128; });
        bool ok = false;
        numbers[i] = digitsOnly ? part.toInt(&ok) : 0;
        if (!ok)
            return {};
    }
    return { numbers[0], numbers[1], numbers[2] };
}

} // namespace MellUpdate
