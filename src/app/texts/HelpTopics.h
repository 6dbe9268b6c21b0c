#pragma once

#include "app/texts/Language.h"

#include <QString>
#include <QStringList>

// The context-help topics of every window, one per control in English and in
// Greek. They are compiled into the program (resources/help/topics.json) and read
// on the first question, not at start-up.
class HelpTopics
{
public:
    // The topic of a control, named by its window's object name ("frmMain") and
    // its own ("cmdGo_3" for element 3 of an array); empty when it has none.
    static QString topic(const QString &window, const QString &control, Language language);

    // Every control that has a topic, as "window/control", sorted.
    static QStringList keys();
};
