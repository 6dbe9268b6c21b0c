#pragma once

#include <QWidget>

class QLabel;
class QToolButton;

// An up-down control tied to a value label: two arrow buttons (and the Up and
// Down keys when it has the focus) move the value one step at a time, never
// beyond its range, and the label shows it as plain digits. The label is the
// only display of the value, as the page setup's design has it.
class UpDown : public QWidget
{
    Q_OBJECT
public:
    UpDown(QLabel *buddy, QWidget *parent = nullptr);

    void setRange(int minimum, int maximum);
    void setValue(int value); // kept within the range
    int value() const { return m_value; }

    QToolButton *upButton() const { return m_up; }
    QToolButton *downButton() const { return m_down; }

signals:
    void valueChanged(int value);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void step(int delta);
    void showValue();

    QLabel *m_buddy;
    QToolButton *m_up;
    QToolButton *m_down;
    int m_minimum = 0;
    int m_maximum = 0;
    int m_value = 0;
};
