#pragma once

#include "platform/PlatformServices.h"

#include <QList>
#include <QString>
#include <QStringList>

// The platform as tests see it: message boxes and the folder chooser answer
// from a script and are recorded, beeps are counted, ending the program is
// only noted, and paths are shown unshortened.
class ScriptedPlatform : public PlatformServices
{
public:
    struct Message
    {
        QString caption;
        QString text;
        MessageStyle style;
        MessageButtons buttons;
    };

    explicit ScriptedPlatform(QString folder = QString()) : m_folder(std::move(folder)) { }

    QString programFolder() const override { return m_folder; }
    Instance otherInstanceRunning() override { return instance; }
    MessageAnswer messageBox(QWidget *, const QString &caption, const QString &text, MessageStyle style,
                             const MessageButtons &buttons) override
    {
        messages.append({caption, text, style, buttons});
        if (!answers.isEmpty())
            return answers.takeFirst();
        return AsksYesOrNo(style) ? MessageAnswer::No : MessageAnswer::Ok;
    }
    void bringToFront(QWidget *) override { ++broughtToFront; }
    void beep() override { ++beeps; }
    void endProgram() override { ended = true; }
    QString compactPathForLabel(const QWidget *, const QString &path) override { return path; }
    QString chooseFolder(QWidget *, const QString &startFolder, const QString &title) override
    {
        chooserStarts.append(startFolder);
        chooserTitles.append(title);
        return folders.isEmpty() ? QString() : folders.takeFirst();
    }

    Instance instance = Instance::Alone;
    QList<MessageAnswer> answers; // answers to the next questions; No once they run out
    QList<Message> messages;
    int beeps = 0;
    int broughtToFront = 0;
    bool ended = false;
    QStringList folders; // the folder chooser's next answers; cancelled once they run out
    QStringList chooserStarts;
    QStringList chooserTitles;

private:
    QString m_folder;
};
