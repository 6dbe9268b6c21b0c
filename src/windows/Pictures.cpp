#include "windows/Pictures.h"

#include <QFile>
#include <QHash>
#include <QIconEngine>
#include <QPainter>
#include <QPixmap>
#include <QPixmapCache>
#include <QStyle>
#include <QStyleOption>
#include <QApplication>
#include <QSvgRenderer>

#include <memory>

namespace {

// Qt's own SVG icon engine reads the file when the icon is made and again when
// it is first drawn; this one reads it once, on first use.
class SvgPictureEngine : public QIconEngine
{
public:
    explicit SvgPictureEngine(QString path) : m_path(std::move(path)) { }

    QIconEngine *clone() const override { return new SvgPictureEngine(m_path); }
    QString key() const override { return QStringLiteral("SvgPictureEngine"); }

    QSize actualSize(const QSize &size, QIcon::Mode, QIcon::State) override
    {
        const QSize natural = renderer().defaultSize();
        return natural.isEmpty() ? size : natural.scaled(size, Qt::KeepAspectRatio);
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
        const QString cacheKey = QStringLiteral("%1:%2x%3:%4").arg(m_path).arg(device.width()).arg(device.height()).arg(int(mode));
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
    QSvgRenderer &renderer()
    {
        if (!m_renderer)
            m_renderer = std::make_unique<QSvgRenderer>(m_path);
        return *m_renderer;
    }

    QString m_path;
    std::unique_ptr<QSvgRenderer> m_renderer;
};

QString PicturePath(const char *name)
{
    return QStringLiteral(":/pictures/%1.svg").arg(QLatin1String(name));
}

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
