#pragma once

#include "app/LanguageSetup.h"

#include <QCoreApplication>
#include <QLocale>
#include <QTranslator>

// The interface in `code` for as long as it lives; English (United States)
// again afterwards.
class ScopedLanguage {
public:
    explicit ScopedLanguage(const QString& code)
        : m_installed(LanguageSetup::install(code, nullptr))
    {
    }
    ~ScopedLanguage()
    {
        for (QTranslator* translator : { m_installed.qtBase, m_installed.app }) {
            QCoreApplication::removeTranslator(translator);
            delete translator;
        }
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    }
    const LanguageSetup::Translators& installed() const { return m_installed; }

    ScopedLanguage(const ScopedLanguage&) = delete;
    ScopedLanguage& operator=(const ScopedLanguage&) = delete;

private:
    LanguageSetup::Translators m_installed;
};
