// The fake cloud services as a program to start by hand, for trying the
// sign-in (and everything behind it) with a real browser:
//
//   build-test/tests/ledgerine_fake_cloud [--port 8790] [--fragment] [--no-state]
//       [--refuse] [--user ID] [--access-lifetime SECONDS]
//
// It prints the environment that points the program at it.
#include "FakeCloud.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QCommandLineParser options;
    options.setApplicationDescription(
        QStringLiteral("Fake cloud services for Mellowind Ledgerine"));
    options.addHelpOption();
    const QCommandLineOption port(QStringLiteral("port"),
        QStringLiteral("Port on 127.0.0.1 (default 8790)."), QStringLiteral("port"),
        QStringLiteral("8790"));
    const QCommandLineOption fragment(QStringLiteral("fragment"),
        QStringLiteral("The sign-in page puts the tokens in the URL fragment."));
    const QCommandLineOption noState(
        QStringLiteral("no-state"), QStringLiteral("The sign-in page does not echo the state."));
    const QCommandLineOption refuse(
        QStringLiteral("refuse"), QStringLiteral("The sign-in page answers with an error."));
    const QCommandLineOption user(QStringLiteral("user"),
        QStringLiteral("Who signs in (default user-1)."), QStringLiteral("id"),
        QStringLiteral("user-1"));
    const QCommandLineOption lifetime(QStringLiteral("access-lifetime"),
        QStringLiteral("Seconds an access token lasts (default 900)."), QStringLiteral("seconds"),
        QStringLiteral("900"));
    options.addOptions({ port, fragment, noState, refuse, user, lifetime });
    options.process(app);

    FakeCloud cloud(quint16(options.value(port).toUInt()));
    cloud.setAccessLifetime(options.value(lifetime).toInt());
    FakeCloud::LoginPage page;
    page.fragment = options.isSet(fragment);
    page.echoState = !options.isSet(noState);
    page.refuse = options.isSet(refuse);
    page.userId = options.value(user);
    cloud.setLoginPage(page);
    // Two other sessions of the same user, for the sessions list to show and revoke.
    cloud.signIn(page.userId, QStringLiteral("Mellowind Ledgerine on a laptop"));
    cloud.signIn(page.userId, QStringLiteral("Mellowind Ledgerine on the office computer"));

    const MellAccount::ClientConfig config = cloud.config();
    std::printf("Fake cloud services listening. Start the program with:\n\n"
                "  AUTH_BASE_URL=%s AUTH_REALM_SLUG=%s \\\n"
                "  ACCOUNT_API_URL=%s SYNC_API_URL=%s \\\n"
                "  ./build/ledgerine\n\n"
                "The sign-in page signs in as %s at once. Ctrl+C ends it.\n",
        qPrintable(config.authBaseUrl), qPrintable(config.realmSlug),
        qPrintable(config.accountApiUrl), qPrintable(cloud.syncApiUrl().toString()),
        qPrintable(page.userId));
    std::fflush(stdout);
    return app.exec();
}
