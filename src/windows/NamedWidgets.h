#pragma once

#include <QHBoxLayout>
#include <QLabel>
#include <QWidget>

#include <initializer_list>

// Every control gets its object name where it is made: context help, the tests
// and screen readers find it by that name.
template<typename T>
T *NewNamed(QWidget *parent, const char *name)
{
    auto *widget = new T(parent);
    widget->setObjectName(QLatin1String(name));
    return widget;
}

// Labels show what the program puts in them as typed, never as markup.
inline QLabel *NewPlainLabel(QWidget *parent, const char *name)
{
    auto *label = NewNamed<QLabel>(parent, name);
    label->setTextFormat(Qt::PlainText);
    return label;
}

// A dialog's command buttons, in one row at the right.
inline QHBoxLayout *ButtonRow(std::initializer_list<QWidget *> buttons)
{
    auto *row = new QHBoxLayout;
    row->addStretch();
    for (QWidget *button : buttons)
        row->addWidget(button);
    return row;
}
