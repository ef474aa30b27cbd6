#pragma once

#include <QPixmap>
#include <QString>

namespace hobwatch {

// The PNG picture in `file` (a resource path too), read as PNG without guessing its format:
// guessing makes Qt load every image format plugin, about 0.4 MB of memory and several
// milliseconds, before it reads the picture. Null when it cannot be read.
QPixmap ReadPngPicture(const QString& file);

}  // namespace hobwatch
