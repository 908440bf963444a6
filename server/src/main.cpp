// ledgerine-server: sign-in, accounts and sync for Mellowind Ledgerine, on
// SQLite or PostgreSQL. See server/README.md.
#include "AdminCommands.h"
#include "Crypto.h"
#include "Server.h"
#include "ServerContext.h"
#include "ServerOptions.h"

#include <QCoreApplication>
#include <QTextStream>
#include <sys/resource.h>
#include <sys/stat.h>

namespace {

// Every idle connection holds a descriptor: take as many as the system allows.
void raiseDescriptorLimit()
{
    rlimit limit {};
    if (getrlimit(RLIMIT_NOFILE, &limit) == 0 && limit.rlim_cur < limit.rlim_max) {
        limit.rlim_cur = limit.rlim_max;
        setrlimit(RLIMIT_NOFILE, &limit);
    }
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("ledgerine-server"));
    QCoreApplication::setApplicationVersion(QStringLiteral(LEDGERINE_VERSION));
    // The database holds password hashes and the signing key: nobody else reads it.
    umask(077);
    QTextStream err(stderr);

    ServerOptions options;
    QString message;
    bool help = false;
    if (!ServerOptions::parse(app.arguments(), &options, &message, &help)) {
        (help ? QTextStream(stdout) << message : err << "ledgerine-server: " << message << Qt::endl)
            << Qt::flush;
        return help ? 0 : 2;
    }
    if (!Crypto::initialize()) {
        err << "ledgerine-server: libsodium cannot start" << Qt::endl;
        return 1;
    }
    raiseDescriptorLimit();

    Server server(options.location, options.config);
    if (!server.open(&message)) {
        err << "ledgerine-server: " << message << Qt::endl;
        return 1;
    }
    if (options.command.value(0) == QLatin1String("backup")) {
        if (options.command.size() != 2) {
            err << "ledgerine-server: backup takes one FILE" << Qt::endl;
            return 2;
        }
        if (!server.context().store.backupTo(options.command.at(1), &message)) {
            err << "ledgerine-server: " << message << Qt::endl;
            return 1;
        }
        return 0;
    }
    if (!options.command.isEmpty())
        return AdminCommands::run(options.command, options.displayName, server.context().users);

    if (!server.listen(options.host, options.port, options.certificate, options.key, &message)) {
        err << "ledgerine-server: " << message << Qt::endl;
        return 1;
    }
    server.stopOnSignals();
    const QString host = options.host.contains(QLatin1Char(':'))
        ? QLatin1Char('[') + options.host + QLatin1Char(']')
        : options.host;
    QTextStream(stdout) << "listening on " << (server.isTls() ? "https" : "http") << "://" << host
                        << ':' << server.port() << Qt::endl;
    server.start(options.threads);
    server.wait();
    return 0;
}
