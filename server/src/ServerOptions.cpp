#include "ServerOptions.h"

#include <QCommandLineParser>
#include <QDir>
#include <QHostAddress>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QUrl>

namespace {

bool parseListen(const QString& text, ServerOptions* options)
{
    const qsizetype colon = text.lastIndexOf(QLatin1Char(':'));
    if (colon <= 0)
        return false;
    QString host = text.left(colon);
    if (host.startsWith(QLatin1Char('[')) && host.endsWith(QLatin1Char(']')))
        host = host.mid(1, host.size() - 2);
    if (host == QLatin1String("localhost"))
        host = QStringLiteral("127.0.0.1");
    bool ok = false;
    const uint port = text.mid(colon + 1).toUInt(&ok);
    if (!ok || port > 65535 || QHostAddress(host).isNull())
        return false;
    options->host = host;
    options->port = quint16(port);
    return true;
}

} // namespace

bool ServerOptions::parse(
    const QStringList& arguments, ServerOptions* options, QString* message, bool* help)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "The Mellowind Ledgerine sync server: sign-in, accounts and sync for the desktop program.\n"
        "Administration: user add EMAIL [--name NAME] | user list | user disable EMAIL |\n"
        "                user enable EMAIL | user reset-password EMAIL |\n"
        "                backup FILE (a consistent copy of the SQLite database)"));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption dataDir(QStringLiteral("data-dir"),
        QStringLiteral("Keep the data in an SQLite file in this folder."), QStringLiteral("dir"));
    const QCommandLineOption database(QStringLiteral("database"),
        QStringLiteral("Keep the data in PostgreSQL: postgresql://user@host/database."),
        QStringLiteral("url"));
    const QCommandLineOption listen(QStringLiteral("listen"),
        QStringLiteral(
            "Address and port to serve on (default 127.0.0.1:8765; port 0: any free one)."),
        QStringLiteral("host:port"));
    const QCommandLineOption certificate(QStringLiteral("tls-cert"),
        QStringLiteral("Serve HTTPS with this certificate (PEM, chain included)."),
        QStringLiteral("file"));
    const QCommandLineOption key(QStringLiteral("tls-key"),
        QStringLiteral("The certificate's private key (PEM)."), QStringLiteral("file"));
    const QCommandLineOption insecure(QStringLiteral("insecure-http"),
        QStringLiteral("Serve plain HTTP on an address other than loopback (behind a TLS proxy)."));
    const QCommandLineOption registration(QStringLiteral("open-registration"),
        QStringLiteral("Anyone who reaches the sign-in page may create an account."));
    const QCommandLineOption publicUrl(QStringLiteral("public-url"),
        QStringLiteral("The address clients use, e.g. https://ledger.example.org."),
        QStringLiteral("url"));
    const QCommandLineOption realm(QStringLiteral("realm"),
        QStringLiteral("Realm of the sign-in addresses (default mellowind)."),
        QStringLiteral("name"));
    const QCommandLineOption clientId(QStringLiteral("client-id"),
        QStringLiteral("A client id the sign-in page accepts (repeatable; default the desktop's)."),
        QStringLiteral("id"));
    const QCommandLineOption forwarded(QStringLiteral("trust-forwarded-for"),
        QStringLiteral(
            "Take the client's address from X-Forwarded-For of a proxy on this machine."));
    const QCommandLineOption threads(QStringLiteral("threads"),
        QStringLiteral("Threads serving requests (default 8)."), QStringLiteral("n"));
    const QCommandLineOption name(QStringLiteral("name"),
        QStringLiteral("Display name of the user made by \"user add\"."), QStringLiteral("name"));
    const QCommandLineOption seats(QStringLiteral("group-seats"),
        QStringLiteral("Seats of a new group, its owner included (default 5)."),
        QStringLiteral("n"));
    const QCommandLineOption deletionDelay(QStringLiteral("deletion-delay"),
        QStringLiteral("Seconds a deleted account can be recovered by signing in (default 30 "
                       "days)."),
        QStringLiteral("seconds"));
    parser.addOptions({ dataDir, database, listen, certificate, key, insecure, registration,
        publicUrl, realm, clientId, forwarded, threads, name, seats, deletionDelay });
    parser.addPositionalArgument(QStringLiteral("command"),
        QStringLiteral("Nothing to serve, or an administration command."),
        QStringLiteral("[user ...]"));

    *help = false;
    if (!parser.parse(arguments)) {
        *message = parser.errorText();
        return false;
    }
    if (parser.isSet(QStringLiteral("help")) || parser.isSet(QStringLiteral("version"))) {
        *help = true;
        *message = parser.isSet(QStringLiteral("help"))
            ? parser.helpText()
            : QStringLiteral("ledgerine-server %1\n").arg(QStringLiteral(LEDGERINE_VERSION));
        return false;
    }

    options->command = parser.positionalArguments();
    options->displayName = parser.value(name);
    if (parser.isSet(database) && parser.isSet(dataDir)) {
        *message = QStringLiteral("give --data-dir or --database, not both");
        return false;
    }
    if (parser.isSet(database)) {
        const auto location = Store::postgresLocation(parser.value(database), message);
        if (!location)
            return false;
        options->location = *location;
    }
    if (parser.isSet(listen) && !parseListen(parser.value(listen), options)) {
        *message
            = QStringLiteral("--listen takes HOST:PORT with an IP address, e.g. 127.0.0.1:8765");
        return false;
    }
    options->certificate = parser.value(certificate);
    options->key = parser.value(key);
    if (options->certificate.isEmpty() != options->key.isEmpty()) {
        *message = QStringLiteral("--tls-cert and --tls-key go together");
        return false;
    }
    if (options->certificate.isEmpty() && !QHostAddress(options->host).isLoopback()
        && !parser.isSet(insecure)) {
        *message = QStringLiteral(
            "refusing plain HTTP on %1: passwords and tokens would cross the network unencrypted. "
            "Give --tls-cert and --tls-key, or serve on 127.0.0.1 behind a TLS proxy, or add "
            "--insecure-http if a proxy in front of this address encrypts the traffic")
                       .arg(options->host);
        return false;
    }
    if (parser.isSet(threads)) {
        options->threads = parser.value(threads).toInt();
        if (options->threads < 1 || options->threads > 256) {
            *message = QStringLiteral("--threads takes a number from 1 to 256");
            return false;
        }
    }
    if (parser.isSet(seats)) {
        options->config.groupSeats = parser.value(seats).toInt();
        if (options->config.groupSeats < 1 || options->config.groupSeats > 1000) {
            *message = QStringLiteral("--group-seats takes a number from 1 to 1000");
            return false;
        }
    }
    if (parser.isSet(deletionDelay)) {
        bool ok = false;
        options->config.deletionDelay = parser.value(deletionDelay).toLongLong(&ok);
        if (!ok || options->config.deletionDelay < 1) {
            *message = QStringLiteral("--deletion-delay takes a number of seconds");
            return false;
        }
    }
    options->config.openRegistration = parser.isSet(registration);
    options->config.trustForwardedFor = parser.isSet(forwarded);
    if (parser.isSet(realm)) {
        options->config.realm = parser.value(realm);
        static const QRegularExpression segment(QStringLiteral("^[A-Za-z0-9_-]{1,64}$"));
        if (!segment.match(options->config.realm).hasMatch()) {
            *message = QStringLiteral("--realm takes letters, digits, '-' and '_'");
            return false;
        }
    }
    if (parser.isSet(clientId))
        options->config.clientIds = parser.values(clientId);
    if (parser.isSet(publicUrl)) {
        const QUrl url(parser.value(publicUrl), QUrl::StrictMode);
        if (!url.isValid()
            || (url.scheme() != QLatin1String("https") && url.scheme() != QLatin1String("http"))
            || url.host().isEmpty()) {
            *message = QStringLiteral("--public-url takes an http:// or https:// address");
            return false;
        }
        options->config.publicUrl = url.toString(QUrl::StripTrailingSlash);
    }
    if (!parser.isSet(database)) {
        const QString folder = parser.isSet(dataDir)
            ? parser.value(dataDir)
            : QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)
                + QStringLiteral("/ledgerine-server");
        if (!QDir().mkpath(folder)) {
            *message = QStringLiteral("cannot create the data folder %1").arg(folder);
            return false;
        }
        options->location = Store::sqliteLocation(folder);
    }
    return true;
}
