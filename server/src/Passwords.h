#pragma once

#include <QString>

// Argon2id password hashes (libsodium's interactive limits: 64 MiB, two
// passes). At most two hashes run at a time, so a burst of sign-ins cannot
// take all the memory.
namespace Passwords {

constexpr int kMinimumLength = 8;

// The encoded hash ("$argon2id$v=19$m=65536,t=2,p=1$..."); empty on failure.
QString hash(const QString& password);
bool verify(const QString& encodedHash, const QString& password);
// Costs what a verify costs and always fails: an unknown e-mail address
// takes as long to refuse as a wrong password.
void verifyNobody(const QString& password);

} // namespace Passwords
