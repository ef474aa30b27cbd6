#pragma once

#include <QWidget>

namespace hobwatch {

// An empty, sunken panel behind other controls, drawn as a text field is drawn but holding no
// text: nothing to edit, focus or read out beyond its name. Its background is the palette's
// Base colour.
class SunkenPanel final : public QWidget {
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace hobwatch
