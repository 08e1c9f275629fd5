#include "ui/Artwork.h"

#include <QGuiApplication>
#include <QLatin1StringView>
#include <QPainter>
#include <QString>
#ifdef GOLV_PREBUILT_ARTWORK
#include <QImage>
#include <QImageReader>
#else
#include <QSvgRenderer>
#endif

#include <array>
#include <cstddef>

namespace golv::artwork {

namespace {

const QString kLogo = QStringLiteral(":/golv/artwork/logo.svg");
const QString kWindowPicture = QStringLiteral(":/golv/artwork/window.svg");
const QString kIcon = QStringLiteral(":/golv/artwork/icon.svg");

// In the order of Picture, so the enum indexes it; the static_assert below
// catches a picture added to one and not the other.
constexpr std::array kPictureFiles{
    QLatin1StringView(":/golv/artwork/weapon.svg"),
    QLatin1StringView(":/golv/artwork/gunflash.svg"),
    QLatin1StringView(":/golv/artwork/preview-start.svg"),
    QLatin1StringView(":/golv/artwork/preview-stop.svg"),
    QLatin1StringView(":/golv/artwork/legend-test.svg"),
    QLatin1StringView(":/golv/artwork/turn-left.svg"),
    QLatin1StringView(":/golv/artwork/turn-right.svg"),
    QLatin1StringView(":/golv/artwork/turn-back-left.svg"),
    QLatin1StringView(":/golv/artwork/turn-back-right.svg"),
    QLatin1StringView(":/golv/artwork/swim-forward.svg"),
    QLatin1StringView(":/golv/artwork/on-ground.svg"),
    QLatin1StringView(":/golv/artwork/in-air.svg"),
    QLatin1StringView(":/golv/artwork/swimming.svg"),
    QLatin1StringView(":/golv/artwork/set-picture.svg"),
};
static_assert(kPictureFiles.size() == static_cast<std::size_t>(Picture::SetPicture) + 1);

QString pictureFile(Picture which) { return kPictureFiles.at(static_cast<std::size_t>(which)); }

// Draws a picture into `size`, keeping its proportions and centred.
#ifdef GOLV_PREBUILT_ARTWORK

QString prebuilt(const QString& svg)
{
    return QString(svg).replace(QLatin1StringView(".svg"), QLatin1StringView(".png"));
}

void paint(QPainter& painter, const QString& file, const QSize& size)
{
    const QImage image(prebuilt(file));
    const QSizeF drawn = QSizeF(image.size()).scaled(QSizeF(size), Qt::KeepAspectRatio);
    const QPointF corner((size.width() - drawn.width()) / 2, (size.height() - drawn.height()) / 2);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(QRectF(corner, drawn), image);
}

QSize drawnSize(const QString& file) { return QImageReader(prebuilt(file)).size() / kPrebuiltArtworkScale; }

#else

void paint(QPainter& painter, const QString& file, const QSize& size)
{
    QSvgRenderer renderer(file);
    renderer.setAspectRatioMode(Qt::KeepAspectRatio);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
}

QSize drawnSize(const QString& file) { return QSvgRenderer(file).defaultSize(); }

#endif

QPixmap render(const QString& file, const QSize& size, qreal pixelRatio)
{
    QPixmap pixmap(size * pixelRatio);
    pixmap.setDevicePixelRatio(pixelRatio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    paint(painter, file, size);
    return pixmap;
}

qreal screenPixelRatio() { return qGuiApp->devicePixelRatio(); }

} // namespace

QPixmap logo(const QSize& size) { return render(kLogo, size, screenPixelRatio()); }

QPixmap windowPicture(const QSize& size) { return render(kWindowPicture, size, screenPixelRatio()); }

QIcon programIcon()
{
    QIcon icon;
    for (const int side : {16, 24, 32, 48, 64, 128, 256})
        icon.addPixmap(render(kIcon, QSize(side, side), 1.0));
    return icon;
}

QSize logoSize() { return drawnSize(kLogo); }

QSize windowPictureSize() { return drawnSize(kWindowPicture); }

QPixmap picture(Picture which, const QSize& size) { return render(pictureFile(which), size, screenPixelRatio()); }

QSize pictureSize(Picture which) { return drawnSize(pictureFile(which)); }

} // namespace golv::artwork
