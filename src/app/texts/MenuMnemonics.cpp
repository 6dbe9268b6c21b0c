#include "app/texts/MenuMnemonics.h"

#include <QSet>

QStringList WithMnemonics(const QStringList &titles)
{
    QSet<QChar> taken;
    QStringList marked;
    marked.reserve(titles.size());
    for (const QString &title : titles) {
        QString text;
        bool chosen = false;
        for (const QChar c : title) {
            // An accented letter is awkward to type with Alt on most keyboards.
            if (!chosen && c.isLetter() && c.decomposition().isEmpty() && !taken.contains(c.toCaseFolded())) {
                taken.insert(c.toCaseFolded());
                text += u'&';
                chosen = true;
            }
            text += c;
            if (c == u'&')
                text += u'&';
        }
        marked << text;
    }
    return marked;
}
