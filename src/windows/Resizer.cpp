#include "windows/Resizer.h"

#include "app/logic/WindowGeometry.h"
#include "windows/ProgramStyle.h"

#include <QAbstractButton>
#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLayout>
#include <QScreen>
#include <QSpacerItem>
#include <QStyle>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <algorithm>
#include <cmath>

namespace {

// How often and how long the frame is looked for after the window shows.
constexpr int FrameLookMs = 50;
constexpr int FrameLooks = 40;

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
    m_frameTimer.setInterval(FrameLookMs);
    connect(&m_frameTimer, &QTimer::timeout, this, [this] {
        fitFramed();
        if (m_framed || ++m_frameLooks >= FrameLooks)
            m_frameTimer.stop();
    });
}

Resizer *Resizer::install(QWidget *window, double scale)
{
    // Where the program did not choose its style first (a window built on its own).
    ProgramStyle::use();
    auto *resizer = new Resizer(window);
    resizer->m_designed = window->sizeHint().expandedTo(window->minimumSizeHint());
    resizer->m_base = resizer->m_designed;
    resizer->m_scaledMinimum = window->minimumSizeHint();
    resizer->capture();
    // At its designed size a window's scale is 1 whatever part of it is fixed:
    // that part is measured only once the window is sized otherwise, which
    // keeps the measuring off the start-up.
    resizer->updateMinimum();
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
    resizer->resizeWindow(screen ? FitToScreen(wanted, screen->availableGeometry(), resizer->frameMargins()).size()
                                 : wanted);
    window->installEventFilter(resizer);
    return resizer;
}

void Resizer::place(const QRect &geometry, QSize usersSize)
{
    setWindowGeometry(geometry);
    m_sizes.user = usersSize;
}

void Resizer::resizeWindow(QSize size)
{
    m_resizing = true;
    m_window->resize(size);
    m_resizing = false;
    m_sizes.placed = m_window->size();
}

void Resizer::setWindowGeometry(const QRect &geometry)
{
    m_resizing = true;
    m_window->setGeometry(geometry);
    m_resizing = false;
    m_sizes.placed = m_window->size();
}

void Resizer::setWindowMinimum(QSize size)
{
    // A minimum above the window's size makes the toolkit enlarge it: the size
    // it then has stands for the one it replaces, whoever gave that.
    const QSize before = m_window->size();
    m_resizing = true;
    m_window->setMinimumSize(size);
    m_resizing = false;
    if (m_window->size() == before)
        return;
    if (before == m_sizes.placed)
        m_sizes.placed = m_window->size();
    if (before == m_sizes.user)
        m_sizes.user = m_window->size();
}

void Resizer::updateMinimum()
{
    QSize room;
    if (const QScreen *screen = m_window->parentWidget() ? m_window->parentWidget()->screen() : m_window->screen())
        room = screen->availableGeometry().marginsRemoved(frameMargins()).size();
    m_floor = room.isEmpty() ? MinimumScale : ScaleFloor(m_designed, m_fixed, room);
    setWindowMinimum(ScaledSize(m_designed, m_floor, m_fixed));
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
    updateMinimum();
}

Resizer *Resizer::of(const QWidget *window)
{
    return window ? window->findChild<Resizer *>(QStringLiteral("resizer"), Qt::FindDirectChildrenOnly) : nullptr;
}

QMargins Resizer::frameMargins() const
{
    if (const QWindow *handle = m_window->windowHandle(); handle && !handle->frameMargins().isNull())
        return handle->frameMargins();
    // Before the desktop has framed the window: room for a title bar and a border.
    const int border = m_window->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, m_window);
    return {border, m_window->style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, m_window), border, border};
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
        const double smaller = std::max(m_floor, m_scale * ratio);
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

namespace {

// A window the desktop sizes itself: the program leaves its geometry alone,
// since setting it would take the state away.
bool SizedByDesktop(const QWidget *window)
{
    return window->windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen | Qt::WindowMinimized);
}

} // namespace

void Resizer::fitContents()
{
    // What the scale alone asks is given already; only contents that need
    // more (a longer text) widen the designed size, by as much at the designed
    // size as at this scale, so that the scale stays.
    const QSize needed = m_window->minimumSizeHint();
    const QSize room = m_scaledMinimum.expandedTo(m_measured ? sizeAt(m_scale) : m_designed);
    const bool grows = needed.width() > room.width() || needed.height() > room.height();
    if (!grows && m_designed == m_base)
        return;
    measureFixedPart();
    const QSize designed = DesignedFor(m_base, needed, m_fixed, m_scale);
    if (designed == m_designed)
        return;
    m_designed = designed;
    updateMinimum();
    if (SizedByDesktop(m_window))
        return;
    const bool ownSize = m_window->size() == m_sizes.placed;
    if (grows) {
        if (ownSize && m_sizes.beforeGrowth.isEmpty())
            m_sizes.beforeGrowth = m_window->size();
        resizeWindow(m_window->size().expandedTo(needed));
        keepOnScreen();
    } else if (ownSize && m_designed == m_base && !m_sizes.beforeGrowth.isEmpty()) {
        // The contents that needed the room are gone (the language that needed
        // it): the window gives it back, unless its user sized it meanwhile.
        resizeWindow(m_sizes.beforeGrowth.expandedTo(needed));
        m_sizes.beforeGrowth = QSize();
    }
}

void Resizer::contentsChanged()
{
    // Each part's layout measures its new texts and tells the layout around it,
    // the innermost first, so that the window follows the texts at once
    // rather than one change late.
    const QList<QWidget *> parts = m_window->findChildren<QWidget *>();
    for (auto part = parts.crbegin(); part != parts.crend(); ++part) {
        if (QLayout *layout = (*part)->layout())
            layout->activate();
    }
    if (QLayout *layout = m_window->layout())
        layout->activate();
    fitContents();
}

void Resizer::fitFramed()
{
    // The frame is known once the desktop has put it round the shown window:
    // where the guess of it fell short, the window is fitted again, frame and
    // all, so that no edge lies off the screen. A window its user or the
    // desktop has sized meanwhile stays as it is.
    const QWindow *handle = m_window->windowHandle();
    if (!handle || handle->frameMargins().isNull())
        return;
    m_framed = true;
    if (SizedByDesktop(m_window) || m_window->size() != m_sizes.placed)
        return;
    updateMinimum();
    keepOnScreen();
}

void Resizer::keepOnScreen()
{
    const QScreen *screen = m_window->screen();
    if (!screen || !m_window->isVisible())
        return;
    const QMargins frame = frameMargins();
    const QRect available = screen->availableGeometry();
    if (!available.contains(m_window->geometry().marginsAdded(frame)))
        setWindowGeometry(FitToScreen(m_window->size(), available, frame));
}

void Resizer::noteSize()
{
    if (m_resizing || SizedByDesktop(m_window) || m_window->size() == m_sizes.placed)
        return;
    m_beforeResize = m_sizes;
    m_sizes = {m_window->size(), m_window->size(), QSize()};
}

void Resizer::noteState()
{
    // A desktop may resize a window it maximises before it says so: a size
    // that fills the screen, noted just before, was never the user's.
    const QScreen *screen = m_window->screen();
    if (!screen || !SizedByDesktop(m_window) || m_sizes.user != m_window->size())
        return;
    const QSize room = screen->availableGeometry().marginsRemoved(frameMargins()).size();
    if (m_window->width() >= room.width() && m_window->height() >= room.height())
        m_sizes = m_beforeResize;
}

bool Resizer::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_window) {
        if (event->type() == QEvent::Resize) {
            noteSize();
            if (!m_measured && m_window->size() == m_designed)
                return QObject::eventFilter(watched, event);
            measureFixedPart();
            const double scale = WindowScale(m_designed, m_window->size(), m_fixed, m_floor);
            if (std::abs(scale - m_scale) >= ScaleStep) {
                apply(scale);
                fitScaleToWindow();
            }
        } else if (event->type() == QEvent::LayoutRequest) {
            fitContents();
        } else if (event->type() == QEvent::WindowStateChange) {
            noteState();
        }
        // Whichever comes once the desktop has framed the window; a desktop
        // that frames it later than it first paints sends none, so the frame
        // is also looked for a few times after the window shows.
        if (!m_framed && (event->type() == QEvent::Paint || event->type() == QEvent::Move))
            fitFramed();
        if (!m_framed && event->type() == QEvent::Show && !m_frameTimer.isActive())
            m_frameTimer.start();
    }
    return QObject::eventFilter(watched, event);
}
