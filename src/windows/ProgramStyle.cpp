#include "windows/ProgramStyle.h"

#include "windows/Resizer.h"

#include <QApplication>
#include <QPointer>
#include <QStyleOptionButton>
#include <QWidget>

#include <cmath>

void ProgramStyle::use()
{
    // Asking the application for its style would make the desktop's first,
    // only for it to be replaced.
    static QPointer<ProgramStyle> style;
    if (!style) {
        style = new ProgramStyle;
        QApplication::setStyle(style);
    }
}

int ProgramStyle::pixelMetric(PixelMetric metric, const QStyleOption *option, const QWidget *widget) const
{
    const int metricValue = QProxyStyle::pixelMetric(metric, option, widget);
    switch (metric) {
    case PM_ExclusiveIndicatorWidth:
    case PM_ExclusiveIndicatorHeight:
    case PM_IndicatorWidth:
    case PM_IndicatorHeight:
    case PM_RadioButtonLabelSpacing:
    case PM_CheckBoxLabelSpacing:
    case PM_ButtonMargin:
        break;
    default:
        return metricValue;
    }
    const Resizer *resizer = widget ? Resizer::of(widget->window()) : nullptr;
    return resizer ? int(std::lround(metricValue * resizer->scale())) : metricValue;
}

QSize ProgramStyle::sizeFromContents(ContentsType type, const QStyleOption *option, const QSize &contentsSize,
                                     const QWidget *widget) const
{
    QSize size = QProxyStyle::sizeFromContents(type, option, contentsSize, widget);
    if (type != CT_PushButton)
        return size;
    const auto *button = qstyleoption_cast<const QStyleOptionButton *>(option);
    if (!button || button->text.isEmpty())
        return size;
    const int margin = pixelMetric(PM_ButtonMargin, option, widget);
    const int frame = pixelMetric(PM_DefaultFrameWidth, option, widget);
    size.setWidth(std::max(size.width(), contentsSize.width() + 2 * (margin + frame)));
    return size;
}
