#pragma once

#include <QLocale>
#include <QString>

class QObject;
class QTranslator;

// The interface language of the process: Qt's own texts, the program's
// catalogue, and the default locale that dates, numbers and calendars follow.
// Stored data never goes through the default locale.
class LanguageSetup {
public:
    struct Translators {
        QTranslator* qtBase = nullptr;
        QTranslator* app = nullptr;
    };

    // Installs on the running application; a catalogue that does not load is
    // left out and the source texts show.
    static Translators install(const QString& code, QObject* owner);

    // The system locale when it speaks `code` (so its region's formats stay),
    // else the language's own locale.
    static QLocale localeFor(const QString& code);
};
