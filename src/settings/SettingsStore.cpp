#include "settings/SettingsStore.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

SettingsStore::SettingsStore(QString path)
    : m_path(std::move(path))
{
}

Failure SettingsStore::load()
{
    Failure failure;
    m_document = IniDocument::load(m_path, &failure);
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
    IniDocument document = IniDocument::load(m_path, &failure);
    if (failure.failed())
        return failure;
    const QByteArray before = document.bytes();
    change(document);
    if (document.bytes() == before && QFileInfo::exists(m_path))
        return {};
    return document.save(m_path);
}

void SettingsStore::removeSaveLeftovers() const
{
    const QFileInfo settings(m_path);
    QDir folder = settings.absoluteDir();
    // Six random letters or digits after the name. A name of only small
    // letters is left alone: that looks like a user's own copy ("….backup"),
    // and a leftover rarely has no capital.
    const QRegularExpression leftover(
        QStringLiteral("^%1\\.[A-Za-z0-9]{6}$").arg(QRegularExpression::escape(settings.fileName())));
    const QRegularExpression userLike(QStringLiteral("\\.[a-z]{6}$"));
    for (const QFileInfo &entry : folder.entryInfoList({settings.fileName() + QStringLiteral(".*")},
                                                       QDir::Files | QDir::Hidden | QDir::NoSymLinks)) {
        if (leftover.match(entry.fileName()).hasMatch() && !userLike.match(entry.fileName()).hasMatch())
            QFile::remove(entry.absoluteFilePath());
    }
}
