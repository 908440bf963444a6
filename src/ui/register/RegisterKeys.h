#pragma once

#include <QObject>

class QKeyEvent;
class RegisterScreen;

// The register's own keys on its table and viewport (Ctrl+Return commits,
// Alt+Return shows details, Enter moves on, Ctrl+D/I/N/M, ' copies from above),
// ahead of the view's default handling.
class RegisterKeys : public QObject {
    Q_OBJECT

public:
    explicit RegisterKeys(RegisterScreen* screen);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool handleKey(QKeyEvent* key);

    RegisterScreen* m_screen;
};
