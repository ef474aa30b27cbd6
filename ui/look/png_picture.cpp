#include "ui/look/png_picture.h"

#include <QImageReader>

namespace hobwatch {

QPixmap ReadPngPicture(const QString& file) {
    QImageReader reader(file, "png");
    reader.setAutoDetectImageFormat(false);
    return QPixmap::fromImage(reader.read());
}

}  // namespace hobwatch
