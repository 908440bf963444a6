#include "MessageBoxes.h"

#include <QGridLayout>
#include <QList>
#include <QPushButton>
#include <QSpacerItem>
#include <cstdio>

namespace {

QList<QMessageBox::StandardButton>& pendingAnswers()
{
    static QList<QMessageBox::StandardButton> answers;
    return answers;
}

std::optional<MessageBoxes::Shown>& lastShownStore()
{
    static std::optional<MessageBoxes::Shown> shown;
    return shown;
}

QMessageBox::StandardButton firstButton(QMessageBox::StandardButtons buttons)
{
    for (int bit = 0; bit < 32; ++bit) {
        const auto button = QMessageBox::StandardButton(1u << bit);
        if (buttons.testFlag(button))
            return button;
    }
    return QMessageBox::NoButton;
}

} // namespace

QMessageBox::StandardButton MessageBoxes::ask(QMessageBox::Icon icon, QWidget* parent,
    const QString& title, const QString& text, QMessageBox::StandardButtons buttons,
    QMessageBox::StandardButton defaultButton, const QString& okText)
{
    lastShownStore() = Shown { icon, title, text };
    if (!pendingAnswers().isEmpty())
        return pendingAnswers().takeFirst();
    if (!qgetenv("LEDGERINE_TEST_DISMISS_BOXES").isEmpty()) {
        std::fprintf(
            stderr, "%s\n%s\n", title.toLocal8Bit().constData(), text.toLocal8Bit().constData());
        return defaultButton != QMessageBox::NoButton ? defaultButton : firstButton(buttons);
    }
    QMessageBox box(icon, title, text, buttons, parent);
    // What a box says can be copied (an invite code, an error to report).
    box.setTextInteractionFlags(Qt::TextSelectableByMouse);
    if (defaultButton != QMessageBox::NoButton)
        box.setDefaultButton(defaultButton);
    if (!okText.isEmpty() && box.button(QMessageBox::Ok))
        box.button(QMessageBox::Ok)->setText(okText);
    // A box sized to a short text leaves the window manager too little room
    // for the title, which it then cuts ("Rename...mplete").
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout())) {
        const int titleWidth = box.fontMetrics().horizontalAdvance(title) + kTitleBarRoom;
        grid->addItem(new QSpacerItem(titleWidth, 0, QSizePolicy::Minimum, QSizePolicy::Fixed),
            grid->rowCount(), 0, 1, grid->columnCount());
    }
    return QMessageBox::StandardButton(box.exec());
}

QMessageBox::StandardButton MessageBoxes::question(QWidget* parent, const QString& title,
    const QString& text, QMessageBox::StandardButtons buttons,
    QMessageBox::StandardButton defaultButton)
{
    return ask(QMessageBox::Question, parent, title, text, buttons, defaultButton);
}

QMessageBox::StandardButton MessageBoxes::warning(QWidget* parent, const QString& title,
    const QString& text, QMessageBox::StandardButtons buttons,
    QMessageBox::StandardButton defaultButton)
{
    return ask(QMessageBox::Warning, parent, title, text, buttons, defaultButton);
}

void MessageBoxes::information(QWidget* parent, const QString& title, const QString& text)
{
    ask(QMessageBox::Information, parent, title, text, QMessageBox::Ok, QMessageBox::Ok);
}

void MessageBoxes::critical(QWidget* parent, const QString& title, const QString& text)
{
    ask(QMessageBox::Critical, parent, title, text, QMessageBox::Ok, QMessageBox::Ok);
}

QMessageBox::StandardButton MessageBoxes::offer(
    QWidget* parent, const QString& title, const QString& text, const QString& action)
{
    return ask(QMessageBox::Information, parent, title, text, QMessageBox::Ok | QMessageBox::Cancel,
        QMessageBox::Ok, action);
}

QMessageBox::StandardButton MessageBoxes::criticalOffer(
    QWidget* parent, const QString& title, const QString& text, const QString& action)
{
    return ask(QMessageBox::Critical, parent, title, text, QMessageBox::Ok | QMessageBox::Close,
        QMessageBox::Close, action);
}

void MessageBoxes::setNextAnswer(QMessageBox::StandardButton answer)
{
    pendingAnswers().append(answer);
}

void MessageBoxes::clearAnswers()
{
    pendingAnswers().clear();
    lastShownStore().reset();
}

std::optional<MessageBoxes::Shown> MessageBoxes::lastShown()
{
    return lastShownStore();
}
