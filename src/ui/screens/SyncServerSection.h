#pragma once

#include <QWidget>

class AppState;
class QLabel;
class QLineEdit;
class QPushButton;

namespace MellAccount {
class ServerDiscovery;
struct SyncServer;
} // namespace MellAccount

// "Sync server" on the Data & Sync page: the address of the server this
// computer signs in to and syncs with. Check asks the server what it offers,
// shows it, and uses it from then on; an empty address goes back to none. The
// address can change only while signed out, and not at all while the
// environment names the services.
class SyncServerSection : public QWidget {
    Q_OBJECT

public:
    explicit SyncServerSection(AppState* state, QWidget* parent = nullptr);

    QLineEdit* addressField() const { return m_address; }
    QPushButton* checkButton() const { return m_check; }
    QLabel* resultLabel() const { return m_result; }

public Q_SLOTS:
    void refresh();
    void check();

private:
    QString describe(const MellAccount::SyncServer& server) const;
    void useChosenServer();

    AppState* m_state;
    MellAccount::ServerDiscovery* m_discovery;
    QLineEdit* m_address;
    QPushButton* m_check;
    QLabel* m_result;
    bool m_checking = false;
};
