#pragma once

#include <QProxyStyle>

// The desktop's style, with two things of the program's own: the marks of
// option buttons and check boxes grow with their window's scale as its text
// does (the style draws them at one size), and a text button keeps the
// style's margin on both sides of its text (the style counts it once for
// both), so that no caption touches its button's edges in either language.
class ProgramStyle : public QProxyStyle
{
    Q_OBJECT
public:
    // Makes it the application's style; before the first window, so that no
    // window is dressed twice.
    static void use();

    int pixelMetric(PixelMetric metric, const QStyleOption *option = nullptr,
                    const QWidget *widget = nullptr) const override;
    QSize sizeFromContents(ContentsType type, const QStyleOption *option, const QSize &contentsSize,
                           const QWidget *widget = nullptr) const override;
};
