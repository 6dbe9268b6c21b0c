#include "settings/SettingsStore.h"

#include "files/SafeFile.h"

#include <QFileInfo>

SettingsStore::SettingsStore(QString path, QString startingFrom)
    : m_path(std::move(path))
    , m_startingFrom(std::move(startingFrom))
{
}

QString SettingsStore::readPath() const
{
    return m_startingFrom.isEmpty() || QFileInfo::exists(m_path) ? m_path : m_startingFrom;
}

Failure SettingsStore::load()
{
    Failure failure;
    m_document = IniDocument::load(readPath(), &failure);
    m_unreadable = failure;
    return failure;
}

Failure SettingsStore::edit(const std::function<void(IniDocument &)> &change)
{
    if (m_frozen)
        return {};
    if (m_unreadable.failed())
        return m_unreadable;
    Failure failure;
    IniDocument document = IniDocument::load(readPath(), &failure);
    if (failure.failed())
        return failure;
    const QByteArray before = document.bytes();
    change(document);
    if (document.bytes() == before && QFileInfo::exists(m_path))
        return {};
    return document.save(m_path);
}

void SettingsStore::removeSaveLeftovers() const { RemoveOwnTemporaryFiles(QFileInfo(m_path).absolutePath()); }
