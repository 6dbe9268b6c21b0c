#pragma once

#include <QString>

class QWidget;

// Message-box styles: the icon and the buttons.
namespace MessageStyle {
constexpr int Critical = 16;
constexpr int Exclamation = 48;
constexpr int Information = 64;
constexpr int Question = 36;            // Yes and No
constexpr int QuestionDefaultNo = 292;  // Yes and No, No is the default
} // namespace MessageStyle

// Answers of a message box.
namespace MessageAnswer {
constexpr int Ok = 1;
constexpr int Yes = 6;
constexpr int No = 7;
} // namespace MessageAnswer

// Everything the program asks of the platform and of the person in front of it.
// The program uses the Qt implementation; tests replace it with scripted
// answers, so that no test ever waits for a person.
class PlatformServices
{
public:
    virtual ~PlatformServices() = default;

    // The folder that holds the program; the settings file lies in it.
    virtual QString programFolder() const = 0;

    // Whether another copy of the program is running on this computer. The first
    // copy holds a lock for its whole life; a lock left by a crashed copy is stale
    // and taken over.
    virtual bool otherInstanceRunning() = 0;

    // Shows a message box with the given style (MessageStyle) and button texts in
    // the interface language; returns the answer (MessageAnswer).
    virtual int messageBox(QWidget *owner, const QString &caption, const QString &text, int style, bool greek) = 0;

    // The system's beep, for a refused key.
    virtual void beep() = 0;

    // Ends the program at once, whatever modal windows are open.
    virtual void endProgram() = 0;
};
