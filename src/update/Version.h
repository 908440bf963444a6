#pragma once

#include <QString>
#include <compare>

namespace MellUpdate {

// major.minor.patch of a release; missing trailing parts are 0.
struct Version {
    int major = 0;
    int minor = 0;
    int patch = 0;

    // Up to three dot-separated non-negative decimal integers; anything else
    // (no parts, more than three, a part that is not a number) is 0.0.0.
    static Version parse(const QString& text);

    auto operator<=>(const Version&) const = default;
};

} // namespace MellUpdate
