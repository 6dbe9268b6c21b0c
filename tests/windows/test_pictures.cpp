#include "windows/Pictures.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QPalette>
#include <QPixmap>
#include <QtTest>

// The button pictures on light and dark schemes: what stands on the window's
// background keeps enough contrast to it.
class TestPictures : public QObject
{
    Q_OBJECT

private:
    // WCAG's contrast ratio of two colours, 1 to 21.
    static double contrast(const QColor &a, const QColor &b)
    {
        const auto luminance = [](const QColor &c) {
            const auto linear = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
            return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
        };
        const double la = luminance(a);
        const double lb = luminance(b);
        return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
    }

private slots:
    void standsOutOnTheBackground_data()
    {
        QTest::addColumn<QColor>("window");
        QTest::addColumn<QColor>("text");
        QTest::addColumn<QString>("picture");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QPoint>("at");
        const QColor light(0xef, 0xef, 0xef);
        const QColor dark(0x22, 0x20, 0x20);
        // The exit door's frame, the exit arrow, the edge of a flag's black stripe.
        for (const auto &[scheme, window, text] : {std::tuple{"light", light, QColor(Qt::black)},
                                                    std::tuple{"dark", dark, QColor(Qt::white)}}) {
            QTest::addRow("%s door frame", scheme) << window << text << "icon_exit" << QSize(32, 32) << QPoint(16, 4);
            QTest::addRow("%s exit arrow", scheme) << window << text << "icon_exit" << QSize(32, 32) << QPoint(22, 16);
            QTest::addRow("%s flag edge", scheme) << window << text << "flag_dem" << QSize(60, 40) << QPoint(30, 0);
        }
    }
    void standsOutOnTheBackground()
    {
        QFETCH(QColor, window);
        QFETCH(QColor, text);
        QFETCH(QString, picture);
        QFETCH(QSize, size);
        QFETCH(QPoint, at);
        QPalette palette;
        palette.setColor(QPalette::Window, window);
        palette.setColor(QPalette::WindowText, text);
        QApplication::setPalette(palette);
        QImage drawn(size, QImage::Format_ARGB32_Premultiplied);
        drawn.fill(window);
        {
            QPainter painter(&drawn);
            Picture(picture.toLatin1().constData()).paint(&painter, drawn.rect());
        }
        const QColor shown = drawn.pixelColor(at);
        QVERIFY2(contrast(shown, window) >= 3, qPrintable(QStringLiteral("%1 on %2: %3").arg(shown.name(), window.name())
                                                               .arg(contrast(shown, window))));
    }
};

QTEST_MAIN(TestPictures)
#include "test_pictures.moc"
