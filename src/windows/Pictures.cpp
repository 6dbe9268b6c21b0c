#include "windows/Pictures.h"

#include <QApplication>
#include <QFile>
#include <QGuiApplication>
#include <QHash>
#include <QIconEngine>
#include <QPainter>
#include <QPalette>
#include <QPixmap>
#include <QPixmapCache>
#include <QStyle>
#include <QStyleOption>
#include <QSvgRenderer>

#include <memory>

namespace {

// The ink of the lines that stand on the window's background (currentColor in
// the pictures): the palette's text colour softened towards the background, so
// that they read on light and dark schemes alike. Lines on the pictures' own
// light surfaces keep their fixed dark colour.
QColor Ink()
{
    // Asked at every paint of every picture: worked out again only when the
    // palette changes.
    const QPalette palette = QGuiApplication::palette();
    static qint64 lastPalette = 0;
    static QColor lastInk;
    if (palette.cacheKey() == lastPalette && lastInk.isValid())
        return lastInk;
    lastPalette = palette.cacheKey();
    const QColor text = palette.color(QPalette::WindowText);
    const QColor window = palette.color(QPalette::Window);
    constexpr float TextShare = 0.8f;
    const auto mix = [](float a, float b) { return a * TextShare + b * (1 - TextShare); };
    lastInk = QColor::fromRgbF(mix(text.redF(), window.redF()), mix(text.greenF(), window.greenF()),
                               mix(text.blueF(), window.blueF()));
    return lastInk;
}

// Qt's own SVG icon engine reads the file when the icon is made and again when
// it is first drawn; this one reads it once, on first use.
class SvgPictureEngine : public QIconEngine
{
public:
    explicit SvgPictureEngine(QString path)
        : m_path(std::move(path))
    {
    }

    QIconEngine *clone() const override { return new SvgPictureEngine(m_path); }
    QString key() const override { return QStringLiteral("SvgPictureEngine"); }

    QSize actualSize(const QSize &size, QIcon::Mode, QIcon::State) override
    {
        const QSize natural = renderer().defaultSize();
        return natural.isEmpty() ? size : natural.scaled(size, Qt::KeepAspectRatio);
    }

    // A window's icon goes to the desktop at the sizes its bars and switchers
    // show it at, rather than at every size the toolkit would otherwise draw
    // before the window's first frame.
    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override
    {
        return {QSize(16, 16), QSize(24, 24), QSize(32, 32), QSize(48, 48), QSize(64, 64)};
    }

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override
    {
        const qreal ratio = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
        QPixmap drawn = scaledPixmap(rect.size(), mode, state, ratio);
        painter->drawPixmap(rect, drawn);
    }

    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return scaledPixmap(size, mode, state, 1.0);
    }

    QPixmap scaledPixmap(const QSize &size, QIcon::Mode mode, QIcon::State state, qreal scale) override
    {
        const QSize logical = actualSize(size, mode, state);
        const QSize device = (QSizeF(logical) * scale).toSize();
        const QString cacheKey =
            QStringLiteral("%1:%2x%3:%4").arg(m_cacheName).arg(device.width()).arg(device.height()).arg(int(mode));
        QPixmap drawn;
        if (QPixmapCache::find(cacheKey, &drawn))
            return drawn;
        drawn = QPixmap(device);
        drawn.fill(Qt::transparent);
        {
            QPainter painter(&drawn);
            renderer().render(&painter);
        }
        if (mode == QIcon::Disabled || mode == QIcon::Selected) {
            QStyleOption option;
            drawn = QApplication::style()->generatedIconPixmap(mode, drawn, &option);
        }
        drawn.setDevicePixelRatio(scale);
        QPixmapCache::insert(cacheKey, drawn);
        return drawn;
    }

private:
    // The renderer for the palette in force: a picture with ink is read again
    // only when the scheme changes its colour.
    QSvgRenderer &renderer()
    {
        if (m_source.isNull()) {
            QFile file(m_path);
            m_source = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("");
            m_usesInk = m_source.contains("currentColor");
        }
        const QColor ink = m_usesInk ? Ink() : QColor();
        if (!m_renderer || ink != m_ink) {
            m_ink = ink;
            QByteArray source = m_source;
            const qsizetype root = source.indexOf("<svg");
            if (m_usesInk && root >= 0)
                source.insert(root + 4, " color=\"" + ink.name().toLatin1() + '"');
            m_renderer = std::make_unique<QSvgRenderer>(source);
            m_cacheName = m_usesInk ? m_path + u':' + ink.name() : m_path;
        }
        return *m_renderer;
    }

    QString m_path;
    QByteArray m_source;
    bool m_usesInk = false;
    QColor m_ink;
    QString m_cacheName; // the drawn pixmaps' names in the cache: path and ink
    std::unique_ptr<QSvgRenderer> m_renderer;
};

QString PicturePath(const char *name) { return QStringLiteral(":/pictures/%1.svg").arg(QLatin1String(name)); }

} // namespace

QIcon Picture(const char *name)
{
    // Shared, so that a picture shown on many buttons is read and drawn once.
    static QHash<QByteArray, QIcon> pictures;
    auto found = pictures.constFind(name);
    if (found != pictures.constEnd())
        return *found;
    QIcon icon(new SvgPictureEngine(PicturePath(name)));
    pictures.insert(name, icon);
    return icon;
}

Failure PictureFailure(const char *name)
{
    const QString path = PicturePath(name);
    return QFile::exists(path) ? Failure{} : Failure{ErrorCode::FileNotFound, path};
}
