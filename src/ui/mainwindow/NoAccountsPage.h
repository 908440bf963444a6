#pragma once

#include <QWidget>

// The page of a signed-in user without any account: a greeting and one
// button to create the first account.
class NoAccountsPage : public QWidget {
    Q_OBJECT

public:
    explicit NoAccountsPage(QWidget* parent = nullptr);

Q_SIGNALS:
    void createAccountRequested();
};
