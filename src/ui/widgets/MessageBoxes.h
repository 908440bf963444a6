#pragma once

#include <QMessageBox>
#include <QString>
#include <optional>

class QWidget;

// Every question and notice of the program goes through here, so that a test
// can answer the next box in advance instead of leaving it to block.
//
// Test-only switch: when the environment variable LEDGERINE_TEST_DISMISS_BOXES
// is set, no box is shown at all; its title and text go to standard error and
// the box is answered with its default button. The process tests of the
// executable rely on it.
class MessageBoxes {
public:
    // Room beside the title for the title bar's icon and buttons, and for a
    // title font wider than the box's.
    static constexpr int kTitleBarRoom = 160;

    struct Shown {
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        QString title;
        QString text;
    };

    static QMessageBox::StandardButton question(QWidget* parent, const QString& title,
        const QString& text,
        QMessageBox::StandardButtons buttons = QMessageBox::Yes | QMessageBox::No,
        QMessageBox::StandardButton defaultButton = QMessageBox::NoButton);
    static QMessageBox::StandardButton warning(QWidget* parent, const QString& title,
        const QString& text, QMessageBox::StandardButtons buttons = QMessageBox::Ok,
        QMessageBox::StandardButton defaultButton = QMessageBox::NoButton);
    static void information(QWidget* parent, const QString& title, const QString& text);
    static void critical(QWidget* parent, const QString& title, const QString& text);
    // An information box offering one action: `action` labels the Ok button,
    // the default, beside Cancel. Ok when the action was chosen.
    static QMessageBox::StandardButton offer(
        QWidget* parent, const QString& title, const QString& text, const QString& action);

    // A critical box offering one way out: `action` labels the Ok button,
    // beside Close, the default. Ok when the action was chosen.
    static QMessageBox::StandardButton criticalOffer(
        QWidget* parent, const QString& title, const QString& text, const QString& action);

    // Tests: the next box is answered with `answer` without being shown.
    static void setNextAnswer(QMessageBox::StandardButton answer);
    static void clearAnswers();
    // Tests: the last box asked, shown or answered in advance.
    static std::optional<Shown> lastShown();

private:
    static QMessageBox::StandardButton ask(QMessageBox::Icon icon, QWidget* parent,
        const QString& title, const QString& text, QMessageBox::StandardButtons buttons,
        QMessageBox::StandardButton defaultButton, const QString& okText = QString());
};
