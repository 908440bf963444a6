#pragma once

#include "Artifact.h"

#include <QByteArray>
#include <QMap>
#include <QString>
#include <optional>

namespace MellUpdate {

// The release feed's latest.json: the newest build per platform key.
struct Manifest {
    QString app;
    QString channel;
    QMap<QString, Artifact> artifacts;

    // The manifest in `json`, or nothing with the reason in `error`.
    static std::optional<Manifest> parse(const QByteArray& json, QString* error);

    // The key this build's artifacts are published under ("linux-x64",
    // "windows-x64", "macos-arm64", ...); empty for a platform without builds.
    static QString platformKey();
    static QString platformKey(const QString& kernelType, const QString& cpuArchitecture);
};

} // namespace MellUpdate
