#pragma once

#include "services/import/ImportTypes.h"

#include <QString>
#include <QStringList>

// A sample file of tests/data/fixtures/import.
inline QString importFixture(const QString& name)
{
    return QStringLiteral(LEDGERINE_TEST_DATA "/import/") + name;
}

// The result's counts that are not zero, "imported 4 invalid 3", so that one
// comparison checks every count.
inline QString counts(const ImportResult& r)
{
    const std::pair<const char*, int> all[] { { "imported", r.imported },
        { "duplicates", r.duplicates }, { "invalid", r.invalid }, { "unsupported", r.unsupported },
        { "withoutAccount", r.withoutAccount }, { "linked", r.transfersLinked },
        { "retroactive", r.retroactiveLinks }, { "failures", r.insertFailures },
        { "adjusted", r.adjusted } };
    QStringList out;
    for (const auto& [name, n] : all) {
        if (n != 0)
            out << QStringLiteral("%1 %2").arg(QLatin1String(name)).arg(n);
    }
    return out.join(QLatin1Char(' '));
}
