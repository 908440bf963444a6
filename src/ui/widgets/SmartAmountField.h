#pragma once

#include "data/Currency.h"

#include <QDoubleSpinBox>

// An amount box in one currency for keyboard entry: typing the decimal separator
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

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    QString decimalPoint() const;
    bool jumpToCents(const QString& typed);
    void prepareCentsOverwrite(const QString& typed);

    Currency m_currency = Currency::USD;
};
