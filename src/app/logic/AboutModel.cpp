#include "app/logic/AboutModel.h"

#include "app/services/SharedDialogs.h"
#include "app/texts/Texts.h"

#include <QStandardPaths>

AboutModel::AboutModel(SharedDialogs &dialogs)
    : m_dialogs(dialogs)
    , m_language(dialogs.app().language())
{
}

QString AboutModel::caption() const { return Text(TextId::AboutCaption, m_language); }

QString AboutModel::title() const { return Text(TextId::ProgramTitle, m_language); }

QString AboutModel::versionLine() const { return Text(TextId::AboutVersion, m_language) + programVersion(); }

QString AboutModel::description() const { return Text(TextId::AboutDescription, m_language); }

QString AboutModel::disclaimer() const
{
    // The program is offered without one; the place for it stays, empty, in both languages.
    return QString();
}

QString AboutModel::sysInfoCaption() const { return Text(TextId::AboutSysInfo, m_language); }

QString AboutModel::okCaption() const { return Text(TextId::ButtonOk, m_language); }

QString AboutModel::makerName() const
{
    // The maker's name, which the main window's copyright button shows too.
    return Text(TextId::TipCopyright, m_language);
}

QString AboutModel::authorLine(const QDate &date) const
{
    // ISO order with leading zeros reads the same in both languages.
    return title() + QStringLiteral(" © ") + Text(TextId::AboutAuthor, m_language) + QStringLiteral(", ")
        + date.toString(Qt::ISODate);
}

QString AboutModel::versionNumber(int major, int minor, int revision)
{
    const auto part = [](int number) { return QStringLiteral("%1").arg(number, 4, 10, QLatin1Char('0')); };
    return part(major) + QLatin1Char('.') + part(minor) + QLatin1Char('.') + part(revision);
}

QString AboutModel::programVersion()
{
    // The build passes the project's version in.
    return versionNumber(EURO_VERSION_MAJOR, EURO_VERSION_MINOR, EURO_VERSION_PATCH);
}

const QStringList &AboutModel::systemInfoPrograms()
{
    // Programs that show the computer's hardware and system, for the common
    // desktops; a process monitor comes last, as it shows the least.
    static const QStringList programs = {QStringLiteral("hardinfo"), QStringLiteral("hardinfo2"),
                                         QStringLiteral("kinfocenter"), QStringLiteral("gnome-system-monitor")};
    return programs;
}

QString AboutModel::findSystemInfoProgram()
{
    for (const QString &program : systemInfoPrograms()) {
        const QString path = QStandardPaths::findExecutable(program);
        if (!path.isEmpty())
            return path;
    }
    return QString();
}

bool AboutModel::StartSysInfo(QWidget *owner) const
{
    const QString program = findSystemInfoProgram();
    if (!program.isEmpty() && m_dialogs.platform().startDetached(program, {}))
        return true;
    const Language language = m_dialogs.app().language();
    m_dialogs.ShowMessageBox(owner, Text(TextId::SysInfoTitle, language), Text(TextId::SysInfoUnavailable, language),
                             MessageStyle::Information);
    return false;
}
