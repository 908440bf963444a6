#pragma once

#include <QDateTime>
#include <QMetaType>
#include <QString>
#include <QUrl>

namespace MellUpdate {

// One downloadable build of a release, for one platform.
struct Artifact {
    QString version;
    QDateTime releasedAt;
    QUrl url;
    qint64 size = -1;
    QString sha256;
    bool mandatory = false;
    QString minUpgradableFrom;
    QUrl releaseNotesUrl;
};

} // namespace MellUpdate

Q_DECLARE_METATYPE(MellUpdate::Artifact)
