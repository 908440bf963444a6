#pragma once

#include <QFrame>

class QBoxLayout;
class QLabel;
class QPushButton;

// The strip above the main window's content that says why the ledger cannot
// be changed: it is read-only, or damaged (with the way to a backup).
class StoreBanner : public QFrame {
    Q_OBJECT

public:
    explicit StoreBanner(QWidget* parent = nullptr);

    void showReadOnly(const QString& path);
    void showDamaged(const QString& text);

    QLabel* label() const { return m_label; }
    QPushButton* restoreButton() const { return m_restore; }

Q_SIGNALS:
    void restoreRequested();

private:
    void showText(const QString& text, bool damaged);

    QBoxLayout* m_layout = nullptr;
    QLabel* m_label;
    QPushButton* m_restore;
};
