#include "SmartAmountField.h"

#include <QKeyEvent>
#include <QLineEdit>

SmartAmountField::SmartAmountField(QWidget* parent)
    : QDoubleSpinBox(parent)
{
    setDecimals(2);
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
}

QString SmartAmountField::decimalPoint() const
{
    const QString point = locale().decimalPoint();
    return point.isEmpty() ? QStringLiteral(".") : point;
}

void SmartAmountField::keyPressEvent(QKeyEvent* event)
{
    const QString typed = event->text();
    if (jumpToCents(typed)) {
        event->accept();
        return;
    }
    prepareCentsOverwrite(typed);
    QDoubleSpinBox::keyPressEvent(event);
}

bool SmartAmountField::jumpToCents(const QString& typed)
{
    if (typed != decimalPoint() && typed != QLatin1String(",") && typed != QLatin1String("."))
        return false;
    QLineEdit* edit = lineEdit();
    const qsizetype point = edit->text().indexOf(decimalPoint(), prefix().size());
    if (point < 0)
        return false;
    edit->deselect();
    edit->setCursorPosition(int(point + decimalPoint().size()));
    return true;
}

// After the jump the cents are already full, and the validator would refuse a
// third decimal: a digit typed there replaces the one after the cursor instead.
void SmartAmountField::prepareCentsOverwrite(const QString& typed)
{
    QLineEdit* edit = lineEdit();
    if (typed.size() != 1 || !typed.at(0).isDigit() || edit->hasSelectedText())
        return;
    const QString text = edit->text();
    const qsizetype point = text.indexOf(decimalPoint(), prefix().size());
    if (point < 0)
        return;
    const qsizetype centsStart = point + decimalPoint().size();
    const qsizetype centsEnd = text.size() - suffix().size();
    const int cursor = edit->cursorPosition();
    if (cursor < centsStart || cursor >= centsEnd || centsEnd - centsStart < decimals())
        return;
    edit->setSelection(cursor, 1);
}
