#include "ui/look/frame_style.h"

#include <gtest/gtest.h>

#include <memory>

#include <QGroupBox>
#include <QImage>
#include <QStyleFactory>

namespace hobwatch::testing {
namespace {

using namespace Qt::StringLiterals;

// The frames must look exactly as Fusion draws them, with a caption and without.
TEST(FrameStyle, DrawsFramesPixelForPixelAsFusion) {
    const std::unique_ptr<QStyle> fusion(QStyleFactory::create(u"fusion"_s));
    FrameStyle frameStyle;
    for (const QString& caption : {u"MINUTES"_s, QString()}) {
        SCOPED_TRACE(caption.toStdString());
        QGroupBox drawnByFusion(caption);
        QGroupBox drawnByFrameStyle(caption);
        drawnByFusion.setStyle(fusion.get());
        drawnByFrameStyle.setStyle(&frameStyle);
        for (QGroupBox* frame : {&drawnByFusion, &drawnByFrameStyle}) {
            frame->resize(97, 97);
        }
        EXPECT_EQ(drawnByFrameStyle.grab().toImage(), drawnByFusion.grab().toImage());
    }
}

}  // namespace
}  // namespace hobwatch::testing
