#pragma once

#include <QDoubleSpinBox>

// A two-decimal amount box for keyboard entry: typing the decimal separator
// (or a comma or full stop) while the text already has a decimal point jumps
// to the cents instead of inserting anything.
class SmartAmountField : public QDoubleSpinBox {
    Q_OBJECT

public:
    explicit SmartAmountField(QWidget* parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    QString decimalPoint() const;
    bool jumpToCents(const QString& typed);
    void prepareCentsOverwrite(const QString& typed);
};
