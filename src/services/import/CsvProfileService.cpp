#include "CsvProfileService.h"

#include "CsvProfileText.h"
#include "data/Clock.h"
#include "data/CsvProfileRepository.h"
#include "data/Ids.h"
#include "data/SingleLine.h"

namespace {

std::optional<CsvProfile> profileFrom(const CsvProfileRecord& record)
{
    const auto mapping = CsvProfileText::fromJson(record.mapping);
    if (!mapping)
        return std::nullopt;
    return CsvProfile { record.id, record.accountId, record.name, record.headerShape, *mapping };
}

} // namespace

CsvProfileService::CsvProfileService(CsvProfileRepository* repository, QObject* parent)
    : QObject(parent)
    , m_repository(repository)
{
}

QList<CsvProfile> CsvProfileService::profiles(const QString& accountId) const
{
    QList<CsvProfile> profiles;
    for (const CsvProfileRecord& record : m_repository->forAccount(accountId)) {
        if (auto profile = profileFrom(record))
            profiles.append(*profile);
    }
    return profiles;
}

std::optional<CsvProfile> CsvProfileService::named(
    const QString& accountId, const QString& name) const
{
    for (const CsvProfile& profile : profiles(accountId)) {
        if (profile.name.compare(name.trimmed(), Qt::CaseInsensitive) == 0)
            return profile;
    }
    return std::nullopt;
}

std::optional<CsvProfile> CsvProfileService::matching(
    const QString& accountId, const QString& text) const
{
    for (const CsvProfile& profile : profiles(accountId)) {
        if (CsvProfileText::headerShape(text, profile.mapping) == profile.headerShape)
            return profile;
    }
    return std::nullopt;
}

std::optional<CsvProfile> CsvProfileService::remember(
    const QString& accountId, const QString& text, const CsvMapping& mapping, const QString& name)
{
    const QString shape = CsvProfileText::headerShape(text, mapping);
    if (shape.isEmpty())
        return std::nullopt;
    const QList<CsvProfile> existing = profiles(accountId);
    CsvProfile profile { Ids::newId(), accountId, SingleLine::clean(name), shape, mapping };
    const auto same = std::find_if(existing.cbegin(), existing.cend(), [&](const CsvProfile& p) {
        return CsvProfileText::headerShape(text, p.mapping) == p.headerShape;
    });
    if (same != existing.cend()) {
        profile.id = same->id;
        profile.name = same->name;
    } else {
        const QString base = profile.name;
        for (int n = 2; named(accountId, profile.name); ++n)
            profile.name = QStringLiteral("%1 (%2)").arg(base).arg(n);
    }
    CsvProfileRecord record;
    record.id = profile.id;
    record.accountId = accountId;
    record.name = profile.name;
    record.headerShape = shape;
    record.mapping = CsvProfileText::toJson(mapping);
    record.updatedAt = Clock::nowUtc();
    if (!m_repository->save(record))
        return std::nullopt;
    Q_EMIT profilesChanged(accountId);
    return profile;
}

bool CsvProfileService::rename(const QString& id, const QString& name)
{
    const QString clean = SingleLine::clean(name);
    const auto record = m_repository->findById(id);
    if (clean.isEmpty() || !record || record->deletedAt)
        return false;
    if (const auto other = named(record->accountId, clean); other && other->id != id)
        return false;
    if (!m_repository->rename(id, clean))
        return false;
    Q_EMIT profilesChanged(record->accountId);
    return true;
}

bool CsvProfileService::remove(const QString& id)
{
    const auto record = m_repository->findById(id);
    if (!record || record->deletedAt || !m_repository->remove(id))
        return false;
    Q_EMIT profilesChanged(record->accountId);
    return true;
}
