#pragma once

#include <QString>

class QFileDevice;

// Household finances are private: the files this program makes with the
// ledger's data (the database with its journal, backups) are its owner's
// alone, and so is the folder that holds them. A stricter umask of the user
// takes away what it takes away; these never widen anything.
namespace FilePrivacy {

// Narrows a file this program has just made to its owner (0600).
void restrictToOwner(const QString& path);
// Narrows a file being written (a QSaveFile's or QFile's) to its owner.
void restrictToOwner(QFileDevice& file);
// Makes the folder, its missing parents as the umask has them and itself
// for its owner only (0700); a folder already there is left as it is.
// False when there is no folder at `path` afterwards.
bool makePrivateDirectory(const QString& path);

} // namespace FilePrivacy
