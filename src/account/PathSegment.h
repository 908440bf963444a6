#pragma once

#include <QString>
#include <optional>

namespace MellAccount {

// `id` percent-encoded as exactly one segment of a request path, whatever it
// holds ("a/b" stays in its segment); nothing for an id that would step out of
// it or vanish ("", ".", "..").
std::optional<QString> pathSegment(const QString& id);

} // namespace MellAccount
