#pragma once

#include <QString>
#include <QUuid>

namespace Ids {

// The RFC 4122 DNS namespace, used for the ids of seeded rows.
inline const QUuid kDnsNamespace { QStringLiteral("6ba7b810-9dad-11d1-80b4-00c04fd430c8") };

// A random row id: 36 lower-case characters, no braces.
QString newId();

// A version-5 (SHA-1, name-based) id of the UTF-8 bytes of `name` in `ns`.
QString nameBased(const QUuid& ns, const QString& name);

} // namespace Ids
