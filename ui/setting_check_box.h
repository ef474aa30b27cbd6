#pragma once

#include <QCheckBox>

namespace hobwatch {

// A check box that only the settings file can grey. A click on a greyed box ticks it, and from
// then on it is an ordinary two-state box.
class SettingCheckBox final : public QCheckBox {
    Q_OBJECT

public:
    using QCheckBox::QCheckBox;

protected:
    void nextCheckState() override;
};

}  // namespace hobwatch
