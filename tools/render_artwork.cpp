// Renders GOLV's icon to a PNG file of SIZE x SIZE pixels, for the icon
// theme of the installed program:
//
//   golv-render-icon SIZE OUTPUT.png

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdlib>
#include <iostream>

int main(int argc, char* argv[])
{
    QGuiApplication application(argc, argv);
    if (argc != 3 || std::atoi(argv[1]) <= 0) {
        std::cerr << "usage: golv-render-icon SIZE OUTPUT.png\n";
        return 2;
    }
    const int size = std::atoi(argv[1]);
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QSvgRenderer renderer(QStringLiteral(":/golv/artwork/icon.svg"));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter);
    painter.end();
    if (!image.save(QString::fromLocal8Bit(argv[2]), "PNG")) {
        std::cerr << "cannot write " << argv[2] << '\n';
        return 1;
    }
    return 0;
}
