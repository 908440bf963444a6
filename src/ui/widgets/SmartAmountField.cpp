#include "SmartAmountField.h"

#include "data/Money.h"

#include <QKeyEvent>
#include <QLineEdit>

SmartAmountField::SmartAmountField(QWidget* parent)
    : QDoubleSpinBox(parent)
{
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    setCurrency(Currency::USD);
}

void SmartAmountField::setCurrency(Currency currency, bool allowNegative)
{
    m_currency = currency;
    setDecimals(Money::decimals(currency));
    setPrefix(Money::currencySymbol(currency) + QLatin1Char(' '));
    const double max = Money::maxValue(currency);
    setRange(allowNegative ? -max : 0.0, max);
}

qint64 SmartAmountField::amount() const
{
    return Money::fromValue(value(), m_currency);
}

void SmartAmountField::setAmount(qint64 amount)
{
    setValue(Money::toValue(amount, m_currency));
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
