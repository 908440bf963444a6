// The fake cloud services as a program to start by hand, for trying the
// sign-in (and everything behind it) with a real browser:
//
//   build-test/tests/ledgerine_fake_cloud [--port 8790] [--fragment] [--no-state]
//       [--refuse] [--user ID]... [--access-lifetime SECONDS] [--no-group]
//
// With several --user options the sign-ins are these users in turn, so two
// copies of the program can be two people: the first user owns a household
// group with five seats, unless --no-group leaves it to be started.
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
    const QCommandLineOption noState(QStringLiteral("no-state"),
        QStringLiteral("The sign-in page does not echo the state (the program refuses it)."));
    const QCommandLineOption refuse(
        QStringLiteral("refuse"), QStringLiteral("The sign-in page answers with an error."));
    const QCommandLineOption user(QStringLiteral("user"),
        QStringLiteral("Who signs in (default user-1); repeated, the users sign in in turn."),
        QStringLiteral("id"), QStringLiteral("user-1"));
    const QCommandLineOption lifetime(QStringLiteral("access-lifetime"),
        QStringLiteral("Seconds an access token lasts (default 900)."), QStringLiteral("seconds"),
        QStringLiteral("900"));
    const QCommandLineOption noGroup(QStringLiteral("no-group"),
        QStringLiteral("Nobody is in a household group yet."));
    options.addOptions({ port, fragment, noState, refuse, user, lifetime, noGroup });
    options.process(app);

    FakeCloud cloud(quint16(options.value(port).toUInt()));
    cloud.setAccessLifetime(options.value(lifetime).toInt());
    FakeCloud::LoginPage page;
    page.fragment = options.isSet(fragment);
    page.echoState = !options.isSet(noState);
    page.refuse = options.isSet(refuse);
    QStringList users = options.values(user);
    if (users.isEmpty())
        users.append(QStringLiteral("user-1"));
    page.userId = users.first();
    if (users.size() > 1)
        page.users = users;
    cloud.setLoginPage(page);
    // Two other sessions of the same user, for the sessions list to show and revoke.
    cloud.signIn(page.userId, QStringLiteral("Mellowind Ledgerine on a laptop"));
    cloud.signIn(page.userId, QStringLiteral("Mellowind Ledgerine on the office computer"));
    // Something for the group and devices pages to show before anyone joins.
    for (int i = 0; i < users.size(); ++i)
        cloud.setDisplayName(users.at(i), QStringLiteral("Test User %1").arg(i + 1));
    if (!options.isSet(noGroup))
        cloud.account().createGroup(page.userId, QStringLiteral("Household"), 5);
    cloud.account().registerDevice(page.userId,
        { { "device_name", "OFFICE-PC" }, { "platform", "Windows" },
            { "app_id", cloud.config().appId }, { "app_version", "1.0.0" },
            { "device_fingerprint", "0f1e2d3c4b5a69788796a5b4c3d2e1f0" } });

    const MellAccount::ClientConfig config = cloud.config();
    std::printf("Fake cloud services listening. Start the program with:\n\n"
                "  AUTH_BASE_URL=%s AUTH_REALM_SLUG=%s \\\n"
                "  ACCOUNT_API_URL=%s SYNC_API_URL=%s \\\n"
                "  ./build/ledgerine\n\n"
                "The sign-in page signs in as %s at once. Ctrl+C ends it.\n",
        qPrintable(config.authBaseUrl), qPrintable(config.realmSlug),
        qPrintable(config.accountApiUrl), qPrintable(cloud.syncApiUrl().toString()),
        qPrintable(users.join(QStringLiteral(", then "))));
    std::fflush(stdout);
    return app.exec();
}
