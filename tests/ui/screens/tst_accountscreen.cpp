#include "FakeCloud.h"
#include "account/AuthClient.h"
#include "account/Client.h"
#include "account/FileTokenStore.h"
#include "data/Clock.h"
#include "ui/screens/AccountScreen.h"
#include "ui/widgets/ElidedLabel.h"
#include "ui/widgets/InputPrompts.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace MellAccount;

class TestAccountScreen : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void profileShowsAndRenames();
    void passwordRules();
    void sessionsListAndRevoke();
    void relativeTimes();

private:
    template <typename T> T* child(const char* name) const
    {
        return m_screen->findChild<T*>(QLatin1String(name));
    }
    QList<QWidget*> sessionRows() const
    {
        return child<QWidget>("sessionList")->findChildren<QWidget*>(QStringLiteral("sessionRow"));
    }

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<FakeCloud> m_fake;
    std::unique_ptr<Client> m_client;
    std::unique_ptr<AccountScreen> m_screen;
};

void TestAccountScreen::init()
{
    Clock::setFixedUtc(QDateTime(QDate(2025, 3, 10), QTime(9, 0), Qt::UTC));
    m_dir = std::make_unique<QTemporaryDir>();
    m_fake = std::make_unique<FakeCloud>();
    const FakeCloud::Tokens tokens = m_fake->signIn();
    FileTokenStore store(m_dir->filePath("tokens.json"));
    store.write(TokenStore::kAccessTokenKey, tokens.access);
    store.write(TokenStore::kRefreshTokenKey, tokens.refresh);
    m_client = std::make_unique<Client>(
        m_fake->config(), std::make_unique<FileTokenStore>(m_dir->filePath("tokens.json")));
    m_client->initialize();
    m_screen = std::make_unique<AccountScreen>(m_client.get());
    m_screen->resize(600, 550);
    m_screen->show();
}

void TestAccountScreen::cleanup()
{
    m_screen.reset();
    m_client.reset();
    m_fake.reset();
    m_dir.reset();
    InputPrompts::clearAnswers();
    Clock::clearFixed();
}

void TestAccountScreen::profileShowsAndRenames()
{
    QCOMPARE(m_screen->currentTab(), AccountScreen::Tab::Profile);
    m_fake->setDisplayName("user-1", "");
    m_screen->refresh();
    QTRY_COMPARE(child<QLabel>("emailLabel")->text(), "user-1@example.com");
    QCOMPARE(child<QLabel>("displayNameLabel")->text(), "(not set)");

    // Cancelled, or nothing typed: no request.
    const int asked = int(m_fake->server().requests().size());
    InputPrompts::setNextAnswer(std::nullopt);
    InputPrompts::setNextAnswer(QStringLiteral("   "));
    for (int i = 0; i < 2; ++i)
        QTest::mouseClick(child<QPushButton>("editDisplayNameButton"), Qt::LeftButton);
    QCOMPARE(m_fake->server().requests().size(), asked);

    InputPrompts::setNextAnswer(QStringLiteral("<b>Robin</b>"));
    QTest::mouseClick(child<QPushButton>("editDisplayNameButton"), Qt::LeftButton);
    QTRY_COMPARE(child<QLabel>("profileStatus")->text(), "Display name updated.");
    QCOMPARE(child<QLabel>("displayNameLabel")->text(), "<b>Robin</b>");
    QCOMPARE(child<QLabel>("displayNameLabel")->textFormat(), Qt::PlainText);
    QCOMPARE(m_client->authClient()->currentUser().displayName, "<b>Robin</b>");

    m_fake->server().setFault(FakeCloud::authPath("/users/me"), { .status = 500 });
    InputPrompts::setNextAnswer(QStringLiteral("Sam"));
    QTest::mouseClick(child<QPushButton>("editDisplayNameButton"), Qt::LeftButton);
    QTRY_COMPARE(child<QLabel>("profileStatus")->text(), "Failed to update profile.");
    QCOMPARE(child<QLabel>("displayNameLabel")->text(), "<b>Robin</b>");

    QSignalSpy logout(m_screen.get(), &AccountScreen::logoutRequested);
    QTest::mouseClick(child<QPushButton>("signOutButton"), Qt::LeftButton);
    QCOMPARE(logout.size(), 1);
}

void TestAccountScreen::passwordRules()
{
    m_screen->setTab(AccountScreen::Tab::Security);
    QCOMPARE(m_screen->currentTab(), AccountScreen::Tab::Security);
    auto* change = child<QPushButton>("changePasswordButton");
    auto* status = child<QLabel>("passwordStatus");
    const auto attempt = [&](const QList<std::optional<QString>>& answers) {
        for (const auto& answer : answers)
            InputPrompts::setNextAnswer(answer);
        QTest::mouseClick(change, Qt::LeftButton);
    };
    const QString password = FakeCloud::authPath("/users/me/password");

    attempt({ QStringLiteral("correct horse"), QStringLiteral("1234567") });
    QCOMPARE(status->text(), "Password must be at least 8 characters.");
    attempt({ QStringLiteral("correct horse"), QStringLiteral("12345678"),
        QStringLiteral("12345679") });
    QCOMPARE(status->text(), "Passwords do not match.");
    attempt({ QStringLiteral("correct horse"), std::nullopt });
    QCOMPARE(InputPrompts::asked().last(), "New password (min 8 characters):");
    QVERIFY(m_fake->server().requestsTo(password).isEmpty());

    attempt({ QStringLiteral("wrong"), QStringLiteral("12345678"), QStringLiteral("12345678") });
    QTRY_COMPARE(status->text(), "Failed to change password.");
    attempt({ QStringLiteral("correct horse"), QStringLiteral("12345678"),
        QStringLiteral("12345678") });
    QTRY_COMPARE(status->text(), "Password changed.");
    QCOMPARE(m_fake->server().requestsTo(password).size(), 2);
}

void TestAccountScreen::sessionsListAndRevoke()
{
    m_fake->signIn("user-1", "Ledgerine on the laptop");
    Clock::setFixedUtc(Clock::nowUtc().addSecs(2 * 3600 + 5));
    m_screen->setTab(AccountScreen::Tab::Security);
    m_screen->refreshSessions();
    QTRY_COMPARE(sessionRows().size(), 2);

    QWidget* current = sessionRows().at(0);
    QVERIFY(!current->findChild<QPushButton*>());
    QStringList texts;
    for (QLabel* label : current->findChildren<QLabel*>())
        texts << label->text();
    QVERIFY(texts.contains("This session") && texts.contains("Current"));
    QWidget* other = sessionRows().at(1);
    QCOMPARE(other->findChild<ElidedLabel*>()->fullText(), "Ledgerine on the laptop");
    const QList<QLabel*> labels = other->findChildren<QLabel*>();
    QVERIFY(std::any_of(
        labels.cbegin(), labels.cend(), [](QLabel* label) { return label->text() == "2h ago"; }));

    QTest::mouseClick(other->findChild<QPushButton*>("revokeButton"), Qt::LeftButton);
    QTRY_COMPARE(child<QLabel>("sessionStatus")->text(), "Session revoked.");
    QTRY_COMPARE(sessionRows().size(), 1);
    QCOMPARE(
        m_fake->server().requestsTo(FakeCloud::authPath("/users/me/sessions/session-2")).size(), 1);
}

void TestAccountScreen::relativeTimes()
{
    const QDateTime now(QDate(2025, 3, 10), QTime(9, 0), Qt::UTC);
    QCOMPARE(AccountScreen::relativeTime(QDateTime(), now), "Unknown");
    QCOMPARE(AccountScreen::relativeTime(now.addSecs(-59), now), "Active now");
    QCOMPARE(AccountScreen::relativeTime(now.addSecs(-3599), now), "59m ago");
    QCOMPARE(AccountScreen::relativeTime(now.addSecs(-86399), now), "23h ago");
    QCOMPARE(AccountScreen::relativeTime(now.addSecs(-604799), now), "6d ago");
    QCOMPARE(AccountScreen::relativeTime(now.addDays(-7), now), "Mar 3, 2025");
}

QTEST_MAIN(TestAccountScreen)
#include "tst_accountscreen.moc"
