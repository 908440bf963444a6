#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

// A translation catalogue (.ts) as lupdate writes it.
class Catalogue {
public:
    struct Entry {
        QString context;
        QString source;
        QString comment;
        QString type; // "", "unfinished", "vanished" or "obsolete"
        QStringList forms; // one text, or one per plural form
        bool numerus = false;
        QString key() const { return context + u'\x1f' + source + u'\x1f' + comment; }
    };

    static Catalogue read(const QString& path);
    static QString path(const QString& language);
    static QString sourceDir();
    static QString lupdate();

    bool isValid() const { return m_valid; }
    QList<Entry> entries() const { return m_entries; }
    bool hasTranslations() const;
    // What the program shows for the entry: its translation, or the source
    // text while none is written.
    QString shown(const QString& context, const QString& source, int form = 0) const;

private:
    bool m_valid = false;
    QList<Entry> m_entries;
    QHash<QString, qsizetype> m_index;
};
