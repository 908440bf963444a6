#include "DialogTestHelpers.h"
#include "RealServer.h"
#include "account/AccountClient.h"
#include "account/AuthClient.h"
#include "account/Client.h"
#include "account/FileTokenStore.h"
#include "account/TokenManager.h"
#include "app/ThemeColors.h"
#include "app/ThemeManager.h"
#include "data/Clock.h"
#include "ui/screens/AccountScreen.h"
#include "ui/widgets/ElidedLabel.h"
#include "ui/widgets/InputPrompts.h"
#include "ui/widgets/MessageBoxes.h"
#include "ui/widgets/Styles.h"

#include <QApplication>
#include <QJsonDocument>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace MellAccount;

namespace {

QString user()
{
    return RealServer::email("user");
}

QString authPath(const QString& path)
{
    return QStringLiteral("/api/v1/realms/mellowind") + path;
}

} // namespace

class TestAccountScreen : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QVERIFY(m_server.start()); }
    void init();
    void cleanup();
    void profileShowsAndRenames();
    void passwordRules();
    void sessionsListAndRevoke();
    void joinAndLeaveAsMember();
    void ownerManagesMembersAndInvitations();
    void devicesListMarksThisComputer();
    void deletionNeedsTypedConfirmation();
    void failedLoadsOfferRetry();
    void coloursAndSizeFollowTheTheme();

private:
    template <typename T> T* child(const char* name) const
    {
        return m_screen->findChild<T*>(QLatin1String(name));
    }
    QList<QWidget*> rows(const char* list, const char* name) const
    {
        return child<QWidget>(list)->findChildren<QWidget*>(QLatin1String(name));
    }
    QStringList titles(const char* list, const char* name) const
    {
        QStringList texts;
        for (QWidget* row : rows(list, name))
            texts << row->findChild<ElidedLabel*>()->fullText();
        return texts;
    }
    QString text(const char* name) const { return child<QLabel>(name)->text(); }
    static QStringList texts(const QWidget* widget) { return DialogTest::labelTexts(*widget); }
    TestHttpServer& front() { return m_server.front(); }
    // The requests that reached the server and `matches`.
    template <typename Match> qsizetype requests(Match matches)
    {
        const auto& all = front().requests();
        return std::count_if(all.cbegin(), all.cend(), matches);
    }
    void click(const char* name, QWidget* within = nullptr)
    {
        QWidget* scope = within ? within : m_screen.get();
        QTest::mouseClick(scope->findChild<QPushButton*>(QLatin1String(name)), Qt::LeftButton);
    }
    // Robin signed in, for the other end of an invitation.
    Client* robin();
    // A device registered with the account as another program would.
    void registerDevice(const QJsonObject& device);

    std::unique_ptr<QTemporaryDir> m_dir;
    RealServer m_server;
    std::unique_ptr<Client> m_client;
    std::unique_ptr<Client> m_other;
    std::unique_ptr<AccountScreen> m_screen;
};

void TestAccountScreen::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    front().reset();
    const RealServer::Tokens tokens = m_server.session(user());
    FileTokenStore store(m_dir->filePath("tokens.json"));
    store.write(TokenStore::kAccessTokenKey, tokens.access);
    store.write(TokenStore::kRefreshTokenKey, tokens.refresh);
    m_client = std::make_unique<Client>(
        m_server.config(), std::make_unique<FileTokenStore>(m_dir->filePath("tokens.json")));
    m_client->initialize();
    m_screen = std::make_unique<AccountScreen>(m_client.get());
    m_screen->resize(600, 550);
    m_screen->show();
}

void TestAccountScreen::cleanup()
{
    m_screen.reset();
    m_other.reset();
    m_client.reset();
    m_dir.reset();
    InputPrompts::clearAnswers();
    MessageBoxes::clearAnswers();
    Clock::clearFixed();
}

Client* TestAccountScreen::robin()
{
    const QString email = RealServer::email("robin");
    if (!m_server.addUser(email, RealServer::kPassword, "Robin"))
        qWarning("ledgerine-server did not add %s", qPrintable(email));
    m_other = std::make_unique<Client>(
        m_server.config(), std::make_unique<FileTokenStore>(m_dir->filePath("robin.json")));
    const RealServer::Tokens tokens = m_server.session(email);
    m_other->tokenManager()->setTokens(tokens.access, tokens.refresh);
    return m_other.get();
}

void TestAccountScreen::registerDevice(const QJsonObject& device)
{
    QNetworkAccessManager network;
    QNetworkRequest request(QUrl(m_server.origin() + "/account/v1/devices/register"));
    request.setHeader(QNetworkRequest::ContentTypeHeader, "application/json");
    request.setRawHeader(
        "Authorization", "Bearer " + m_client->tokenManager()->accessToken().toLatin1());
    const std::unique_ptr<QNetworkReply> reply(
        network.post(request, QJsonDocument(device).toJson()));
    QVERIFY(QTest::qWaitFor([&reply] { return reply->isFinished(); }));
    QCOMPARE(reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt(), 200);
}

void TestAccountScreen::profileShowsAndRenames()
{
    m_screen->refresh();
    QTRY_COMPARE(text("emailLabel"), user());
    QCOMPARE(text("displayNameLabel"), "(not set)");

    // Cancelled, or nothing typed: no request.
    const int asked = int(front().requests().size());
    InputPrompts::setNextAnswer(std::nullopt);
    InputPrompts::setNextAnswer(QStringLiteral("   "));
    for (int i = 0; i < 2; ++i)
        QTest::mouseClick(child<QPushButton>("editDisplayNameButton"), Qt::LeftButton);
    QCOMPARE(front().requests().size(), asked);

    InputPrompts::setNextAnswer(QStringLiteral("<b>Robin</b>"));
    QTest::mouseClick(child<QPushButton>("editDisplayNameButton"), Qt::LeftButton);
    QTRY_COMPARE(text("profileStatus"), "Display name updated.");
    QCOMPARE(text("displayNameLabel"), "<b>Robin</b>");
    QCOMPARE(child<QLabel>("displayNameLabel")->textFormat(), Qt::PlainText);
    QCOMPARE(m_client->authClient()->currentUser().displayName, "<b>Robin</b>");

    front().setFault(authPath("/users/me"), { .status = 500 });
    InputPrompts::setNextAnswer(QStringLiteral("Sam"));
    QTest::mouseClick(child<QPushButton>("editDisplayNameButton"), Qt::LeftButton);
    QTRY_COMPARE(text("profileStatus"), "Failed to update profile.");
    QCOMPARE(text("displayNameLabel"), "<b>Robin</b>");

    QSignalSpy logout(m_screen.get(), &AccountScreen::logoutRequested);
    QTest::mouseClick(child<QPushButton>("signOutButton"), Qt::LeftButton);
    QCOMPARE(logout.size(), 1);
}

void TestAccountScreen::passwordRules()
{
    m_screen->setTab(AccountScreen::Tab::Security);
    auto* change = child<QPushButton>("changePasswordButton");
    auto* status = child<QLabel>("passwordStatus");
    const auto attempt = [&](const QList<std::optional<QString>>& answers) {
        for (const auto& answer : answers)
            InputPrompts::setNextAnswer(answer);
        QTest::mouseClick(change, Qt::LeftButton);
    };
    const QString password = authPath("/users/me/password");

    attempt({ QStringLiteral("correct horse"), QStringLiteral("1234567") });
    QCOMPARE(status->text(), "Password must be at least 8 characters.");
    attempt({ QStringLiteral("correct horse"), QStringLiteral("12345678"),
        QStringLiteral("12345679") });
    QCOMPARE(status->text(), "Passwords do not match.");
    attempt({ QStringLiteral("correct horse"), std::nullopt });
    QCOMPARE(InputPrompts::asked().last(), "New password (min 8 characters):");
    QVERIFY(front().requestsTo(password).isEmpty());

    attempt({ QStringLiteral("wrong"), QStringLiteral("12345678"), QStringLiteral("12345678") });
    QTRY_COMPARE(status->text(), "Failed to change password.");
    attempt({ QStringLiteral("correct horse"), QStringLiteral("12345678"),
        QStringLiteral("12345678") });
    QTRY_COMPARE(status->text(), "Password changed.");
    QCOMPARE(front().requestsTo(password).size(), 2);
}

void TestAccountScreen::sessionsListAndRevoke()
{
    m_server.session(user());
    // Two hours on, this computer's token is refreshed; the other session
    // was last active two hours ago.
    Clock::setFixedUtc(QDateTime::currentDateTimeUtc().addSecs(2 * 3600 + 5));
    m_screen->setTab(AccountScreen::Tab::Security);
    m_screen->refreshSessions();
    QTRY_COMPARE(rows("sessionList", "sessionRow").size(), 2);

    QList<QWidget*> sessions = rows("sessionList", "sessionRow");
    if (!texts(sessions.at(0)).contains("This session"))
        std::swap(sessions[0], sessions[1]);
    QWidget* current = sessions.at(0);
    QVERIFY(!current->findChild<QPushButton*>());
    QVERIFY(texts(current).contains("This session") && texts(current).contains("Current"));
    QWidget* other = sessions.at(1);
    QCOMPARE(other->findChild<ElidedLabel*>()->fullText(), "Ledgerine tests");
    QVERIFY(texts(other).contains("2h ago"));

    QTest::mouseClick(other->findChild<QPushButton*>("revokeButton"), Qt::LeftButton);
    QTRY_COMPARE(text("sessionStatus"), "Session revoked.");
    QTRY_COMPARE(rows("sessionList", "sessionRow").size(), 1);
    QCOMPARE(requests([](const TestHttpRequest& r) {
        return r.method == "DELETE" && r.path.startsWith(authPath("/users/me/sessions/"));
    }),
        1);

    // How long ago, at each unit's edge.
    const QDateTime now(QDate(2025, 3, 10), QTime(9, 0), Qt::UTC);
    QStringList shown;
    for (const QDateTime& then : { QDateTime(), now.addSecs(-59), now.addSecs(-3599),
             now.addSecs(-86399), now.addSecs(-604799), now.addDays(-7) })
        shown << AccountScreen::relativeTime(then, now);
    QCOMPARE(shown,
        QStringList({ "Unknown", "Active now", "59m ago", "23h ago", "6d ago", "Mar 3, 2025" }));
}

void TestAccountScreen::joinAndLeaveAsMember()
{
    std::optional<GroupInvitation> invitation;
    robin()->accountClient()->generateInviteCode(
        [&](const GroupInvitation& made, const QString&) { invitation = made; });
    m_screen->setTab(AccountScreen::Tab::Group);
    m_screen->refreshGroup();
    QTRY_VERIFY(child<QPushButton>("joinGroupButton"));
    QTRY_VERIFY(invitation);

    // A typed path never becomes a request.
    const QString joinPath = "/account/v1/group/join/";
    InputPrompts::setNextAnswer(QStringLiteral("../../profile"));
    click("joinGroupButton");
    QTRY_COMPARE(text("groupStatus"), "Invalid or expired invite code.");
    QCOMPARE(requests([&](const TestHttpRequest& r) { return r.path.startsWith(joinPath); }), 0);

    InputPrompts::setNextAnswer(" " + invitation->inviteCode + " ");
    click("joinGroupButton");
    QTRY_COMPARE(text("groupStatus"), "Joined group.");
    QTRY_VERIFY(child<QLabel>("groupName"));
    QCOMPARE(text("groupName"), "Robin's household");
    QCOMPARE(text("groupSeats"), "2 of 5 seats used");
    QCOMPARE(titles("groupContent", "memberRow"), QStringList({ "Robin", user() }));
    // Not the owner: nobody to remove, no invitations to manage.
    QVERIFY(!child<QPushButton>("removeMemberButton"));
    QVERIFY(!child<QPushButton>("generateCodeButton"));
    QVERIFY(texts(rows("groupContent", "memberRow").at(0)).contains("Owner"));

    MessageBoxes::setNextAnswer(QMessageBox::No);
    click("leaveGroupButton");
    QCOMPARE(
        MessageBoxes::lastShown()->text, "Leave this group? You will lose access to shared data.");
    MessageBoxes::setNextAnswer(QMessageBox::Yes);
    click("leaveGroupButton");
    QTRY_COMPARE(text("groupStatus"), "Left group.");
    QTRY_VERIFY(child<QPushButton>("joinGroupButton"));
    QCOMPARE(front().requestsTo("/account/v1/group/leave").size(), 1);
}

void TestAccountScreen::ownerManagesMembersAndInvitations()
{
    // Without a group, starting a household leads to inviting, which makes the group.
    m_screen->setTab(AccountScreen::Tab::Group);
    m_screen->refreshGroup();
    QTRY_VERIFY(child<QPushButton>("startHouseholdButton"));
    QVERIFY(child<QWidget>("startHouseholdActions")->isHidden());
    click("startHouseholdButton");
    QVERIFY(child<QWidget>("startHouseholdActions")->isVisible());
    InputPrompts::setNextAnswer(QStringLiteral("robin@example.com"));
    click("inviteByEmailButton");
    QTRY_COMPARE(text("groupStatus"), "Invitation sent.");
    QTRY_COMPARE(titles("groupContent", "invitationRow"), QStringList({ "robin@example.com" }));
    QCOMPARE(text("groupSeats"), "1 of 5 seats used");

    std::optional<GroupInvitation> invitation;
    AccountClient* robin = this->robin()->accountClient();
    m_client->accountClient()->generateInviteCode(
        [&](const GroupInvitation& made, const QString&) { invitation = made; });
    QTRY_VERIFY(invitation);
    std::optional<bool> joined;
    robin->joinGroup(invitation->inviteCode, [&](bool ok, const QString&) { joined = ok; });
    QTRY_VERIFY(joined && *joined);

    m_screen->refresh();
    QTRY_COMPARE(titles("groupContent", "memberRow"), QStringList({ user(), "Robin" }));
    // A refusal says the server's reason.
    MessageBoxes::setNextAnswer(QMessageBox::Yes);
    click("leaveGroupButton");
    QTRY_COMPARE(text("groupStatus"),
        "The owner cannot leave while the group has members: remove them first");
    // Only the other member can be removed.
    QCOMPARE(m_screen->findChildren<QPushButton*>("removeMemberButton").size(), 1);
    QVERIFY(rows("groupContent", "memberRow").at(1)->findChild<QPushButton*>());

    MessageBoxes::setNextAnswer(QMessageBox::Ok);
    click("generateCodeButton");
    QTRY_VERIFY(MessageBoxes::lastShown() && MessageBoxes::lastShown()->title == "Invite Code");
    const QString code = MessageBoxes::lastShown()->text.section('\n', -1);
    QVERIFY(AccountClient::isValidInviteCode(code));
    QTRY_COMPARE(titles("groupContent", "invitationRow"),
        QStringList({ "robin@example.com", "Invite code: " + code }));

    click("revokeInvitationButton", rows("groupContent", "invitationRow").at(0));
    QTRY_COMPARE(text("groupStatus"), "Invitation revoked.");
    QTRY_COMPARE(titles("groupContent", "invitationRow"), QStringList({ "Invite code: " + code }));

    // The owner cannot delete the account while owning the group.
    QVERIFY(!child<QPushButton>("deleteAccountButton")->isEnabled());
    QVERIFY(!child<QLabel>("ownerNote")->isHidden());

    MessageBoxes::setNextAnswer(QMessageBox::No);
    click("removeMemberButton");
    QCOMPARE(MessageBoxes::lastShown()->text, "Remove Robin from the group?");
    MessageBoxes::setNextAnswer(QMessageBox::Yes);
    click("removeMemberButton");
    QTRY_COMPARE(text("groupStatus"), "Robin removed.");
    QTRY_COMPARE(titles("groupContent", "memberRow"), QStringList({ user() }));
    const QString robinId = subject(m_other->tokenManager()->accessToken());
    QCOMPARE(front().requestsTo("/account/v1/group/members/" + robinId).size(), 1);
    // Rebuilt many times over, the page holds one set of its buttons.
    QCOMPARE(m_screen->findChildren<QPushButton*>("generateCodeButton").size(), 1);
    QCOMPARE(m_screen->findChildren<QPushButton*>("inviteByEmailButton").size(), 1);
}

void TestAccountScreen::devicesListMarksThisComputer()
{
    // Registered again from the same computer, it stays one device.
    for (int i = 0; i < 2; ++i)
        registerDevice(
            { { "device_name", "Desk" }, { "platform", "Linux" }, { "app_version", "1.1.0" },
                { "device_fingerprint", m_client->accountClient()->deviceFingerprint() } });
    registerDevice(
        { { "platform", "Windows" }, { "app_version", "1.0.2" }, { "device_fingerprint", "f2" } });
    Clock::setFixedUtc(QDateTime::currentDateTimeUtc().addSecs(3 * 86400 + 5));
    m_screen->setTab(AccountScreen::Tab::Devices);
    m_screen->refreshDevices();
    // In the order they were registered, which may be the same second.
    QTRY_COMPARE(rows("deviceList", "deviceRow").size(), 2);
    QList<QWidget*> devices = rows("deviceList", "deviceRow");
    if (titles("deviceList", "deviceRow").first() != "Desk")
        std::swap(devices[0], devices[1]);
    QCOMPARE(devices.at(1)->findChild<ElidedLabel*>()->fullText(), "Unknown Device");
    QVERIFY(devices.at(0)->findChild<QLabel*>("thisDeviceBadge"));
    QVERIFY(!devices.at(1)->findChild<QLabel*>("thisDeviceBadge"));
    QVERIFY2(texts(devices.at(0)).contains(QString::fromUtf8("Linux · v1.1.0 · 3d ago")),
        qPrintable(texts(devices.at(0)).join('|')));

    MessageBoxes::setNextAnswer(QMessageBox::Yes);
    click("removeDeviceButton", devices.at(1));
    QCOMPARE(MessageBoxes::lastShown()->text, "Remove Unknown Device?");
    QTRY_COMPARE(text("deviceStatus"), "Device removed.");
    QTRY_COMPARE(titles("deviceList", "deviceRow"), QStringList({ "Desk" }));
}

void TestAccountScreen::deletionNeedsTypedConfirmation()
{
    m_screen->setTab(AccountScreen::Tab::DataPrivacy);
    m_screen->refresh();
    auto* remove = child<QPushButton>("deleteAccountButton");
    QTRY_VERIFY(remove->isEnabled());
    QVERIFY(child<QLabel>("ownerNote")->isHidden());
    QSignalSpy logout(m_screen.get(), &AccountScreen::logoutRequested);
    const auto deletions = [&] {
        return requests([](const TestHttpRequest& r) {
            return r.method == "DELETE" && r.path == "/account/v1/profile";
        });
    };
    for (const std::optional<QString>& typed : { std::optional<QString>("delete"),
             std::optional<QString>(" DELETE"), std::optional<QString>() }) {
        InputPrompts::setNextAnswer(typed);
        QTest::mouseClick(remove, Qt::LeftButton);
    }
    QCOMPARE(InputPrompts::asked().size(), 3);
    QCOMPARE(deletions(), 0);

    front().setFault("/account/v1/profile", { .status = 500, .times = 1 });
    InputPrompts::setNextAnswer(QStringLiteral("DELETE"));
    QTest::mouseClick(remove, Qt::LeftButton);
    QTRY_COMPARE(text("deleteStatus"), "Failed to delete account.");

    MessageBoxes::setNextAnswer(QMessageBox::Ok);
    InputPrompts::setNextAnswer(QStringLiteral("DELETE"));
    QTest::mouseClick(remove, Qt::LeftButton);
    QTRY_COMPARE(logout.size(), 1);
    QCOMPARE(MessageBoxes::lastShown()->title, "Account Scheduled for Deletion");
    QCOMPARE(deletions(), 2);
}

void TestAccountScreen::failedLoadsOfferRetry()
{
    for (const QString& path : { authPath("/users/me"), authPath("/users/me/sessions"),
             QStringLiteral("/account/v1/profile"), QStringLiteral("/account/v1/devices") })
        front().setFault(path, { .status = 503 });
    m_screen->refresh();
    // Every page says it could not load, and shows nothing that looks like an answer.
    const auto failures = [this] {
        QStringList failed;
        for (QLabel* label : m_screen->findChildren<QLabel*>("loadFailureText"))
            failed << label->text();
        failed.sort();
        return failed;
    };
    QTRY_COMPARE(failures(),
        QStringList({ "Your account details could not be loaded.",
            "Your devices could not be loaded.", "Your group could not be loaded.",
            "Your profile could not be loaded.", "Your sessions could not be loaded." }));
    QCOMPARE(text("displayNameLabel"), QString());
    QVERIFY(!child<QPushButton>("deleteAccountButton")->isEnabled());
    for (const char* answer : { "No devices registered.", "No active sessions.", "(not set)" })
        QVERIFY(!texts(m_screen.get()).contains(QLatin1String(answer)));

    front().clearFaults();
    for (QPushButton* retry : m_screen->findChildren<QPushButton*>("retryButton"))
        retry->click();
    QTRY_VERIFY(failures().isEmpty());
    QCOMPARE(text("emailLabel"), user());
    QTRY_VERIFY(child<QPushButton>("deleteAccountButton")->isEnabled());
    QTRY_COMPARE(rows("sessionList", "sessionRow").size(), 1);
    QTRY_COMPARE(rows("deviceList", "deviceRow").size(), 0);
}

void TestAccountScreen::coloursAndSizeFollowTheTheme()
{
    QApplication::setPalette(ThemeManager::palette(false));
    m_screen->setTab(AccountScreen::Tab::Security);
    InputPrompts::setNextAnswer(QStringLiteral("old secret"));
    InputPrompts::setNextAnswer(QStringLiteral("short"));
    click("changePasswordButton");
    auto* status = child<QLabel>("passwordStatus");
    QVERIFY(status->styleSheet().contains(QLatin1String(ThemeColors::kRed.light)));

    // Switched while the window is open, as the preferences do.
    QApplication::setPalette(ThemeManager::palette(true));
    QTRY_VERIFY(child<QListWidget>("accountNavigation")
                    ->styleSheet()
                    .contains(QLatin1String(Styles::navigationColors(true).panel)));
    QVERIFY(status->styleSheet().contains(QLatin1String(ThemeColors::kRed.dark)));
    QLabel* note = m_screen->findChildren<QLabel*>().value(
        texts(m_screen.get()).indexOf("Change your account password."));
    QVERIFY(note);
    QVERIFY(note->styleSheet().contains(QLatin1String(ThemeColors::kSecondary.dark)));
    QApplication::setPalette(ThemeManager::palette(false));

    // A larger font size reaches the styled navigation too; the theme is set
    // again with it, as the preferences do.
    const QFont before = QApplication::font();
    QFont larger = before;
    larger.setPointSize(before.pointSize() + 6);
    QApplication::setPalette(ThemeManager::palette(true));
    QApplication::setFont(larger);
    QTRY_COMPARE(child<QListWidget>("accountNavigation")->font().pointSize(), larger.pointSize());
    QCOMPARE(note->font().pointSize(), larger.pointSize());
    QCOMPARE(child<QPushButton>("deleteAccountButton")->font().pointSize(), larger.pointSize());
    QApplication::setFont(before);
}

QTEST_MAIN(TestAccountScreen)
#include "tst_accountscreen.moc"
