#pragma once

#include "app/conversion/NumberPaste.h"

#include <QString>
#include <QValidator>

#include <functional>

class PlatformServices;
class QLineEdit;

// Guards a number field so that what it shows is all it ever holds: a typed
// character other than a digit, comma or point is refused with a beep; a paste
// or a drop that brings in anything else is taken as its paste rule says (the
// pasted part alone, its blanks and its currency's unit dropped), or refused
// with a beep and the reason, the field keeping its text. A refused edit is
// undone by the field itself before anything is told of it, so no signal ever
// carries it. Text already there (a failure word after an overflow) can still
// be deleted.
class NumberKeyFilter : public QValidator
{
    Q_OBJECT
public:
    using PasteRule = std::function<PastedNumber(const QString &pasted)>;
    using Refused = std::function<void(TextId why)>;

    NumberKeyFilter(QLineEdit *field, PlatformServices &platform, PasteRule paste, Refused refused);

    State validate(QString &input, int &pos) const override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // The field as it was after its last change: the text, and the part of it
    // an edit replaces (the selection, else the cursor's place).
    void remember();

    QLineEdit *m_field;
    PlatformServices &m_platform;
    PasteRule m_paste;
    Refused m_refused;
    QString m_text;
    int m_replacedStart = 0;
    int m_replacedEnd = 0;
};
