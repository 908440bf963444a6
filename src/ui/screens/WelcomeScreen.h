#pragma once

#include <QWidget>

class QLabel;
class QPushButton;

// The page shown when there is no account to show and nobody is signed in.
// It greets a first-time user (create an account, or sign in) or a returning
// one whose session ended (sign in again, or start a new local account) and
// hands the choice to the main window.
class WelcomeScreen : public QWidget {
    Q_OBJECT

public:
    explicit WelcomeScreen(QWidget* parent = nullptr);

    void setReturningUser(bool returning);

Q_SIGNALS:
    void createAccountRequested();
    void signInRequested();

private:
    QWidget* buildHowItWorksCard();

    QLabel* m_title;
    QLabel* m_subtitle;
    QLabel* m_signedOutNotice;
    QWidget* m_howItWorks;
    QPushButton* m_createButton;
    QPushButton* m_signInButton;
};
