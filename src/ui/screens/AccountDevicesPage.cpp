#include "AccountDevicesPage.h"

#include "AccountPageParts.h"
#include "AccountScreen.h"
#include "account/AccountClient.h"
#include "data/Clock.h"
#include "ui/widgets/MessageBoxes.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

namespace MellAccount {

AccountDevicesPage::AccountDevicesPage(AccountClient* account, QWidget* parent)
    : QWidget(parent)
    , m_account(account)
{
    QVBoxLayout* column = AccountPageParts::scrollingColumn(this);
    column->addWidget(AccountPageParts::heading(tr("Registered Devices")));
    column->addWidget(AccountPageParts::note(tr("Devices that have synced with your account.")));
    column->addSpacing(4);
    m_rows = AccountPageParts::rowList(column, "deviceList");
    m_status = AccountPageParts::statusLine();
    m_status->setObjectName(QStringLiteral("deviceStatus"));
    column->addWidget(m_status);
}

void AccountDevicesPage::refresh()
{
    QPointer<AccountDevicesPage> self(this);
    m_account->getDevices([self](bool ok, const QList<Device>& devices) {
        if (!self)
            return;
        if (ok)
            self->showDevices(devices);
        else
            AccountPageParts::showFailure(
                self->m_rows, tr("Your devices could not be loaded."), [self] {
                    if (self)
                        self->refresh();
                });
    });
}

void AccountDevicesPage::showDevices(const QList<Device>& devices)
{
    QList<QWidget*> rows;
    for (const Device& device : devices)
        rows.append(deviceRow(device));
    AccountPageParts::showRows(m_rows, rows, tr("No devices registered."));
}

QWidget* AccountDevicesPage::deviceRow(const Device& device)
{
    auto* row = new QWidget;
    QStringList details;
    if (!device.platform.isEmpty())
        details.append(device.platform);
    if (!device.appVersion.isEmpty())
        details.append(tr("v%1").arg(device.appVersion));
    details.append(AccountScreen::relativeTime(device.lastSyncAt, Clock::nowUtc()));
    QHBoxLayout* layout = AccountPageParts::listRow(row,
        device.deviceName.isEmpty() ? tr("Unknown Device") : device.deviceName,
        details.join(QStringLiteral(" · ")), "deviceRow", true);
    if (!device.deviceFingerprint.isEmpty()
        && device.deviceFingerprint == m_account->deviceFingerprint()) {
        QLabel* mark = AccountPageParts::badge(tr("This device"), "#2E7D32");
        mark->setObjectName(QStringLiteral("thisDeviceBadge"));
        layout->addWidget(mark);
    }
    auto* remove = new QPushButton(tr("Remove"));
    remove->setObjectName(QStringLiteral("removeDeviceButton"));
    connect(remove, &QPushButton::clicked, this, [this, device] { this->remove(device); });
    layout->addWidget(remove);
    return row;
}

void AccountDevicesPage::remove(const Device& device)
{
    const QString name = device.deviceName.isEmpty() ? tr("Unknown Device") : device.deviceName;
    if (MessageBoxes::question(this, tr("Remove Device"), tr("Remove %1?").arg(name),
            QMessageBox::Yes | QMessageBox::No, QMessageBox::No)
        != QMessageBox::Yes)
        return;
    QPointer<AccountDevicesPage> self(this);
    m_account->removeDevice(device.id, [self](bool ok, int, const QJsonObject& body) {
        if (!self)
            return;
        AccountPageParts::showStatus(self->m_status,
            ok ? tr("Device removed.")
               : AccountPageParts::failureText(
                   AccountClient::reasonOf(body), tr("Failed to remove device.")),
            ok);
        if (ok)
            self->refresh();
    });
}

} // namespace MellAccount
