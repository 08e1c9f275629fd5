#include "ui/Artwork.h"

#include <QGuiApplication>
#include <QPainter>
#include <QString>
#include <QSvgRenderer>

namespace golv::artwork {

namespace {

const QString kLogo = QStringLiteral(":/golv/artwork/logo.svg");
const QString kWindowPicture = QStringLiteral(":/golv/artwork/window.svg");
const QString kIcon = QStringLiteral(":/golv/artwork/icon.svg");

QPixmap render(const QString& file, const QSize& size, qreal pixelRatio)
{
    QPixmap pixmap(size * pixelRatio);
    pixmap.setDevicePixelRatio(pixelRatio);
    pixmap.fill(Qt::transparent);
    QSvgRenderer renderer(file);
    renderer.setAspectRatioMode(Qt::KeepAspectRatio);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
    return pixmap;
}

qreal screenPixelRatio() { return qGuiApp->devicePixelRatio(); }

QSize drawnSize(const QString& file) { return QSvgRenderer(file).defaultSize(); }

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

} // namespace golv::artwork
