#pragma once

namespace hobwatch {

// Chooses how the window reaches the screen, before Qt starts. An explicit QT_QPA_PLATFORM is
// left alone. Otherwise an X server that answers is preferred, also under Wayland, where it is
// the only way to keep the window on top; a Wayland compositor that answers serves when there
// is none. With neither, prints one line on standard error and returns false: Qt would abort.
bool ChooseDisplay();

}  // namespace hobwatch
