#pragma once

#include "core/Money.h"

#include <QString>

// What a confirmed amount dialog hands back, parsed once.
struct InputCurrencyValues
{
    Money amount;
    qint16 decimals = 0;
    double rate = 0; // only for the additional currency
    QString name;    // only for the additional currency
};
