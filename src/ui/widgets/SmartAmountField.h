#pragma once

#include "data/Currency.h"

#include <QDoubleSpinBox>

// An amount box in one currency for keyboard entry. Typed text is read by the
// program's one amount reader, in the box's currency, so "800,50" is eight
// hundred euros and fifty cents in any language. Typing the decimal separator
// (or a comma or full stop) while the text already has a decimal point jumps
// to the cents instead of inserting anything.
class SmartAmountField : public QDoubleSpinBox {
    Q_OBJECT

public:
    explicit SmartAmountField(QWidget* parent = nullptr);

    // Symbol prefix, decimals and range of the currency, up to the largest
    // amount the store accepts; negative values only when `allowNegative`.
    void setCurrency(Currency currency, bool allowNegative = false);
    Currency currency() const { return m_currency; }
    // The value in minor units of the currency, and back.
    qint64 amount() const;
    void setAmount(qint64 amount);

    // Why the typed text is no amount ("Yen amounts have no decimals"); empty
    // when it reads as one. Refused text stays in the box to be corrected.
    QString refusal() const;
    // For a form's OK: false, with the first refused amount among the form's
    // visible boxes explained in a box and focused.
    static bool confirmAll(QWidget* form);

    QValidator::State validate(QString& text, int& pos) const override;
    double valueFromText(const QString& text) const override;
    // Nothing is guessed: dropping a separator would make "12,5" yen 125.
    void fixup(QString&) const override { }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    QString decimalPoint() const;
    // The typed number without prefix and suffix.
    QString typedNumber(const QString& text) const;
    bool jumpToCents(const QString& typed);
    void prepareCentsOverwrite(const QString& typed);

    Currency m_currency = Currency::USD;
};
