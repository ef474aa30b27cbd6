#pragma once

class QWidget;

namespace hobwatch {

// Keeps a window above all windows that are not themselves kept on top, without moving,
// resizing or activating it.
class Topmost {
public:
    virtual ~Topmost() = default;
    // Call before the window is first shown: the platform takes the request when it maps the
    // window, and changing it later would hide the window.
    virtual void KeepAboveOthers(QWidget& window) = 0;
};

// The toolkit's stay-on-top request; on X11 the window manager's "above" state.
class QtTopmost final : public Topmost {
public:
    void KeepAboveOthers(QWidget& window) override;
};

}  // namespace hobwatch
