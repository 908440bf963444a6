#pragma once

#include <QObject>

class Database;

// A small, current-looking ledger for a first look at the program: three
// accounts, two months of transactions and three schedules, all under ids
// beginning with "sample-" so that they can be taken out again.
class SampleDataService : public QObject {
    Q_OBJECT

public:
    SampleDataService(Database* db, QObject* parent = nullptr);

    bool hasSampleData() const;
    // Writes the whole set in one unit of work, dated around today; false,
    // with nothing written, when a write fails or the set is already there.
    bool loadSampleData();
    // Deletes the sample rows and whatever was recorded inside the sample
    // accounts since (they go with the accounts), in one unit of work; rows
    // of other accounts stay. False, with nothing deleted, on failure.
    bool clearSampleData();

private:
    Database* m_db;
};
