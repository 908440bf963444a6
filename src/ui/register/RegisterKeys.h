#pragma once

#include <QObject>
#include <QString>

class QKeyEvent;
class RegisterScreen;

// The register's own keys on its table and viewport (Ctrl+Return commits,
// Alt+Return shows details, Enter moves on, Ctrl+D/I/N/M, ' copies from above),
// ahead of the view's default handling.
class RegisterKeys : public QObject {
    Q_OBJECT

public:
    explicit RegisterKeys(RegisterScreen* screen);

    // The footer's reminder of the keys that save, move on, delete, copy
    // and (when it can) memorize, as this system writes them.
    static QString hint(bool withMemorize);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool handleKey(QKeyEvent* key);

    RegisterScreen* m_screen;
};
