// The help window: the help text of the cable data file, read afresh each time the window
// loads, in a text box that scrolls both ways and fills the window.
#pragma once

#include "print/qt_text.h"

#include "widgets/window_registry.h"

#include <QPlainTextEdit>

namespace tensora {

inline QString missingHelpMessage() {
    return UiText::tr("This feature requires a cable datafile be loaded.\n\n"
                      "Cable datafile (cabledat.qx4) could not be found.\n"
                      "Please find and place the file (cabledat.qx4)\n"
                      "in the same directory as this program and restart.");
}

class textEditor : public RegisteredWindow<QWidget> {
    Q_OBJECT

public:
    explicit textEditor(WindowRegistry& registry);

    // Sets the caption and reads the help text; an unreadable file leaves the box empty.
    void Form_Load();

private:
    QPlainTextEdit* Sessiontext;
};

} // namespace tensora
