#include "ui/look/frame_style.h"

#include <algorithm>

#include <qdrawutil.h>
#include <QApplication>
#include <QGroupBox>
#include <QStyleOption>

#include "ui/look/png_picture.h"

namespace hobwatch {
namespace {

const QString kFusion = QStringLiteral("fusion");
const QString kOutlinePicture =
    QStringLiteral(":/qt-project.org/styles/commonstyle/images/fusion_groupbox.png");

// Fusion's room between a frame's top and its outline, beside the caption.
constexpr int kTopMargin = 3;

}  // namespace

FrameStyle::FrameStyle() : QProxyStyle(kFusion), outline_(ReadPngPicture(kOutlinePicture)) {}

void FrameStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                               QPainter* painter, const QWidget* widget) const {
    if (element != PE_FrameGroupBox || outline_.isNull()) {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        return;
    }
    const auto* frame = qobject_cast<const QGroupBox*>(widget);
    const bool captioned = frame == nullptr || frame->isCheckable() || !frame->title().isEmpty();
    const int top = captioned ? std::max(pixelMetric(PM_ExclusiveIndicatorHeight, option, widget),
                                         option->fontMetrics.height()) +
                                    kTopMargin
                              : kTopMargin;
    qDrawBorderPixmap(painter, option->rect.adjusted(0, top, 0, 0), QMargins(6, 6, 6, 6), outline_);
}

bool FrameStyleFits() {
    return QApplication::style()->name().compare(kFusion, Qt::CaseInsensitive) == 0;
}

}  // namespace hobwatch
