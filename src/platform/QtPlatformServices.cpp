#include "platform/QtPlatformServices.h"

#include "platform/InstanceLock.h"

#include <QApplication>
#include <QFileDialog>
#include <QFontMetrics>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QWidget>

namespace {

const QString Dots = QStringLiteral("...");

// The length of a cut that does not split a character made of two halves.
qsizetype WholeCharacters(const QString &text, qsizetype length)
{
    return length > 0 && length < text.size() && text.at(length - 1).isHighSurrogate() ? length - 1 : length;
}

// Keeps the start of the path and its last part, as the shell's path
// compaction does: the name the user looks for stays readable.
QString CompactPath(const QString &path, int width, const QFontMetrics &metrics)
{
    const auto fits = [&](const QString &text) { return metrics.horizontalAdvance(text) <= width; };
    if (fits(path))
        return path;
    // The last part keeps the separator before it, and a folder's trailing one.
    const qsizetype end = path.endsWith(u'/') ? path.size() - 1 : path.size();
    const qsizetype cut = end > 0 ? path.lastIndexOf(u'/', end - 1) : -1;
    const QString tail = cut < 0 ? path : path.mid(cut);
    const QString head = cut < 0 ? QString() : path.left(cut);
    if (!fits(Dots + tail)) {
        // Not even the last part fits: as much of its start as does.
        for (qsizetype keep = WholeCharacters(tail, tail.size() - 1); keep > 0;
             keep = WholeCharacters(tail, keep - 1)) {
            if (fits(tail.left(keep) + Dots))
                return tail.left(keep) + Dots;
        }
        return Dots;
    }
    for (qsizetype keep = WholeCharacters(head, head.size() - 1); keep > 0; keep = WholeCharacters(head, keep - 1)) {
        if (fits(head.left(keep) + Dots + tail))
            return head.left(keep) + Dots + tail;
    }
    return Dots + tail;
}

// The width a label gives its text: without its margins, and without the
// indent a framed label puts before the text, kept after it too so that the
// text does not touch the frame.
int TextWidth(const QWidget *widget)
{
    int width = widget->contentsRect().width();
    if (const auto *label = qobject_cast<const QLabel *>(widget)) {
        int indent = label->indent();
        if (indent < 0)
            indent = label->frameWidth() > 0 ? label->fontMetrics().horizontalAdvance(u'x') / 2 : 0;
        width -= 2 * (label->margin() + indent);
    }
    return width;
}

} // namespace

QtPlatformServices::QtPlatformServices() = default;
QtPlatformServices::~QtPlatformServices() = default;

QString QtPlatformServices::programFolder() const
{
    return QCoreApplication::applicationDirPath();
}

PlatformServices::Instance QtPlatformServices::otherInstanceRunning()
{
    if (!m_instanceLock)
        m_instanceLock = std::make_unique<InstanceLock>();
    switch (m_instanceLock->acquire()) {
    case InstanceLock::Result::Acquired:
        return Instance::Alone;
    case InstanceLock::Result::HeldByOther:
        return Instance::OtherRunning;
    case InstanceLock::Result::Unavailable:
        break;
    }
    return Instance::Unavailable;
}

MessageAnswer QtPlatformServices::messageBox(QWidget *owner, const QString &caption, const QString &text,
                                             MessageStyle style, const MessageButtons &buttons)
{
    QMessageBox box(owner);
    box.setWindowTitle(caption);
    box.setText(text);
    switch (style) {
    case MessageStyle::Critical:
        box.setIcon(QMessageBox::Critical);
        break;
    case MessageStyle::Exclamation:
        box.setIcon(QMessageBox::Warning);
        break;
    case MessageStyle::Information:
        box.setIcon(QMessageBox::Information);
        break;
    case MessageStyle::Question:
    case MessageStyle::QuestionDefaultNo:
        box.setIcon(QMessageBox::Question);
        break;
    }
    if (AsksYesOrNo(style)) {
        QPushButton *yes = box.addButton(buttons.yes, QMessageBox::YesRole);
        QPushButton *no = box.addButton(buttons.no, QMessageBox::NoRole);
        box.setDefaultButton(style == MessageStyle::QuestionDefaultNo ? no : yes);
        box.setEscapeButton(no);
        box.exec();
        return box.clickedButton() == yes ? MessageAnswer::Yes : MessageAnswer::No;
    }
    QPushButton *ok = box.addButton(buttons.ok, QMessageBox::AcceptRole);
    box.setDefaultButton(ok);
    box.setEscapeButton(ok);
    box.exec();
    return MessageAnswer::Ok;
}

void QtPlatformServices::bringToFront(QWidget *window)
{
    if (!window)
        return;
    if (window->isMinimized())
        window->showNormal();
    window->raise();
    window->activateWindow();
}

void QtPlatformServices::beep()
{
    QApplication::beep();
}

void QtPlatformServices::endProgram()
{
    m_endRequested = true;
    // Leaves every event loop, the nested ones of open modal dialogs included;
    // the windows close when main() returns.
    QCoreApplication::exit(0);
}

QString QtPlatformServices::compactPathForLabel(const QWidget *label, const QString &path)
{
    return CompactPath(path, TextWidth(label), label->fontMetrics());
}

QString QtPlatformServices::chooseFolder(QWidget *owner, const QString &startFolder, const QString &title)
{
    const QString folder = QFileDialog::getExistingDirectory(owner, title, startFolder);
    if (folder.isEmpty() || folder.endsWith(u'/'))
        return folder;
    return folder + u'/';
}
