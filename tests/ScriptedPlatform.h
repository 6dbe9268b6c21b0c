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
        MessageStyle style;
        MessageButtons buttons;
        QWidget *owner = nullptr;
    };

    explicit ScriptedPlatform(QString folder = QString()) : m_folder(std::move(folder)) { }

    QString programFolder() const override { return m_folder; }
    Instance otherInstanceRunning() override { return instance; }
    MessageAnswer messageBox(QWidget *owner, const QString &caption, const QString &text, MessageStyle style,
                             const MessageButtons &buttons) override
    {
        messages.append({caption, text, style, buttons, owner});
        if (!answers.isEmpty())
            return answers.takeFirst();
        return AsksYesOrNo(style) ? MessageAnswer::No : MessageAnswer::Ok;
    }
    void bringToFront(QWidget *) override { ++broughtToFront; }
    void beep() override { ++beeps; }
    void endProgram() override { ended = true; }
    bool startDetached(const QString &program, const QStringList &arguments) override
    {
        started.append(QStringList{program} + arguments);
        return startSucceeds;
    }

    Instance instance = Instance::Alone;
    QList<MessageAnswer> answers; // answers to the next questions; No once they run out
    QList<Message> messages;
    int beeps = 0;
    int broughtToFront = 0;
    bool ended = false;
    QList<QStringList> started; // each program started, followed by its arguments
    bool startSucceeds = true;

private:
    QString m_folder;
};
