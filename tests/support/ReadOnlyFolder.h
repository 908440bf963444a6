#pragma once

#include <QString>

// Makes a folder and the files in it read-only for this process until the
// object goes: for root, whom permissions do not stop, by mounting it
// read-only over itself; for anyone else by taking the write permissions away.
class ReadOnlyFolder {
public:
    explicit ReadOnlyFolder(const QString& path);
    ~ReadOnlyFolder();

    ReadOnlyFolder(const ReadOnlyFolder&) = delete;
    ReadOnlyFolder& operator=(const ReadOnlyFolder&) = delete;

    // False when the folder could not be made read-only: the test fails.
    bool isReadOnly() const { return m_readOnly; }

private:
    QString m_path;
    bool m_mounted = false;
    bool m_readOnly = false;
};
