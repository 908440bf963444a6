#pragma once

#include <QDateTime>
#include <QList>
#include <QWidget>

class QListWidget;
class QStackedWidget;

namespace MellAccount {

class AccountDataPage;
class AccountDevicesPage;
class AccountGroupPage;
class AccountProfilePage;
class AccountSecurityPage;
class Client;

// Where a signed-in user manages the cloud account: a list of pages on the
// left, the chosen page beside it.
class AccountScreen : public QWidget {
    Q_OBJECT

public:
    enum class Tab { Profile, Group, Devices, Security, DataPrivacy };

    explicit AccountScreen(Client* client, QWidget* parent = nullptr);

    void setTab(Tab tab);
    Tab currentTab() const;
    // Reloads what every page shows.
    void refresh();

    // "Active now", "5m ago", ... up to a week, then the date.
    static QString relativeTime(const QDateTime& when, const QDateTime& now);

public Q_SLOTS:
    void refreshProfile();
    void refreshGroup();
    void refreshDevices();
    void refreshSessions();

Q_SIGNALS:
    void logoutRequested();

protected:
    void changeEvent(QEvent* event) override;

private:
    void addPage(Tab tab, const QString& title, QWidget* page);
    void applyStyle();

    Client* m_client;
    QListWidget* m_navigation;
    QStackedWidget* m_pages;
    QList<Tab> m_tabs;
    AccountProfilePage* m_profile;
    AccountGroupPage* m_group;
    AccountDevicesPage* m_devices;
    AccountSecurityPage* m_security;
    AccountDataPage* m_data;
};

} // namespace MellAccount
