#pragma once

#include <QString>

class QWidget;

// The icon and the buttons of a message box. The values are the classic style
// numbers, which the program's texts and its users know them by.
enum class MessageStyle {
    Critical = 16,          // OK, stop icon
    Exclamation = 48,       // OK, warning icon
    Information = 64,       // OK, information icon
    Question = 36,          // Yes and No, question icon
    QuestionDefaultNo = 292 // Yes and No, question icon, No is the default
};

// The button a message box was closed with.
enum class MessageAnswer {
    Ok = 1,
    Yes = 6,
    No = 7
};

constexpr bool AsksYesOrNo(MessageStyle style)
{
    return style == MessageStyle::Question || style == MessageStyle::QuestionDefaultNo;
}

// Button captions in the interface language: Qt ships no Greek translation of
// its own, so the program hands them over with every message.
struct MessageButtons
{
    QString ok;
    QString yes;
    QString no;
};

// Everything the program asks of the desktop and of the person in front of it.
// The program uses the Qt implementation; tests replace it with scripted
// answers, so that no test ever waits for a person.
class PlatformServices
{
public:
    virtual ~PlatformServices() = default;

    // The folder that holds the program.
    virtual QString programFolder() const = 0;

    // Whether another copy of the program is running for this user. The first
    // copy holds a lock for its whole life; a lock left by a crashed copy is
    // stale and taken over. Unavailable: no lock could be made at all, so
    // nothing keeps a second copy out.
    enum class Instance {
        Alone,
        OtherRunning,
        Unavailable
    };
    virtual Instance otherInstanceRunning() = 0;

    // Shows a message box owned by the window (or by none) and returns the answer.
    virtual MessageAnswer messageBox(QWidget *owner, const QString &caption, const QString &text, MessageStyle style,
                                     const MessageButtons &buttons) = 0;

    // Restores the window if minimised and makes it the active window.
    virtual void bringToFront(QWidget *window) = 0;

    // The system's beep, for a refused key.
    virtual void beep() = 0;

    // Ends the program: every window closes and every event loop is left, the
    // nested ones of open modal dialogs included.
    virtual void endProgram() = 0;

    // The path shortened to the label's width in its font: a path that fits is
    // returned as it is; otherwise the middle gives way to "..." and the last
    // part (the file's or the folder's own name) stays whole while it fits.
    virtual QString compactPathForLabel(const QWidget *label, const QString &path) = 0;

    // Lets the user pick a folder, starting in startFolder, under the title
    // given. Returns the folder with a trailing separator, or empty when the
    // user cancelled.
    virtual QString chooseFolder(QWidget *owner, const QString &startFolder, const QString &title) = 0;
};
