#pragma once

#include <QString>

// Makes a folder and the files in it read-only until the object goes, by
// mounting it read-only over itself: permissions do not stop root, whom the
// test command runs as.
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
