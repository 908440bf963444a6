#pragma once

#include <QStringList>

class UserStore;

// "user add|list|disable|enable|reset-password" on the command line. New
// passwords are asked twice on a terminal, or read as one line from
// standard input when it is not one (scripts). Returns the exit code: 0 done,
// 1 refused or failed (with the reason on standard error), 2 wrong words.
namespace AdminCommands {

int run(const QStringList& command, const QString& displayName, UserStore& users);

} // namespace AdminCommands
