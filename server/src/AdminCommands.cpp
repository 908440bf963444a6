#include "AdminCommands.h"

#include "Passwords.h"
#include "ServerClock.h"
#include "UserStore.h"

#include <QTextStream>
#include <cstdio>
#include <optional>
#include <termios.h>
#include <unistd.h>

namespace {

QTextStream& out()
{
    static QTextStream stream(stdout);
    return stream;
}

QTextStream& err()
{
    static QTextStream stream(stderr);
    return stream;
}

QString readLine(bool hidden)
{
    termios saved {};
    const bool terminal = hidden && tcgetattr(STDIN_FILENO, &saved) == 0;
    if (terminal) {
        termios quiet = saved;
        quiet.c_lflag &= ~tcflag_t(ECHO);
        tcsetattr(STDIN_FILENO, TCSAFLUSH, &quiet);
    }
    static QTextStream input(stdin);
    QString line = input.readLine();
    if (terminal) {
        tcsetattr(STDIN_FILENO, TCSAFLUSH, &saved);
        err() << Qt::endl;
    }
    return line;
}

std::optional<QString> newPassword()
{
    QString password;
    if (isatty(STDIN_FILENO)) {
        err() << "New password: " << Qt::flush;
        password = readLine(true);
        err() << "Again: " << Qt::flush;
        if (readLine(true) != password) {
            err() << "The passwords do not match." << Qt::endl;
            return std::nullopt;
        }
    } else {
        password = readLine(false);
    }
    if (password.size() < Passwords::kMinimumLength) {
        err() << "A password needs at least " << Passwords::kMinimumLength << " characters."
              << Qt::endl;
        return std::nullopt;
    }
    return password;
}

int add(const QString& email, const QString& name, UserStore& users)
{
    if (!UserStore::isPlausibleEmail(UserStore::normalEmail(email))) {
        err() << "Not an e-mail address: " << email << Qt::endl;
        return 1;
    }
    if (users.byEmail(email)) {
        err() << "There is already a user " << UserStore::normalEmail(email) << Qt::endl;
        return 1;
    }
    const auto password = newPassword();
    if (!password)
        return 1;
    const QString hash = Passwords::hash(*password);
    switch (hash.isEmpty() ? UserStore::AddResult::Failed : users.add(email, name, hash)) {
    case UserStore::AddResult::Added:
        out() << "Added " << UserStore::normalEmail(email) << Qt::endl;
        return 0;
    case UserStore::AddResult::Exists:
        err() << "There is already a user " << UserStore::normalEmail(email) << Qt::endl;
        return 1;
    case UserStore::AddResult::Failed: break;
    }
    err() << "Could not add the user; see the messages above." << Qt::endl;
    return 1;
}

int list(UserStore& users)
{
    for (const UserRecord& user : users.all()) {
        const QString status = user.disabled ? QStringLiteral("disabled")
            : user.deletionRequestedAt > 0   ? QStringLiteral("deletion requested")
                                             : QStringLiteral("active");
        out() << user.email << '\t' << user.displayName << '\t' << status << '\t'
              << ServerClock::iso(user.createdAt) << Qt::endl;
    }
    return 0;
}

int change(const QString& action, const QString& email, UserStore& users)
{
    const auto user = users.byEmail(email);
    if (!user) {
        err() << "No user " << UserStore::normalEmail(email) << Qt::endl;
        return 1;
    }
    bool done = false;
    if (action == QLatin1String("reset-password")) {
        const auto password = newPassword();
        if (!password)
            return 1;
        const QString hash = Passwords::hash(*password);
        done = !hash.isEmpty() && users.setPasswordHash(user->id, hash);
    } else {
        done = users.setDisabled(user->id, action == QLatin1String("disable"));
    }
    if (!done) {
        err() << "Could not change the user; see the messages above." << Qt::endl;
        return 1;
    }
    if (action == QLatin1String("reset-password"))
        out() << "New password set for " << user->email << "; their sessions ended" << Qt::endl;
    else
        out() << (action == QLatin1String("disable") ? "Disabled " : "Enabled ") << user->email
              << Qt::endl;
    return 0;
}

} // namespace

int AdminCommands::run(const QStringList& command, const QString& displayName, UserStore& users)
{
    const QString action = command.value(1);
    if (command.value(0) == QLatin1String("user")) {
        if (action == QLatin1String("add") && command.size() == 3)
            return add(command.at(2), displayName, users);
        if (action == QLatin1String("list") && command.size() == 2)
            return list(users);
        if ((action == QLatin1String("disable") || action == QLatin1String("enable")
                || action == QLatin1String("reset-password"))
            && command.size() == 3)
            return change(action, command.at(2), users);
    }
    err() << "Unknown command: " << command.join(QLatin1Char(' '))
          << "\nCommands: user add EMAIL [--name NAME], user list, user disable EMAIL, "
             "user enable EMAIL, user reset-password EMAIL"
          << Qt::endl;
    return 2;
}
