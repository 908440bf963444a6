#include "LanguageSetup.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace {

QTranslator* loaded(QTranslator* translator, bool ok)
{
    if (ok && QCoreApplication::installTranslator(translator))
        return translator;
    delete translator;
    return nullptr;
}

} // namespace

LanguageSetup::Translators LanguageSetup::install(const QString& code, QObject* owner)
{
    const QLocale locale = localeFor(code);
    QLocale::setDefault(locale);

    Translators result;
    if (code != QLatin1String("en")) {
        auto* qtBase = new QTranslator(owner);
        result.qtBase = loaded(qtBase,
            qtBase->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                QLibraryInfo::path(QLibraryInfo::TranslationsPath)));
    }
    auto* app = new QTranslator(owner);
    result.app = loaded(app, app->load(QStringLiteral(":/i18n/ledgerine_%1.qm").arg(code)));
    return result;
}

QLocale LanguageSetup::localeFor(const QString& code)
{
    const QLocale chosen(code);
    const QLocale system = QLocale::system();
    return system.language() == chosen.language() ? system : chosen;
}
