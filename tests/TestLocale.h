#pragma once

#include <QLocale>
#include <QString>

// Tests write expected number texts the en_US way ("1,936.27"); under a locale
// with a decimal comma the two separators swap ("1.936,27").
inline QString Localized(QString pointText, const QLocale &locale = QLocale())
{
    if (locale.decimalPoint() != QLatin1String(","))
        return pointText;
    for (QChar &c : pointText)
        c = c == u'.' ? u',' : c == u',' ? u'.' : c;
    return pointText;
}

// Pins QLocale() to the system locale the test was started under (CTest sets
// LC_ALL), and fails loudly if that locale is not one of the two we test.
inline bool PinTestLocale()
{
    QLocale system = QLocale::system();
    QLocale::setDefault(system);
    return system.decimalPoint() == QLatin1String(".") || system.decimalPoint() == QLatin1String(",");
}
