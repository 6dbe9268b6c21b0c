#pragma once

#include "platform/PlatformServices.h"

#include <QList>
#include <QString>

// The platform as tests see it: message boxes answer from a script and are
// recorded, beeps are counted, and ending the program is only noted.
class ScriptedPlatform : public PlatformServices
{
public:
    struct Message
    {
        QString caption;
        QString text;
        int style;
        bool greek;
    };

    explicit ScriptedPlatform(QString folder) : m_folder(std::move(folder)) { }

    QString programFolder() const override { return m_folder; }
    bool otherInstanceRunning() override { return otherInstance; }
    int messageBox(QWidget *, const QString &caption, const QString &text, int style, bool greek) override
    {
        messages.append({caption, text, style, greek});
        if (!answers.isEmpty())
            return answers.takeFirst();
        return (style & 0x0F) == 4 ? MessageAnswer::No : MessageAnswer::Ok;
    }
    void beep() override { ++beeps; }
    void endProgram() override { ended = true; }

    bool otherInstance = false;
    QList<int> answers; // answers to the next questions; No once they run out
    QList<Message> messages;
    int beeps = 0;
    bool ended = false;

private:
    QString m_folder;
};
