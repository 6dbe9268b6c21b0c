#include "windows/NamedComboBox.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleWidget>

namespace {

class AccessibleNamedComboBox : public QAccessibleWidget
{
public:
    explicit AccessibleNamedComboBox(QComboBox *combo)
        : QAccessibleWidget(combo, QAccessible::ComboBox)
    {
    }
    QString text(QAccessible::Text text) const override
    {
        return text == QAccessible::Value ? combo()->currentText() : QAccessibleWidget::text(text);
    }
    // The list that drops down is its one child, as for every list of the toolkit.
    int childCount() const override { return 1; }
    QAccessibleInterface *child(int index) const override
    {
        return index == 0 ? QAccessible::queryAccessibleInterface(combo()->view()) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface *child) const override
    {
        return child && child->object() == combo()->view() ? 0 : -1;
    }
    QStringList actionNames() const override { return {showMenuAction(), pressAction()}; }
    void doAction(const QString &action) override
    {
        if (action != showMenuAction() && action != pressAction())
            return QAccessibleWidget::doAction(action);
        if (combo()->view()->isVisible())
            combo()->hidePopup();
        else
            combo()->showPopup();
    }

private:
    QComboBox *combo() const { return static_cast<QComboBox *>(widget()); }
};

QAccessibleInterface *AccessibleNamedComboBoxFactory(const QString &className, QObject *object)
{
    if (className == QLatin1String("NamedComboBox") && object && object->isWidgetType())
        return new AccessibleNamedComboBox(static_cast<QComboBox *>(object));
    return nullptr;
}

} // namespace

NamedComboBox::NamedComboBox(QWidget *parent)
    : QComboBox(parent)
{
    QAccessible::installFactory(AccessibleNamedComboBoxFactory);
}
