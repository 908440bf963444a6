#pragma once

#include <QString>
#include <QTemporaryDir>

class Database;

// A real, small filesystem for the length of a test: a tmpfs mounted on a
// temporary directory (the test command runs as root, as CI does). A store
// kept on it meets a full disk as it would on a user's computer.
class SmallDisk {
public:
    explicit SmallDisk(qint64 bytes);
    ~SmallDisk();

    SmallDisk(const SmallDisk&) = delete;
    SmallDisk& operator=(const SmallDisk&) = delete;

    bool isMounted() const { return m_mounted; }
    QString path() const { return m_dir.path(); }
    // Takes every byte that is left, so the next write to the disk fails.
    bool fill();
    // Gives that space back.
    void release();

    // From the `n`th row inserted into `table` of `db` on, the disk is full
    // and SQLite's page cache holds a few pages only, so the rows that follow
    // must be written out in the middle of the run, as a large import does.
    bool fillAtInsert(Database* db, const QString& table, int n);
    // Gives the space back as soon as the store reports the disk full, as
    // when another program deletes a file: what is written after that fits.
    void releaseWhenFull();

    // Called by SQLite for every row counted by fillAtInsert.
    void onInsert(void* connection);

private:
    QTemporaryDir m_dir;
    bool m_mounted = false;
    int m_insertsLeft = -1;
};
