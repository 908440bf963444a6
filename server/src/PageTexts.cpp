#include "PageTexts.h"

#include <QList>
#include <QStringList>
#include <algorithm>
#include <array>

namespace {

const QStringList kLanguages = { QStringLiteral("en"), QStringLiteral("de"), QStringLiteral("es"),
    QStringLiteral("fr"), QStringLiteral("ja") };

// One row per text, in the order of Text; columns in the order of kLanguages.
using Row = std::array<const char*, 5>;
const Row kTexts[] = {
    { "Sign in to Mellowind Ledgerine", "Bei Mellowind Ledgerine anmelden",
        "Iniciar sesión en Mellowind Ledgerine", "Connexion à Mellowind Ledgerine",
        "Mellowind Ledgerine にサインイン" },
    { "Create a Mellowind Ledgerine account", "Ein Mellowind-Ledgerine-Konto anlegen",
        "Crear una cuenta de Mellowind Ledgerine", "Créer un compte Mellowind Ledgerine",
        "Mellowind Ledgerine のアカウントを作成" },
    { "E-mail address", "E-Mail-Adresse", "Correo electrónico", "Adresse e-mail",
        "メールアドレス" },
    { "Password", "Passwort", "Contraseña", "Mot de passe", "パスワード" },
    { "Sign in", "Anmelden", "Iniciar sesión", "Se connecter", "サインイン" },
    { "Create account", "Konto anlegen", "Crear cuenta", "Créer un compte", "アカウントを作成" },
    { "The e-mail address or the password is not right.",
        "E-Mail-Adresse oder Passwort stimmt nicht.",
        "El correo electrónico o la contraseña no son correctos.",
        "L'adresse e-mail ou le mot de passe est incorrect.",
        "メールアドレスまたはパスワードが正しくありません。" },
    { "Too many failed attempts. Wait a minute and try again.",
        "Zu viele Fehlversuche. Warten Sie eine Minute und versuchen Sie es dann erneut.",
        "Demasiados intentos fallidos. Espere un minuto y vuelva a intentarlo.",
        "Trop de tentatives échouées. Attendez une minute puis réessayez.",
        "失敗した試行が多すぎます。1 分待ってからもう一度お試しください。" },
    { "This sign-in link is not valid. Start the sign-in again from Mellowind Ledgerine.",
        "Dieser Anmeldelink ist ungültig. Starten Sie die Anmeldung erneut in Mellowind Ledgerine.",
        "Este enlace de inicio de sesión no es válido. Vuelva a iniciar sesión desde Mellowind "
        "Ledgerine.",
        "Ce lien de connexion n'est pas valide. Relancez la connexion depuis Mellowind Ledgerine.",
        "このサインインのリンクは無効です。Mellowind Ledgerine "
        "からもう一度サインインしてください。" },
    { "The form has expired. Please enter your details again.",
        "Das Formular ist abgelaufen. Bitte geben Sie Ihre Angaben erneut ein.",
        "El formulario ha caducado. Vuelva a introducir sus datos.",
        "Le formulaire a expiré. Veuillez saisir à nouveau vos informations.",
        "フォームの有効期限が切れました。もう一度入力してください。" },
    { "Your name", "Ihr Name", "Su nombre", "Votre nom", "お名前" },
    { "Password again", "Passwort wiederholen", "Repita la contraseña", "Confirmez le mot de passe",
        "パスワード（確認）" },
    { "The passwords do not match.", "Die Passwörter stimmen nicht überein.",
        "Las contraseñas no coinciden.", "Les mots de passe ne correspondent pas.",
        "パスワードが一致しません。" },
    { "The password needs at least 8 characters.", "Das Passwort braucht mindestens 8 Zeichen.",
        "La contraseña necesita al menos 8 caracteres.",
        "Le mot de passe doit comporter au moins 8 caractères.",
        "パスワードは 8 文字以上にしてください。" },
    { "There is already an account with this e-mail address.",
        "Es gibt bereits ein Konto mit dieser E-Mail-Adresse.",
        "Ya existe una cuenta con este correo electrónico.",
        "Un compte existe déjà avec cette adresse e-mail.",
        "このメールアドレスのアカウントは既に存在します。" },
    { "Enter a valid e-mail address.", "Geben Sie eine gültige E-Mail-Adresse ein.",
        "Introduzca un correo electrónico válido.", "Saisissez une adresse e-mail valide.",
        "有効なメールアドレスを入力してください。" },
    { "Already have an account? Sign in", "Schon ein Konto? Anmelden",
        "¿Ya tiene una cuenta? Inicie sesión", "Vous avez déjà un compte ? Connectez-vous",
        "アカウントをお持ちの場合はサインイン" },
    { "The server cannot sign you in right now. Try again later.",
        "Der Server kann Sie gerade nicht anmelden. Versuchen Sie es später erneut.",
        "El servidor no puede iniciar su sesión ahora. Inténtelo más tarde.",
        "Le serveur ne peut pas vous connecter pour le moment. Réessayez plus tard.",
        "現在サインインできません。しばらくしてからもう一度お試しください。" },
};
static_assert(std::size(kTexts) == std::size_t(PageTexts::Text::Unavailable) + 1);

} // namespace

QString PageTexts::languageFor(const QByteArray& acceptLanguage)
{
    // "fr-CH, fr;q=0.9, en;q=0.8": by weight, then in the order given.
    QList<std::pair<double, QString>> wanted;
    for (const QByteArray& part : acceptLanguage.split(',')) {
        const QList<QByteArray> pieces = part.trimmed().split(';');
        double weight = 1.0;
        for (const QByteArray& piece : pieces.mid(1)) {
            if (piece.trimmed().startsWith("q="))
                weight = piece.trimmed().mid(2).toDouble();
        }
        const QString primary = QString::fromLatin1(pieces.value(0).trimmed())
                                    .section(QLatin1Char('-'), 0, 0)
                                    .toLower();
        if (weight > 0 && kLanguages.contains(primary))
            wanted.append({ weight, primary });
    }
    std::stable_sort(wanted.begin(), wanted.end(),
        [](const auto& a, const auto& b) { return a.first > b.first; });
    return wanted.isEmpty() ? kLanguages.first() : wanted.first().second;
}

QString PageTexts::text(Text text, const QString& language)
{
    const qsizetype column = std::max<qsizetype>(0, kLanguages.indexOf(language));
    return QString::fromUtf8(kTexts[std::size_t(text)][std::size_t(column)]);
}
