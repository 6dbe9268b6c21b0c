#include "windows/dialogs/UpDown.h"

#include <QKeyEvent>
#include <QLabel>
#include <QStyleOptionFocusRect>
#include <QStylePainter>
#include <QToolButton>
#include <QVBoxLayout>

#include <QAccessible>
#include <QAccessibleWidget>

#include <algorithm>

namespace {

// The control as a screen reader sees it: a spin box whose value is read out
// and can be set, its two arrows inside.
class AccessibleUpDown : public QAccessibleWidget, public QAccessibleValueInterface
{
public:
    explicit AccessibleUpDown(UpDown *upDown)
        : QAccessibleWidget(upDown, QAccessible::SpinBox)
    {
    }
    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::ValueInterface)
            return static_cast<QAccessibleValueInterface *>(this);
        return QAccessibleWidget::interface_cast(type);
    }
    QString text(QAccessible::Text text) const override
    {
        return text == QAccessible::Value ? QString::number(upDown()->value()) : QAccessibleWidget::text(text);
    }
    QVariant currentValue() const override { return upDown()->value(); }
    void setCurrentValue(const QVariant &value) override { upDown()->setValue(value.toInt()); }
    QVariant maximumValue() const override { return upDown()->maximum(); }
    QVariant minimumValue() const override { return upDown()->minimum(); }
    QVariant minimumStepSize() const override { return 1; }

private:
    UpDown *upDown() const { return static_cast<UpDown *>(widget()); }
};

QAccessibleInterface *AccessibleUpDownFactory(const QString &className, QObject *object)
{
    if (className == QLatin1String("UpDown") && object && object->isWidgetType())
        return new AccessibleUpDown(static_cast<UpDown *>(object));
    return nullptr;
}

} // namespace

UpDown::UpDown(QLabel *buddy, QWidget *parent)
    : QWidget(parent)
    , m_buddy(buddy)
    , m_up(new QToolButton(this))
    , m_down(new QToolButton(this))
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(1, 1, 1, 1); // room for the focus frame
    layout->setSpacing(0);
    for (QToolButton *button : {m_up, m_down}) {
        // The keyboard reaches the control itself; a held button repeats.
        button->setFocusPolicy(Qt::NoFocus);
        button->setAutoRepeat(true);
        button->setFixedSize(18, 11);
        layout->addWidget(button);
    }
    m_up->setArrowType(Qt::UpArrow);
    m_down->setArrowType(Qt::DownArrow);
    setFocusPolicy(Qt::StrongFocus);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    m_buddy->setTextFormat(Qt::PlainText);
    QAccessible::installFactory(AccessibleUpDownFactory);
    m_buddy->setAutoFillBackground(true);
    m_buddy->setBackgroundRole(QPalette::Base);
    m_buddy->setForegroundRole(QPalette::Text);
    connect(m_up, &QToolButton::clicked, this, [this] { step(1); });
    connect(m_down, &QToolButton::clicked, this, [this] { step(-1); });
    showValue();
}

void UpDown::setRange(int minimum, int maximum)
{
    m_minimum = minimum;
    m_maximum = std::max(minimum, maximum);
    setValue(m_value);
}

void UpDown::setValue(int value)
{
    value = std::clamp(value, m_minimum, m_maximum);
    const bool changed = value != m_value;
    m_value = value;
    showValue();
    if (!changed)
        return;
    QAccessibleValueChangeEvent change(this, m_value);
    QAccessible::updateAccessibility(&change);
    emit valueChanged(m_value);
}

void UpDown::setNames(const QString &value, const QString &increase, const QString &decrease)
{
    setAccessibleName(value);
    m_up->setAccessibleName(increase);
    m_down->setAccessibleName(decrease);
}

void UpDown::step(int delta) { setValue(m_value + delta); }

void UpDown::showValue()
{
    m_buddy->setText(QString::number(m_value));
    m_up->setEnabled(m_value < m_maximum);
    m_down->setEnabled(m_value > m_minimum);
}

void UpDown::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Up:
        step(1);
        break;
    case Qt::Key_Down:
        step(-1);
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
}

void UpDown::paintEvent(QPaintEvent *)
{
    // The arrows take no focus themselves, so the control shows where the keys
    // go, whether or not the style draws a focus frame now.
    if (!hasFocus())
        return;
    QStylePainter painter(this);
    QStyleOptionFocusRect option;
    option.initFrom(this);
    option.state |= QStyle::State_KeyboardFocusChange;
    painter.drawPrimitive(QStyle::PE_FrameFocusRect, option);
}

void UpDown::focusInEvent(QFocusEvent *event)
{
    // The value the keys change is marked as a selected value is.
    m_buddy->setBackgroundRole(QPalette::Highlight);
    m_buddy->setForegroundRole(QPalette::HighlightedText);
    QWidget::focusInEvent(event);
}

void UpDown::focusOutEvent(QFocusEvent *event)
{
    m_buddy->setBackgroundRole(QPalette::Base);
    m_buddy->setForegroundRole(QPalette::Text);
    QWidget::focusOutEvent(event);
}
