#pragma once

#include "app/logic/WindowGeometry.h"

#include <QFont>
#include <QList>
#include <QMargins>
#include <QObject>
#include <QPointer>
#include <QSize>
#include <QSizePolicy>
#include <QTimer>

#include <functional>
#include <optional>

class QLayout;
class QSpacerItem;
class QWidget;

// Makes a window grow and shrink with its user: when the window is resized,
// its fonts, pictures and controls are scaled by WindowScale (its size against
// the size it was designed at), and its layouts move and resize the controls.
// A window opens at its designed size, reduced to fit its screen with its
// frame. The resizer tells the sizes it gives the window from those its user
// gives it: only the latter are the user's to keep. One per window, installed
// once its controls are built; the window owns it.
class Resizer : public QObject
{
    Q_OBJECT
public:
    // The window opens at `scale` (a dialog at its owner's, so that large text
    // stays large), reduced to fit the screen. From then on its size decides.
    static Resizer *install(QWidget *window, double scale = 1.0);
    // The window's resizer; null when it has none.
    static Resizer *of(const QWidget *window);

    double scale() const { return m_scale; }
    QSize designedSize() const { return m_designed; }
    // The window's size at a scale.
    QSize sizeAt(double scale);
    // The frame the desktop puts around the window, as far as it is known yet.
    QMargins frameMargins() const;

    // Puts the window in place; `usersSize` is the size its user chose for it,
    // if any, which may be more than the place holds.
    void place(const QRect &geometry, QSize usersSize);
    // The size the user last gave the window (a resize, or the one it opened
    // with); empty when all its sizes were the program's.
    QSize userSize() const { return m_sizes.user; }

    // After the window's texts changed (another language): the window takes
    // the room its contents need, or gives back what they no longer need.
    void contentsChanged();

    // Run after each change of scale, once the fonts and sizes are set: for
    // what the window measures in its fonts itself.
    void setAfterScaling(std::function<void()> afterScaling) { m_afterScaling = std::move(afterScaling); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    explicit Resizer(QWidget *window);

    void capture();
    // The part of the designed size that the style draws at one size, once.
    void measureFixedPart();
    // Sets the fonts and sizes of a scale, and lays the window out in them.
    void apply(double scale);
    void scaleContents(double scale);
    // A smaller scale where the contents at this one need more than the window has.
    void fitScaleToWindow();
    // Contents that grew (a longer text) widen the window and its designed
    // size; when they need less again, the window gives the room back.
    void fitContents();
    // Once shown and framed, a window whose frame leaves the screen is fitted again.
    void fitFramed();
    // A shown window the program resized is fitted again where it and its
    // frame (as far as it is known) leave the screen.
    void keepOnScreen();
    // The least size the window takes: its size at the smallest scale its
    // screen leaves it.
    void updateMinimum();
    // A size or place the program gives the window, not its user.
    void resizeWindow(QSize size);
    void setWindowGeometry(const QRect &geometry);
    void setWindowMinimum(QSize size);
    // Whose the size a resize brought is: the program's, or else its user's.
    void noteSize();
    void noteState();

    struct WidgetSize
    {
        QPointer<QWidget> widget;
        std::optional<QFont> font; // a font of its own, or a window's (a menu's)
        QSize icon;                // a button's picture; empty: none
        QSize minimum;
        QSize maximum;
        int margin = 0; // a label's
    };
    struct SpacerSize
    {
        QSpacerItem *spacer; // lives as long as its layout
        QSize size;
        QSizePolicy policy;
    };
    struct LayoutSize
    {
        QPointer<QLayout> layout;
        QMargins margins;
        int spacing = -1;
        int horizontal = -1; // a grid's spacings
        int vertical = -1;
        QList<int> columns; // a grid's minimum column widths and row heights
        QList<int> rows;
        QList<SpacerSize> spacers;
    };

    QWidget *m_window;
    QSize m_base; // the size the window was designed at, before its contents grew
    QSize m_designed;
    QSize m_fixed{0, 0};
    bool m_measured = false;
    double m_scale = 1.0;
    double m_floor = MinimumScale; // the smallest scale the screen leaves the window
    QFont m_font;
    QList<WidgetSize> m_widgets;
    QList<LayoutSize> m_layouts;
    // The least size the contents needed when the scale was last set.
    QSize m_scaledMinimum;
    std::function<void()> m_afterScaling;
    bool m_framed = false;
    QTimer m_frameTimer;
    int m_frameLooks = 0;

    // The sizes, whoever gave them.
    struct Sizes
    {
        QSize placed;       // the program gave it last; a window still at it follows its contents
        QSize user;         // its user gave it last; empty: none
        QSize beforeGrowth; // a window's own size before its contents widened it
    };
    bool m_resizing = false; // the program is resizing the window itself
    Sizes m_sizes;
    Sizes m_beforeResize; // undone when that resize turns out to be a maximise
};
