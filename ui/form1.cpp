#include "ui/form1.h"

#include <utility>

#include <QCloseEvent>
#include <QPushButton>

#include "ui/form1_controls_sync.h"
#include "ui/notes_box.h"
#include "ui/tick_timer.h"

namespace hobwatch {

Form1::Form1(const Clock& clock, Sounds& sounds, MessageBox& messageBox, Topmost& topmost,
             QString programDirectory, QWidget* parent)
    : QWidget(parent),
      messageBox_(messageBox),
      topmost_(topmost),
      programDirectory_(std::move(programDirectory)),
      widgets_(BuildForm1Widgets(*this, clock)),
      handlers_(controls_, clock, sounds, *this) {
    const auto on = [this](auto handler) { return [this, handler] { RunHandler(handler); }; };
    connect(widgets_.Command1, &QPushButton::clicked, this, on(&Form1Handlers::Command1_Click));
    connect(widgets_.Command2, &QPushButton::clicked, this, on(&Form1Handlers::Command2_Click));
    connect(widgets_.Command3, &QPushButton::clicked, this, on(&Form1Handlers::Command3_Click));
    connect(widgets_.Timer1, &TickTimer::Ticked, this, on(&Form1Handlers::Timer1_Timer));
    connect(widgets_.Text1, &NotesBox::Clicked, this, on(&Form1Handlers::Text1_Click));
    connect(widgets_.cmdTips, &QPushButton::clicked, this, &Form1::cmdTips_Click);
}

void Form1::RunHandler(void (Form1Handlers::*handler)()) {
    // Read fresh: the user may have typed, ticked or highlighted since the last event.
    ReadControls(widgets_, controls_);
    const Form1Controls before = controls_;
    (handlers_.*handler)();
    if (!ended_) {
        WriteControls(before, controls_, handlers_.StartTime, widgets_);
    }
}

void Form1::closeEvent(QCloseEvent* event) {
    Form_Unload();
    event->accept();
}

}  // namespace hobwatch
