#include "Catalogue.h"

#include <QFile>
#include <algorithm>
#include <QXmlStreamReader>

Catalogue Catalogue::read(const QString& path)
{
    Catalogue catalogue;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return catalogue;
    QXmlStreamReader xml(&file);
    QString context;
    Entry entry;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        const auto name = xml.name();
        if (name == u"name") {
            context = xml.readElementText();
        } else if (name == u"message") {
            entry = Entry { context, {}, {}, {}, {},
                xml.attributes().value(QLatin1String("numerus")) == u"yes" };
        } else if (name == u"source") {
            entry.source = xml.readElementText();
        } else if (name == u"comment") {
            entry.comment = xml.readElementText();
        } else if (name == u"translation") {
            entry.type = xml.attributes().value(QLatin1String("type")).toString();
            if (!entry.numerus)
                entry.forms << xml.readElementText();
            else
                while (xml.readNextStartElement())
                    entry.forms << xml.readElementText();
            catalogue.m_index.insert(entry.key(), catalogue.m_entries.size());
            catalogue.m_entries << entry;
        }
    }
    catalogue.m_valid = !xml.hasError();
    return catalogue;
}

QString Catalogue::path(const QString& language)
{
    return sourceDir() + QStringLiteral("/resources/i18n/ledgerine_%1.ts").arg(language);
}

QString Catalogue::sourceDir()
{
    return QStringLiteral(LEDGERINE_SOURCE_DIR);
}

QString Catalogue::lupdate()
{
    return QStringLiteral(LEDGERINE_LUPDATE);
}

QString Catalogue::shown(const QString& context, const QString& source, int form) const
{
    const auto at = m_index.constFind(context + u'\x1f' + source + u'\x1f');
    if (at == m_index.constEnd())
        return source;
    const Entry& entry = m_entries.at(*at);
    const QString text = entry.forms.value(qMin(form, int(entry.forms.size()) - 1));
    return text.isEmpty() ? source : text;
}

bool Catalogue::hasTranslations() const
{
    return std::any_of(m_entries.begin(), m_entries.end(), [](const Entry& entry) {
        return std::any_of(entry.forms.begin(), entry.forms.end(),
            [](const QString& form) { return !form.isEmpty(); });
    });
}
