#include "app/logic/PathKeeping.h"

#include "app/services/ErrorTrap.h"
#include "app/services/SharedDialogs.h"
#include "app/texts/Texts.h"
#include "files/FileChecks.h"
#include "files/FileOperations.h"
#include "files/FileSystemCalls.h"
#include "files/PathParts.h"
#include "files/SafeFile.h"
#include "settings/IniAccess.h"
#include "settings/SettingsStore.h"

#include <QCoreApplication>
#include <QFile>
#include <QList>

namespace {

const QByteArray LineEnd = QByteArrayLiteral("\r\n");

QByteArray WithoutLineEnd(QByteArray line)
{
    while (line.endsWith('\n') || line.endsWith('\r'))
        line.chop(1);
    return line;
}

} // namespace

PathKeepingResult StoreSavedPath(const SharedDialogs &dialogs, QWidget *owner, const QString &path,
                                 const QString &savedPathsFile, bool reportIfStored, bool confirm)
{
    const Language language = dialogs.app().language();
    const QString title = Text(TextId::StorePathTitle, language);
    PathKeepingResult result;
    if (!FileExists(savedPathsFile)) {
        if (const ErrorCode error = CreateEmptyFile(savedPathsFile, LinkAtTarget::Followed); error != ErrorCode::None) {
            result.failure = {error, savedPathsFile};
            return result;
        }
    }
    QFile file(savedPathsFile);
    if (!file.open(QIODevice::ReadOnly)) {
        result.failure = {FileSystem::CodeOfFileError(file.error()), savedPathsFile};
        return result;
    }
    // The other lines go back byte for byte, whatever their encoding.
    QList<QByteArray> lines;
    const QString key = ComparisonKey(path, false);
    while (!file.atEnd()) {
        const QByteArray line = WithoutLineEnd(file.readLine());
        if (file.error() != QFileDevice::NoError) {
            result.failure = {FileSystem::CodeOfFileError(file.error()), savedPathsFile};
            return result;
        }
        if (ComparisonKey(QString::fromUtf8(line), false) == key) {
            result.already = true;
            if (reportIfStored)
                dialogs.ShowMessageBox(owner, title, Text(TextId::PathAlreadyStored, language).arg(path),
                                       MessageStyle::Information);
            return result;
        }
        lines.append(line);
    }
    file.close();
    if (confirm
        && dialogs.ShowMessageBox(owner, title, Text(TextId::ConfirmStorePath, language).arg(path),
                                  MessageStyle::Question)
            != MessageAnswer::Yes) {
        result.cancelled = true;
        return result;
    }

    // The program's own file: a link the user put there stays, and the file it points to is written.
    SafeFile output(savedPathsFile, LinkAtTarget::Followed);
    bool written = output.open() && output.write(path.toUtf8() + LineEnd) >= 0;
    for (const QByteArray &line : std::as_const(lines)) {
        written = written && output.write(line + LineEnd) >= 0;
        // A long file must not freeze the window.
        QCoreApplication::processEvents();
    }
    result.failure = output.commit();
    result.written = !result.failure.failed();
    return result;
}

PathKeepingResult SetInitialPath(const SharedDialogs &dialogs, SettingsStore &settings, QWidget *owner,
                                 const QString &path, bool reportIfSame, bool confirm)
{
    const Language language = dialogs.app().language();
    const QString title = Text(TextId::InitialPathTitle, language);
    PathKeepingResult result;
    // The file as it is now: the path may have been set since the start.
    const IniDocument ini = IniDocument::load(settings.path(), &result.failure);
    if (result.failure.failed())
        return result;
    if (ComparisonKey(ReadIniString(ini, Setting::InitialPath), false) == ComparisonKey(path, false)) {
        result.already = true;
        if (reportIfSame)
            dialogs.ShowMessageBox(owner, title, Text(TextId::InitialPathAlreadySet, language).arg(path),
                                   MessageStyle::Information);
        return result;
    }
    if (confirm
        && dialogs.ShowMessageBox(owner, title, Text(TextId::ConfirmInitialPath, language).arg(path),
                                  MessageStyle::Question)
            != MessageAnswer::Yes) {
        result.cancelled = true;
        return result;
    }
    result.failure =
        settings.edit([&path](IniDocument &document) { WriteIniString(document, Setting::InitialPath, path); });
    result.written = !result.failure.failed();
    return result;
}

void StoreRecentPath(SharedDialogs &dialogs, QWidget *owner)
{
    ErrorTrap trap(dialogs, owner, QStringLiteral("SPR1000"));
    trap.check(StoreSavedPath(dialogs, owner, CurrentPath, SavedPathsFile).failure);
}

void StoreInitialPath(SharedDialogs &dialogs, SettingsStore &settings, QWidget *owner)
{
    ErrorTrap trap(dialogs, owner, QStringLiteral("SPI1000"));
    trap.check(SetInitialPath(dialogs, settings, owner, CurrentPath).failure);
}
