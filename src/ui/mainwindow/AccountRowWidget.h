#pragma once

#include "data/Account.h"

#include <QWidget>
#include <optional>

// One account in the sidebar: the type glyph, the name with its balance in the
// account's currency, and the institution (or type) with the last digits of
// the account number. The sidebar is dark in both themes, so are its colours.
class AccountRowWidget : public QWidget {
    Q_OBJECT

public:
    // Without a balance (the store could not compute it) the row shows an error marker.
    AccountRowWidget(
        const Account& account, std::optional<qint64> balance, QWidget* parent = nullptr);

    static char32_t glyph(AccountType type);
    static QString typeName(AccountType type);
    // The institution, else the type name, with "  ·  *1234" when the digits are known.
    static QString detailLine(const Account& account);
};
