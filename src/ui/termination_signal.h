#pragma once

class QWidget;

// When the desktop session or a terminal asks the editor to end (SIGTERM, SIGINT, SIGHUP), the
// window is closed as by its close box, so that the run ends as an ordinary close does. Where
// these signals do not exist this does nothing.
void closeOnTerminationSignal(QWidget* window);
