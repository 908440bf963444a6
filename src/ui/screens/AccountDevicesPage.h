#pragma once

#include <QList>
#include <QWidget>

class QLabel;
class QVBoxLayout;

namespace MellAccount {

class AccountClient;
struct Device;

// The account screen's devices page: the computers registered with the
// account, this one marked, any of them removable.
class AccountDevicesPage : public QWidget {
    Q_OBJECT

public:
    explicit AccountDevicesPage(AccountClient* account, QWidget* parent = nullptr);

    void refresh();

private:
    void showDevices(const QList<Device>& devices);
    QWidget* deviceRow(const Device& device);
    void remove(const Device& device);

    AccountClient* m_account;
    QVBoxLayout* m_rows;
    QLabel* m_status;
};

} // namespace MellAccount
