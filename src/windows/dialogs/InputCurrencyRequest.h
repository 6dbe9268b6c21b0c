#pragma once

#include <QIcon>
#include <QString>

// What the amount dialog shows of the main window's row it was opened for.
struct InputCurrencyRequest
{
    int slot = 0;
    QString rowCaption;    // the row's title
    QString euroCaption;   // the euro row's title
    QString amountCaption; // the row's amount text, or its failure word
    QIcon picture;         // the row's flag
};
