// Measuring the start-up: the time from the program's start to the first
// paint of the main window.
#pragma once

class QElapsedTimer;
class QWidget;

// After the first paint of `window` (or of a widget inside it), prints
// "first-paint-ms N" (milliseconds since `sinceStart` started) on the
// standard output and quits the application.
void WatchFirstPaint(QWidget& window, const QElapsedTimer& sinceStart);
