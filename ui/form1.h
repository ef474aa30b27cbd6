#pragma once

#include <QString>
#include <QWidget>

#include "core/control_states.h"
#include "core/form1_handlers.h"
#include "core/sounds.h"
#include "core/window_requests.h"
#include "runtime/clock.h"
#include "ui/form1_widgets.h"
#include "ui/message_box.h"
#include "ui/topmost.h"

namespace hobwatch {

// The program's one window. It turns widget events into calls of the handlers and shows the
// control states they leave; the countdown and the notes reading live in Form1Handlers.
class Form1 final : public QWidget, private WindowRequests {
    Q_OBJECT

public:
    // `programDirectory` holds the settings file. The clock, sounds and adapters must outlive
    // the window.
    Form1(const Clock& clock, Sounds& sounds, MessageBox& messageBox, Topmost& topmost,
          QString programDirectory, QWidget* parent = nullptr);

    // Fills the lists, reads the settings, shows the window centred and topmost, focuses the
    // minutes entry.
    void Form_Load();

protected:
    // Every close runs Form_Unload; nothing refuses it.
    void closeEvent(QCloseEvent* event) override;

private:
    void RunHandler(void (Form1Handlers::*handler)());
    void cmdTips_Click();
    void Form_Unload();
    void UnloadAndEnd() override;
    void ShowCentred();

    MessageBox& messageBox_;
    Topmost& topmost_;
    const QString programDirectory_;
    Form1Widgets widgets_;
    Form1Controls controls_;
    Form1Handlers handlers_;
    bool ended_ = false;
};

}  // namespace hobwatch
