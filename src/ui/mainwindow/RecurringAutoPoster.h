#pragma once

#include <QObject>

class AppState;
class QTimer;
class StatusBar;

// Posts what the automatic schedules have due: at start and every hour after,
// with the count of due schedules kept in the status line and the outcome
// said there.
class RecurringAutoPoster : public QObject {
    Q_OBJECT

public:
    RecurringAutoPoster(AppState* state, StatusBar* statusBar, QObject* parent = nullptr);

    // Posts what is due now and runs the hourly timer.
    void start();
    void stop();
    // Posts what is due and says how many.
    void postDueAndAnnounce();
    // Reads the count of due schedules into the status line again.
    void showDue();

Q_SIGNALS:
    // Rows were added: the account list and register have to show them.
    void posted();

private:
    // How many were posted.
    int postDue();
    void announce(int posted);

    AppState* m_state;
    StatusBar* m_statusBar;
    QTimer* m_timer;
};
