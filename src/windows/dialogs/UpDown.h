#pragma once

#include <QWidget>

class QLabel;
class QToolButton;

// An up-down control tied to a value label: two arrow buttons (and the Up and
// Down keys when it has the focus) move the value one step at a time, never
// beyond its range, and the label shows it as plain digits. The label is the
// only display of the value, as the page setup's design has it; it shows the
// focus, and a screen reader reads the control as a spin box with that value.
class UpDown : public QWidget
{
    Q_OBJECT
public:
    UpDown(QLabel *buddy, QWidget *parent = nullptr);

    void setRange(int minimum, int maximum);
    void setValue(int value); // kept within the range
    int value() const { return m_value; }
    int minimum() const { return m_minimum; }
    int maximum() const { return m_maximum; }
    // What a screen reader calls the value and the two arrows.
    void setNames(const QString &value, const QString &increase, const QString &decrease);

    QToolButton *upButton() const { return m_up; }
    QToolButton *downButton() const { return m_down; }

signals:
    void valueChanged(int value);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

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
