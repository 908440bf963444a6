#pragma once

#include <QByteArray>
#include <QString>

// The sign-in pages' texts in the desktop's five languages. The server has no
// translator of its own: the few texts live in one table, chosen by the
// browser's Accept-Language.
namespace PageTexts {

enum class Text {
    SignInTitle,
    RegisterTitle,
    Email,
    Password,
    SignIn,
    CreateAccount,
    WrongCredentials,
    TooManyAttempts,
    BadLink,
    FormExpired,
    DisplayName,
    ConfirmPassword,
    PasswordsDiffer,
    PasswordTooShort,
    EmailTaken,
    EmailInvalid,
    HaveAccount,
    Unavailable,
};

// "en", "de", "es", "fr" or "ja": the first the browser accepts, else "en".
QString languageFor(const QByteArray& acceptLanguage);
QString text(Text text, const QString& language);

} // namespace PageTexts
