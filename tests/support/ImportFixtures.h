#pragma once

#include <QString>

// A sample file of tests/data/fixtures/import.
inline QString importFixture(const QString& name)
{
    return QStringLiteral(LEDGERINE_TEST_DATA "/import/") + name;
}
