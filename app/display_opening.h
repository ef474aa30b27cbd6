#pragma once

namespace hobwatch {

// Watches over Qt while it opens the display, that is while the QApplication is made. Qt
// reports a display it cannot open (a remote one that does not answer, a screen that does not
// exist, a platform plugin that is not there) by printing several lines and aborting; under
// this guard the program ends instead with one line on standard error and status 1, which
// names the display and gives Qt's reason. Qt's other messages of that moment are held
// back and printed as usual by Opened().
class DisplayOpening {
public:
    DisplayOpening();
    ~DisplayOpening();
    DisplayOpening(const DisplayOpening&) = delete;
    DisplayOpening& operator=(const DisplayOpening&) = delete;

    // Qt has opened the display: its messages go their usual way again.
    void Opened();

private:
    bool watching_ = true;
};

}  // namespace hobwatch
