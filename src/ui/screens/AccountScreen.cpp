#include "AccountScreen.h"

#include "AccountDataPage.h"
#include "AccountDevicesPage.h"
#include "AccountGroupPage.h"
#include "AccountPageParts.h"
#include "AccountProfilePage.h"
#include "AccountSecurityPage.h"
#include "account/AccountClient.h"
#include "account/Client.h"
#include "app/ThemeColors.h"
#include "ui/widgets/Styles.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QListWidget>
#include <QStackedWidget>

namespace MellAccount {

AccountScreen::AccountScreen(Client* client, QWidget* parent)
    : QWidget(parent)
    , m_client(client)
    , m_navigation(new QListWidget)
    , m_pages(new QStackedWidget)
    , m_profile(new AccountProfilePage(client->authClient()))
    , m_group(new AccountGroupPage(client->accountClient(), client->authClient()))
    , m_devices(new AccountDevicesPage(client->accountClient()))
    , m_security(new AccountSecurityPage(client->authClient()))
    , m_data(new AccountDataPage(client->accountClient()))
{
    m_navigation->setObjectName(QStringLiteral("accountNavigation"));
    m_navigation->setFixedWidth(180);
    m_navigation->setSpacing(2);
    m_navigation->setFrameShape(QFrame::NoFrame);
    // As in the preferences: a focus frame inside the highlighted row looks like a fault.
    m_navigation->setFocusPolicy(Qt::NoFocus);
    m_navigation->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_navigation);
    layout->addWidget(m_pages, 1);

    addPage(Tab::Profile, tr("Profile"), m_profile);
    addPage(Tab::Group, tr("Group"), m_group);
    addPage(Tab::Devices, tr("Devices"), m_devices);
    addPage(Tab::Security, tr("Security"), m_security);
    addPage(Tab::DataPrivacy, tr("Data & Privacy"), m_data);
    connect(
        m_navigation, &QListWidget::currentRowChanged, m_pages, &QStackedWidget::setCurrentIndex);
    connect(m_profile, &AccountProfilePage::logoutRequested, this, &AccountScreen::logoutRequested);
    connect(m_data, &AccountDataPage::logoutRequested, this, &AccountScreen::logoutRequested);
    // Joining, leaving or removing someone can change the user's role.
    connect(
        client->accountClient(), &AccountClient::groupChanged, m_data, &AccountDataPage::refresh);
    m_navigation->setCurrentRow(0);
    applyStyle();
}

void AccountScreen::addPage(Tab tab, const QString& title, QWidget* page)
{
    m_tabs.append(tab);
    m_navigation->addItem(title);
    m_pages->addWidget(page);
}

void AccountScreen::applyStyle()
{
    const Styles::NavigationColors colors = Styles::navigationColors(ThemeColors::isDark());
    m_navigation->setStyleSheet(
        QStringLiteral("QListWidget {  background: %1; border: none; padding: 12px 8px;}"
                       "QListWidget::item {  padding: 8px 12px; border-radius: 6px;}"
                       "QListWidget::item:hover { background: %2; }"
                       "QListWidget::item:selected { background: %3; color: %4; }")
            .arg(QLatin1String(colors.panel), QLatin1String(colors.hover),
                QLatin1String(colors.selection), QLatin1String(colors.selectedText)));
    AccountPageParts::followTheme(this);
}

void AccountScreen::changeEvent(QEvent* event)
{
    // Colours and font size follow the preferences. A window of its own hears of
    // a new application palette as a change of its own palette; a styled widget
    // keeps the font it had when styled, so it is styled again for a new one.
    switch (event->type()) {
    case QEvent::PaletteChange:
    case QEvent::ApplicationPaletteChange:
    case QEvent::FontChange:
        applyStyle();
        break;
    default:
        break;
    }
    QWidget::changeEvent(event);
}

void AccountScreen::setTab(Tab tab)
{
    m_navigation->setCurrentRow(std::max<qsizetype>(m_tabs.indexOf(tab), 0));
}

AccountScreen::Tab AccountScreen::currentTab() const
{
    return m_tabs.value(m_navigation->currentRow(), Tab::Profile);
}

void AccountScreen::refresh()
{
    refreshProfile();
    refreshGroup();
    refreshDevices();
    refreshSessions();
    m_data->refresh();
}

void AccountScreen::refreshGroup()
{
    m_group->refresh();
}

void AccountScreen::refreshDevices()
{
    m_devices->refresh();
}

void AccountScreen::refreshProfile()
{
    m_profile->refresh();
}

void AccountScreen::refreshSessions()
{
    m_security->refreshSessions();
}

QString AccountScreen::relativeTime(const QDateTime& when, const QDateTime& now)
{
    if (!when.isValid())
        return tr("Unknown");
    const qint64 seconds = when.secsTo(now);
    if (seconds < 60)
        return tr("Active now");
    if (seconds < 3600)
        return tr("%1m ago").arg(seconds / 60);
    if (seconds < 86400)
        return tr("%1h ago").arg(seconds / 3600);
    if (seconds < 604800)
        return tr("%1d ago").arg(seconds / 86400);
    return QLocale().toString(when.toLocalTime().date(), QStringLiteral("MMM d, yyyy"));
}

} // namespace MellAccount
