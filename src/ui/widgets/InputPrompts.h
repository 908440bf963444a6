#pragma once

#include <QLineEdit>
#include <QString>
#include <optional>

class QWidget;

// The program's one-line questions ("Display name:", a password), answerable
// by a test in advance as MessageBoxes are.
class InputPrompts {
public:
    // The typed text, or nothing when the user cancelled.
    static std::optional<QString> text(QWidget* parent, const QString& title, const QString& label,
        const QString& initial = QString(), QLineEdit::EchoMode echo = QLineEdit::Normal);

    // Tests: the next prompt is answered with `answer` (nothing: cancelled) without being shown.
    static void setNextAnswer(const std::optional<QString>& answer);
    static void clearAnswers();
    // Tests: the labels of the prompts asked since the last clearAnswers.
    static QStringList asked();
};
