#include "ui/sunken_panel.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOptionFrame>

namespace hobwatch {

void SunkenPanel::paintEvent(QPaintEvent*) {
    // The options a framed text field gives its style, so that the panel keeps that look.
    QStyleOptionFrame option;
    option.initFrom(this);
    option.lineWidth = style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, this);
    option.midLineWidth = 0;
    option.state |= QStyle::State_Sunken;
    QPainter painter(this);
    style()->drawPrimitive(QStyle::PE_PanelLineEdit, &option, &painter, this);
}

}  // namespace hobwatch
