#include "PathSegment.h"

#include <QUrl>

namespace MellAccount {

std::optional<QString> pathSegment(const QString& id)
{
    if (id.isEmpty() || id == QLatin1String(".") || id == QLatin1String(".."))
        return std::nullopt;
    return QString::fromLatin1(QUrl::toPercentEncoding(id));
}

} // namespace MellAccount
