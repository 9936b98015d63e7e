#include "ProgramIcon.h"

#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

#include <array>

QIcon programIcon() {
    // The resources live in a static library, which the linker would drop unless referred to.
    Q_INIT_RESOURCE(about);

    // Drawn with the renderer itself rather than through an image plugin, so a missing plugin
    // is a link error, not a blank icon.
    QSvgRenderer renderer(QStringLiteral(":/strunomat/strunomat.svg"));
    QIcon icon;
    for (const int side : std::array{16, 24, 32, 48, 64, 128, 256}) {
        QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        renderer.render(&painter);
        painter.end();
        icon.addPixmap(QPixmap::fromImage(image));
    }
    return icon;
}
