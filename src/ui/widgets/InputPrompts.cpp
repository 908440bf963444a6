#include "InputPrompts.h"

#include <QInputDialog>
#include <QList>
#include <algorithm>

namespace {

QList<std::optional<QString>>& pendingAnswers()
{
    static QList<std::optional<QString>> answers;
    return answers;
}

QStringList& askedLabels()
{
    static QStringList labels;
    return labels;
}

} // namespace

std::optional<QString> InputPrompts::text(QWidget* parent, const QString& title,
    const QString& label, const QString& initial, QLineEdit::EchoMode echo)
{
    askedLabels().append(label);
    if (!pendingAnswers().isEmpty())
        return pendingAnswers().takeFirst();
    QInputDialog dialog(parent);
    dialog.setWindowTitle(title);
    dialog.setLabelText(label);
    dialog.setTextEchoMode(echo);
    dialog.setTextValue(initial);
    // Wide enough for its title and a name or an address as typed.
    dialog.resize(std::max(dialog.sizeHint().width(), 360), dialog.sizeHint().height());
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.textValue();
}

void InputPrompts::setNextAnswer(const std::optional<QString>& answer)
{
    pendingAnswers().append(answer);
}

void InputPrompts::clearAnswers()
{
    pendingAnswers().clear();
    askedLabels().clear();
}

QStringList InputPrompts::asked()
{
    return askedLabels();
}
