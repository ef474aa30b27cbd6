#include "ui/setting_check_box.h"

namespace hobwatch {

void SettingCheckBox::nextCheckState() {
    if (checkState() == Qt::PartiallyChecked) {
        setTristate(false);
        setCheckState(Qt::Checked);
        return;
    }
    QCheckBox::nextCheckState();
}

}  // namespace hobwatch
