#pragma once

#include <QObject>
#include <functional>

class QWidget;
class StatusBar;
class SyncEngine;

// The sync engine as the main window shows it: its state and messages in the
// status bar, the count of conflicts (the register reloads for their marks),
// the question when the data here was synced with another cloud account, and
// changes dropped because an account stopped being shared.
class SyncFeedback : public QObject {
    Q_OBJECT

public:
    SyncFeedback(SyncEngine* engine, StatusBar* statusBar, QWidget* window,
        std::function<bool()> signedIn, std::function<void()> reload);

    // The engine's state text; the main window says "Not signed in" itself.
    void showState();

private:
    void askAboutAccountChange();

    SyncEngine* m_engine;
    StatusBar* m_statusBar;
    QWidget* m_window;
    std::function<bool()> m_signedIn;
};
