#include "CategoryChoices.h"

#include <QHash>

namespace CategoryChoices {

QList<QPair<QString, QString>> entries(const QList<Category>& categories)
{
    QHash<QString, QString> names;
    for (const Category& c : categories)
        names.insert(c.id, c.name);
    QList<QPair<QString, QString>> items;
    items.reserve(categories.size());
    for (const Category& c : categories) {
        const auto parent = names.constFind(c.parentId);
        const bool nested = !c.parentId.isEmpty() && parent != names.constEnd();
        items.append({ nested ? QStringLiteral("%1 > %2").arg(*parent, c.name) : c.name, c.id });
    }
    return items;
}

} // namespace CategoryChoices
