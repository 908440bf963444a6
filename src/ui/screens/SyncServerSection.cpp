#include "SyncServerSection.h"

#include "SettingsSections.h"
#include "account/AuthClient.h"
#include "account/Client.h"
#include "account/ServerDiscovery.h"
#include "account/SyncServer.h"
#include "app/AppState.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

using MellAccount::SyncServer;

SyncServerSection::SyncServerSection(AppState* state, QWidget* parent)
    : QWidget(parent)
    , m_state(state)
    , m_discovery(new MellAccount::ServerDiscovery(this))
    , m_address(new QLineEdit)
    , m_check(new QPushButton(tr("Check")))
    , m_result(new QLabel)
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    SettingsSections::addHeader(
        layout, tr("Sync server"), tr("The server this computer signs in to and syncs with."));
    m_address->setPlaceholderText(tr("https://ledger.example.org"));
    auto* row = new QHBoxLayout;
    row->addWidget(m_address, 1);
    row->addWidget(m_check);
    layout->addLayout(row);
    m_result->setWordWrap(true);
    m_result->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(m_result);

    connect(m_check, &QPushButton::clicked, this, &SyncServerSection::check);
    connect(m_address, &QLineEdit::returnPressed, this, &SyncServerSection::check);
    if (MellAccount::Client* cloud = m_state->cloudClient())
        connect(cloud->authClient(), &MellAccount::AuthClient::signedInChanged, this,
            &SyncServerSection::refresh);
    refresh();
}

QString SyncServerSection::describe(const SyncServer& server) const
{
    return tr("Sync server at %1, version %2.\nSign-in: %3\nSync: %4")
        .arg(server.address, server.version.isEmpty() ? tr("unknown") : server.version,
            server.authBaseUrl, server.syncApiUrl);
}

void SyncServerSection::refresh()
{
    if (m_checking)
        return;
    const MellAccount::Client* cloud = m_state->cloudClient();
    if (MellAccount::ClientConfig::isSetByEnvironment()) {
        m_address->setText(cloud ? cloud->config().authBaseUrl : QString());
        m_address->setEnabled(false);
        m_check->setEnabled(false);
        m_result->setText(
            tr("The environment names the cloud services (AUTH_BASE_URL, "
               "ACCOUNT_API_URL, SYNC_API_URL); they are used instead of this address."));
        return;
    }
    const auto server = SyncServer::stored();
    const bool signedIn = cloud && cloud->isAuthenticated();
    m_address->setText(server ? server->address : QString());
    m_address->setEnabled(!signedIn);
    m_check->setEnabled(!signedIn);
    QString text = server ? describe(*server) : tr("No sync server is set.");
    if (signedIn)
        text += QLatin1Char('\n') + tr("Sign out to change the sync server.");
    m_result->setText(text);
}

void SyncServerSection::useChosenServer()
{
    if (MellAccount::Client* cloud = m_state->cloudClient())
        cloud->setServices(MellAccount::ClientConfig::fromEnvironment(),
            MellAccount::ClientConfig::syncApiUrlFromEnvironment());
}

void SyncServerSection::check()
{
    const MellAccount::Client* cloud = m_state->cloudClient();
    if (m_checking || !m_check->isEnabled() || (cloud && cloud->isAuthenticated()))
        return;
    const QString typed = m_address->text().trimmed();
    if (typed.isEmpty()) {
        SyncServer::forget();
        useChosenServer();
        refresh();
        return;
    }
    m_checking = true;
    m_check->setEnabled(false);
    m_result->setText(tr("Asking %1...").arg(typed));
    m_discovery->check(
        typed, [this, typed](const std::optional<SyncServer>& server, const QString& error) {
            m_checking = false;
            m_check->setEnabled(true);
            if (!server) {
                m_result->setText(tr("No sync server found at %1: %2").arg(typed, error));
                return;
            }
            server->store();
            useChosenServer();
            refresh();
        });
}
