// Renders GOLV's artwork to PNG files, for builds that draw it without Qt's
// SVG module (the Windows program) and for the installed program's icon:
//
//   golv-render-artwork FOLDER
//
// Every picture NAME.svg becomes NAME.png at kPrebuiltArtworkScale times the
// size it was drawn at; the icon also becomes icon-256.png at 256 x 256
// pixels and golv.ico, the Windows icon with the sizes of title bars, task bars and
// file lists.

#include "ui/Artwork.h"

#include <QBuffer>
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSaveFile>
#include <QSvgRenderer>

#include <iostream>

namespace {

QImage render(const QString& file, const QSize& size)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QSvgRenderer renderer(file);
    renderer.setAspectRatioMode(Qt::KeepAspectRatio);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
    return image;
}

void appendLittleEndian(QByteArray& bytes, quint32 value, int width)
{
    for (int i = 0; i < width; ++i)
        bytes += static_cast<char>((value >> (8 * i)) & 0xFF);
}

// An icon file whose every size is a PNG, as Windows has read them since
// Vista; Qt's own writer keeps only one size.
QByteArray iconFile(const QString& svg)
{
    const QList<int> sides = {16, 24, 32, 48, 64, 128, 256};
    QList<QByteArray> images;
    for (const int side : sides) {
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        render(svg, QSize(side, side)).save(&buffer, "PNG");
        images << png;
    }
    QByteArray file;
    appendLittleEndian(file, 0, 2); // reserved
    appendLittleEndian(file, 1, 2); // an icon, not a cursor
    appendLittleEndian(file, static_cast<quint32>(sides.size()), 2);
    quint32 offset = 6 + 16 * static_cast<quint32>(sides.size());
    for (qsizetype i = 0; i < sides.size(); ++i) {
        const quint32 side = sides[i] == 256 ? 0 : static_cast<quint32>(sides[i]); // 0 stands for 256
        appendLittleEndian(file, side, 1);
        appendLittleEndian(file, side, 1);
        appendLittleEndian(file, 0, 1);  // no palette
        appendLittleEndian(file, 0, 1);  // reserved
        appendLittleEndian(file, 1, 2);  // colour planes
        appendLittleEndian(file, 32, 2); // bits a pixel
        appendLittleEndian(file, static_cast<quint32>(images[i].size()), 4);
        appendLittleEndian(file, offset, 4);
        offset += static_cast<quint32>(images[i].size());
    }
    for (const QByteArray& image : images)
        file += image;
    return file;
}

bool write(const QString& path, const QByteArray& bytes)
{
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
}

} // namespace

int main(int argc, char* argv[])
{
    QGuiApplication application(argc, argv);
    if (argc != 2) {
        std::cerr << "usage: golv-render-artwork FOLDER\n";
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!folder.mkpath(QStringLiteral("."))) {
        std::cerr << "cannot make " << argv[1] << '\n';
        return 1;
    }
    const QDir artwork(QStringLiteral(":/golv/artwork"));
    const QString icon = artwork.filePath(QStringLiteral("icon.svg"));
    bool written = true;
    for (const QString& name : artwork.entryList({QStringLiteral("*.svg")})) {
        const QString svg = artwork.filePath(name);
        const QSize size = QSvgRenderer(svg).defaultSize() * golv::artwork::kPrebuiltArtworkScale;
        const QString png = folder.filePath(QString(name).replace(QStringLiteral(".svg"), QStringLiteral(".png")));
        written = render(svg, size).save(png, "PNG") && written;
    }
    written = render(icon, QSize(256, 256)).save(folder.filePath(QStringLiteral("icon-256.png")), "PNG") && written;
    written = write(folder.filePath(QStringLiteral("golv.ico")), iconFile(icon)) && written;
    if (!written) {
        std::cerr << "cannot write the artwork into " << argv[1] << '\n';
        return 1;
    }
    return 0;
}
