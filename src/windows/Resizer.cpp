#include "windows/Resizer.h"

#include "app/logic/WindowGeometry.h"

#include <QAbstractButton>
#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLayout>
#include <QScreen>
#include <QSpacerItem>
#include <QStyle>
#include <QWidget>
#include <QWindow>

#include <algorithm>
#include <cmath>

namespace {

// A change of scale smaller than this is not worth laying the window out again:
// no text grows by a visible step.
constexpr double ScaleStep = 0.01;

constexpr int Unlimited = QWIDGETSIZE_MAX;

QFont ScaledFont(QFont font, double scale)
{
    if (font.pointSizeF() > 0)
        font.setPointSizeF(font.pointSizeF() * scale);
    else if (font.pixelSize() > 0)
        font.setPixelSize(std::max(1, int(std::lround(font.pixelSize() * scale))));
    return font;
}

int ScaledLength(int length, double scale)
{
    return length <= 0 || length >= Unlimited ? length : int(std::lround(length * scale));
}

QSize ScaledLimit(QSize size, double scale) { return {ScaledLength(size.width(), scale), ScaledLength(size.height(), scale)}; }

QMargins ScaledMargins(const QMargins &margins, double scale)
{
    return {ScaledLength(margins.left(), scale), ScaledLength(margins.top(), scale),
            ScaledLength(margins.right(), scale), ScaledLength(margins.bottom(), scale)};
}

} // namespace

Resizer::Resizer(QWidget *window)
    : QObject(window)
    , m_window(window)
{
    setObjectName(QStringLiteral("resizer"));
}

Resizer *Resizer::install(QWidget *window, double scale)
{
    auto *resizer = new Resizer(window);
    resizer->m_designed = window->sizeHint().expandedTo(window->minimumSizeHint());
    resizer->m_scaledMinimum = window->minimumSizeHint();
    resizer->capture();
    // At its designed size a window's scale is 1 whatever part of it is fixed:
    // that part is measured only once the window is sized otherwise, which
    // keeps the measuring off the start-up.
    window->setMinimumSize(ScaledSize(resizer->m_designed, MinimumScale));
    const QScreen *screen = window->parentWidget() ? window->parentWidget()->screen() : window->screen();
    const double opening = std::clamp(scale, MinimumScale, MaximumScale);
    QSize wanted = resizer->m_designed;
    if (opening != 1.0) {
        // Room for what the contents need at that scale, which the estimate of
        // the part that does not scale may fall short of.
        wanted = resizer->sizeAt(opening);
        resizer->scaleContents(opening);
        wanted = wanted.expandedTo(window->minimumSizeHint());
    }
    window->resize(screen ? FitToScreen(wanted, screen->availableGeometry(), resizer->frameMargins()).size() : wanted);
    window->installEventFilter(resizer);
    return resizer;
}

QSize Resizer::sizeAt(double scale)
{
    measureFixedPart();
    return ScaledSize(m_designed, scale, m_fixed);
}

void Resizer::measureFixedPart()
{
    if (m_measured)
        return;
    m_measured = true;
    // The least size the contents need, at two scales: what grows with the
    // scale is told from what the style draws at one size. The window is not
    // laid out meanwhile, so nothing moves.
    const QSize atOne = m_window->minimumSizeHint();
    scaleContents(MinimumScale);
    const QSize atSmallest = m_window->minimumSizeHint();
    scaleContents(1.0);
    const auto fixedLength = [](int one, int smallest, int designed) {
        const double scaling = (one - smallest) / (1.0 - MinimumScale);
        return std::clamp(int(std::lround(one - scaling)), 0, designed / 2);
    };
    m_fixed = QSize(fixedLength(atOne.width(), atSmallest.width(), m_designed.width()),
                    fixedLength(atOne.height(), atSmallest.height(), m_designed.height()));
    m_window->setMinimumSize(ScaledSize(m_designed, MinimumScale, m_fixed));
}

Resizer *Resizer::of(const QWidget *window)
{
    return window ? window->findChild<Resizer *>(QStringLiteral("resizer"), Qt::FindDirectChildrenOnly) : nullptr;
}

QMargins Resizer::frameMargins() const
{
    if (const QWindow *handle = m_window->windowHandle(); handle && !handle->frameMargins().isNull())
        return handle->frameMargins();
    // Before the desktop has framed the window: room for a title bar.
    return {0, m_window->style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, m_window), 0, 0};
}

void Resizer::capture()
{
    m_font = m_window->font();
    const QList<QWidget *> widgets = m_window->findChildren<QWidget *>();
    for (QWidget *widget : widgets) {
        WidgetSize size{widget, std::nullopt, QSize(), widget->minimumSize(), widget->maximumSize()};
        // A font set on the control itself, or on a window of its own (a
        // menu), does not follow the window's.
        if (widget->isWindow() || widget->testAttribute(Qt::WA_SetFont))
            size.font = widget->font();
        if (const auto *button = qobject_cast<QAbstractButton *>(widget))
            size.icon = button->iconSize();
        if (const auto *label = qobject_cast<QLabel *>(widget))
            size.margin = label->margin();
        if (size.font || !size.icon.isEmpty() || !size.minimum.isNull() || size.maximum != QSize(Unlimited, Unlimited)
            || size.margin > 0)
            m_widgets.append(size);
    }
    const QList<QLayout *> layouts = m_window->findChildren<QLayout *>();
    for (QLayout *layout : layouts) {
        LayoutSize size;
        size.layout = layout;
        size.margins = layout->contentsMargins();
        if (const auto *grid = qobject_cast<QGridLayout *>(layout)) {
            size.horizontal = grid->horizontalSpacing();
            size.vertical = grid->verticalSpacing();
            for (int column = 0; column < grid->columnCount(); ++column)
                size.columns.append(grid->columnMinimumWidth(column));
            for (int row = 0; row < grid->rowCount(); ++row)
                size.rows.append(grid->rowMinimumHeight(row));
        } else {
            size.spacing = layout->spacing();
        }
        for (int i = 0; i < layout->count(); ++i) {
            if (QSpacerItem *spacer = layout->itemAt(i)->spacerItem())
                size.spacers.append({spacer, spacer->sizeHint(), spacer->sizePolicy()});
        }
        m_layouts.append(size);
    }
}

void Resizer::apply(double scale)
{
    m_scale = scale;
    scaleContents(scale);
    if (QLayout *layout = m_window->layout())
        layout->activate();
    m_scaledMinimum = m_window->minimumSizeHint();
    if (m_afterScaling)
        m_afterScaling();
}

void Resizer::fitScaleToWindow()
{
    // The part that does not scale is estimated from two scales, and text does
    // not grow quite in proportion: a window squeezing its contents (fields
    // lower than their text) takes the largest of a few smaller scales that fits.
    for (int step = 0; step < 4; ++step) {
        const QSize room = m_window->size();
        if (m_scaledMinimum.width() <= room.width() && m_scaledMinimum.height() <= room.height())
            return;
        const double ratio = std::min(double(room.width()) / m_scaledMinimum.width(),
                                      double(room.height()) / m_scaledMinimum.height());
        const double smaller = std::max(MinimumScale, m_scale * ratio);
        if (m_scale - smaller < ScaleStep)
            return;
        apply(smaller);
    }
}

void Resizer::scaleContents(double scale)
{
    m_window->setFont(ScaledFont(m_font, scale));
    for (const WidgetSize &size : std::as_const(m_widgets)) {
        QWidget *widget = size.widget;
        if (!widget)
            continue;
        if (size.font)
            widget->setFont(ScaledFont(*size.font, scale));
        if (!size.icon.isEmpty())
            static_cast<QAbstractButton *>(widget)->setIconSize(ScaledSize(size.icon, scale));
        widget->setMinimumSize(ScaledLimit(size.minimum, scale));
        widget->setMaximumSize(ScaledLimit(size.maximum, scale));
        if (size.margin > 0)
            static_cast<QLabel *>(widget)->setMargin(ScaledLength(size.margin, scale));
    }
    for (const LayoutSize &size : std::as_const(m_layouts)) {
        QLayout *layout = size.layout;
        if (!layout)
            continue;
        layout->setContentsMargins(ScaledMargins(size.margins, scale));
        if (auto *grid = qobject_cast<QGridLayout *>(layout)) {
            if (size.horizontal >= 0)
                grid->setHorizontalSpacing(ScaledLength(size.horizontal, scale));
            if (size.vertical >= 0)
                grid->setVerticalSpacing(ScaledLength(size.vertical, scale));
            for (int column = 0; column < size.columns.size(); ++column)
                grid->setColumnMinimumWidth(column, ScaledLength(size.columns[column], scale));
            for (int row = 0; row < size.rows.size(); ++row)
                grid->setRowMinimumHeight(row, ScaledLength(size.rows[row], scale));
        } else if (size.spacing >= 0) {
            layout->setSpacing(ScaledLength(size.spacing, scale));
        }
        for (const SpacerSize &spacer : size.spacers) {
            spacer.spacer->changeSize(ScaledLength(spacer.size.width(), scale), ScaledLength(spacer.size.height(), scale),
                                      spacer.policy.horizontalPolicy(), spacer.policy.verticalPolicy());
        }
        layout->invalidate();
    }
}

void Resizer::fitGrownContents()
{
    // What the scale alone asks is given already; only contents that need
    // more (a longer text) widen the designed size, by as much at the designed
    // size as at this scale, so that the scale stays.
    const QSize needed = m_window->minimumSizeHint();
    const QSize room = m_scaledMinimum.expandedTo(m_measured ? sizeAt(m_scale) : m_designed);
    if (needed.width() <= room.width() && needed.height() <= room.height())
        return;
    measureFixedPart();
    const QSize scaling = needed - m_fixed;
    m_designed = m_designed.expandedTo(
        m_fixed + QSize(int(std::ceil(scaling.width() / m_scale)), int(std::ceil(scaling.height() / m_scale))));
    m_window->setMinimumSize(sizeAt(MinimumScale));
    m_window->resize(m_window->size().expandedTo(needed));
}

void Resizer::fitFramed()
{
    // The frame is known once the desktop has put it round the shown window:
    // where the guess of it fell short, the window is fitted again, so that no
    // edge lies off the screen.
    const QWindow *handle = m_window->windowHandle();
    if (!handle || handle->frameMargins().isNull())
        return;
    m_framed = true;
    const QScreen *screen = m_window->screen();
    if (!screen || m_window->isMaximized() || m_window->isFullScreen())
        return;
    const QRect available = screen->availableGeometry();
    if (!available.contains(m_window->frameGeometry()))
        m_window->setGeometry(FitToScreen(m_window->size(), available, handle->frameMargins()));
}

bool Resizer::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_window) {
        if (event->type() == QEvent::Resize) {
            if (!m_measured && m_window->size() == m_designed)
                return QObject::eventFilter(watched, event);
            measureFixedPart();
            const double scale = WindowScale(m_designed, m_window->size(), m_fixed);
            if (std::abs(scale - m_scale) >= ScaleStep) {
                apply(scale);
                fitScaleToWindow();
            }
        } else if (event->type() == QEvent::LayoutRequest) {
            fitGrownContents();
        } else if (event->type() == QEvent::Paint && !m_framed) {
            fitFramed();
        }
    }
    return QObject::eventFilter(watched, event);
}
