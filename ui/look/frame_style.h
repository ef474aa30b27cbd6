#pragma once

#include <QProxyStyle>

namespace hobwatch {

// Fusion, but drawing a frame's outline from a picture it reads as the PNG the picture is:
// Fusion itself has Qt guess the picture's format (see ReadPngPicture). The outline looks
// exactly as Fusion draws it.
class FrameStyle final : public QProxyStyle {
public:
    FrameStyle();

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override;

private:
    QPixmap outline_;
};

// Whether FrameStyle can stand in for the application's style: only when that is Fusion.
bool FrameStyleFits();

}  // namespace hobwatch
