#pragma once

#include <QMetaType>

namespace MellAccount {

// Where the user stands with the cloud account.
enum class AuthState {
    // The stored tokens have not been looked at yet.
    Undetermined = 0,
    SignedOut = 1,
    NeverEntered = 2,
    SignedIn = 3,
};

} // namespace MellAccount

Q_DECLARE_METATYPE(MellAccount::AuthState)
