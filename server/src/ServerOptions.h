#pragma once

#include "ServerConfig.h"
#include "Store.h"

#include <QString>
#include <QStringList>

// The command line: how to serve (the default) or an administration command
// ("user add EMAIL [--name NAME]", "user list", "user disable EMAIL",
// "user enable EMAIL", "user reset-password EMAIL").
struct ServerOptions {
    Store::Location location;
    ServerConfig config;
    QString host = QStringLiteral("127.0.0.1");
    quint16 port = 8765;
    QString certificate;
    QString key;
    int threads = 8;
    // Empty for serving, else the words after the program name.
    QStringList command;
    QString displayName;

    // False with a message for the user; `help` set when they asked for help.
    static bool parse(
        const QStringList& arguments, ServerOptions* options, QString* message, bool* help);
};
