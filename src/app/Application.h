#pragma once

#include <QApplication>
#include <QPointer>
#include <QStringList>
#include <memory>

class AppState;
class SingleInstance;
struct StoreFailure;
class QTranslator;
class QWidget;

class Application : public QApplication {
    Q_OBJECT

public:
    Application(int& argc, char** argv);
    ~Application() override;

    int run();

    static QString resolveLanguage(bool resolveSystem);
    static QStringList supportedLanguages();
    static void setLanguage(const QString& code);

    AppState* appState() const { return m_appState; }

    // The "Database Error" text: the general sentence, then the reason.
    static QString databaseErrorText(const StoreFailure& failure, const QString& dataDirectory);
    // What the user is told, wherever it shows, once the ledger file is found damaged.
    static QString damagedLedgerText(const QString& reason);

private:
    void installTranslators();
    void installIconAndFont();
    void bringToFront();
    // Opens the store and shows the window; a damaged store may be replaced
    // from a backup first. False when the program is to end.
    bool startSession();
    void replaceLedger(const QString& archivePath);

    SingleInstance* m_instance = nullptr;
    AppState* m_appState = nullptr;
    std::unique_ptr<QWidget> m_mainWindow;
    QTranslator* m_qtTranslator = nullptr;
    QTranslator* m_appTranslator = nullptr;
};
