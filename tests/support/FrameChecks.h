#pragma once

#include <QImage>
#include <QString>
#include <QWidget>

namespace kl::testing {

// Empty when a picture that lies on a frame's top edge lies wholly in the edge's gap; otherwise what is
// wrong: the frame's columns (in its own coordinates) where the edge is drawn across the picture, or that
// no top edge was found. The frame is drawn alone, without the picture or any other child, so only its own
// edge can show there.
inline QString topEdgeAcross(QWidget& frame, const QWidget& picture) {
    using namespace Qt::StringLiterals;
    QImage image(frame.size(), QImage::Format_RGB32);
    frame.render(&image, QPoint(), QRegion(), QWidget::DrawWindowBackground);
    const QColor background = image.pixelColor(image.width() / 2, image.height() / 2);
    // The edge's first row, where it runs alone near the frame's right end.
    const int probe = image.width() - 8;
    int edge = 0;
    while (edge < image.height() / 2 && image.pixelColor(probe, edge) == background) {
        ++edge;
    }
    if (edge >= image.height() / 2) {
        return u"no top edge in %1"_s.arg(frame.objectName());
    }
    int first = -1;
    int last = -1;
    for (int x = picture.x(); x < picture.x() + picture.width(); ++x) {
        // The edge is two pixels thick: its shadow and its light line.
        if (image.pixelColor(x, edge) != background || image.pixelColor(x, edge + 1) != background) {
            first = first < 0 ? x : first;
            last = x;
        }
    }
    if (first < 0) {
        return {};
    }
    return u"%1's top edge runs across %2 from x %3 to %4 (the picture: %5 to %6)"_s
        .arg(frame.objectName(), picture.objectName())
        .arg(first)
        .arg(last)
        .arg(picture.x())
        .arg(picture.x() + picture.width() - 1);
}

} // namespace kl::testing
