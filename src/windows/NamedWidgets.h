#pragma once

#include <QHBoxLayout>
#include <QLabel>
#include <QWidget>

#include <initializer_list>

// Every control gets its object name where it is made: context help, the tests
// and screen readers find it by that name.
template<typename T>
T *NewNamed(QWidget *parent, const QString &name)
{
    auto *widget = new T(parent);
    widget->setObjectName(name);
    return widget;
}
template<typename T>
T *NewNamed(QWidget *parent, const char *name)
{
    return NewNamed<T>(parent, QString(QLatin1String(name)));
}

// An element of a row of controls is named with its index: "cmdGo_3".
inline QString IndexedName(const char *name, int index)
{
    return QStringLiteral("%1_%2").arg(QLatin1String(name)).arg(index);
}

// Labels show what the program puts in them as typed, never as markup.
inline QLabel *NewPlainLabel(QWidget *parent, const QString &name)
{
    auto *label = NewNamed<QLabel>(parent, name);
    label->setTextFormat(Qt::PlainText);
    return label;
}
inline QLabel *NewPlainLabel(QWidget *parent, const char *name)
{
    return NewPlainLabel(parent, QString(QLatin1String(name)));
}

// A text shown as given (a currency's name, a printer's): an "&" in a button,
// a menu item or a label with a buddy would otherwise become a keyboard mnemonic.
inline QString LiteralAmpersands(QString text) { return text.replace(u'&', QStringLiteral("&&")); }

// A dialog's command buttons, in one row at the right.
inline QHBoxLayout *ButtonRow(std::initializer_list<QWidget *> buttons)
{
    auto *row = new QHBoxLayout;
    row->addStretch();
    for (QWidget *button : buttons)
        row->addWidget(button);
    return row;
}
