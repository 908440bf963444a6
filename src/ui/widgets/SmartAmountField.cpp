#include "SmartAmountField.h"

#include "MessageBoxes.h"
#include "data/Money.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QRegularExpression>

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

QString SmartAmountField::typedNumber(const QString& text) const
{
    QString number = text;
    if (!prefix().isEmpty() && number.startsWith(prefix()))
        number = number.mid(prefix().size());
    if (!suffix().isEmpty() && number.endsWith(suffix()))
        number.chop(suffix().size());
    return number.trimmed();
}

QValidator::State SmartAmountField::validate(QString& text, int&) const
{
    const QString number = typedNumber(text);
    if (number.isEmpty() || number == QLatin1String("-"))
        return minimum() < 0 || number.isEmpty() ? QValidator::Intermediate : QValidator::Invalid;
    if (number.startsWith(QChar('-')) && minimum() >= 0)
        return QValidator::Invalid;
    // A third decimal is refused as it is typed, not rounded away later; yen
    // decimals wait for the form's OK to say why they are refused.
    const int places = Money::decimals(m_currency);
    if (places > 0 && Money::typedDecimals(number, m_currency) > places)
        return QValidator::Invalid;
    if (const auto amount = Money::tryParseAmount(number, m_currency)) {
        const double value = Money::toValue(*amount, m_currency);
        return value >= minimum() && value <= maximum() ? QValidator::Acceptable
                                                        : QValidator::Invalid;
    }
    // Separators on the way to an amount ("1,", "1.5" on the way to "1.500").
    static const QRegularExpression typing(QStringLiteral("^-?[\\d.,\\s]*$"));
    return typing.match(number).hasMatch() ? QValidator::Intermediate : QValidator::Invalid;
}

double SmartAmountField::valueFromText(const QString& text) const
{
    return Money::toValue(Money::parseAmount(typedNumber(text), m_currency), m_currency);
}

QString SmartAmountField::refusal() const
{
    const QString number = typedNumber(lineEdit()->text());
    QString reason;
    const auto amount = Money::tryParseAmount(number, m_currency, &reason);
    if (amount)
        return Money::isWithinLimit(*amount) ? QString() : Money::limitMessage(m_currency);
    if (!reason.isEmpty())
        return reason;
    // The register's words for the same mistake.
    return QCoreApplication::translate("RegisterScreen", "%1 is not an amount").arg(number);
}

bool SmartAmountField::confirmAll(QWidget* form)
{
    for (SmartAmountField* field : form->findChildren<SmartAmountField*>()) {
        const QString reason = field->isVisibleTo(form) ? field->refusal() : QString();
        if (reason.isEmpty())
            continue;
        MessageBoxes::warning(form, form->windowTitle(), reason);
        field->setFocus(Qt::OtherFocusReason);
        field->selectAll();
        return false;
    }
    return true;
}

void SmartAmountField::focusOutEvent(QFocusEvent* event)
{
    const QString typed = lineEdit()->text();
    const bool refused = !refusal().isEmpty();
    QDoubleSpinBox::focusOutEvent(event);
    // Turning it back into the previous amount without a word would store
    // something the user never typed; it waits for the form's OK to explain.
    if (refused)
        lineEdit()->setText(typed);
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
