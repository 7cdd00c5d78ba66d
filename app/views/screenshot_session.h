// CScreenshotSession: what the program's screenshot run (--screenshot-dir)
// hands each scene.  A scene is one function that sets the program up (opens
// a window, selects, scrolls) and saves pictures through Save; the scenes are
// listed once, in app/shell/screenshot_run.cpp, each for one data set:
//
//   "demo"  the program directory of the build, with the demo data and case
//   "real"  a scratch program directory with Kent's repertory and Boericke's
//           materia medica compiled in (scripts/screenshots makes it)
//
// A picture is saved as NAME + suffix + ".png" in the run's folder; the
// suffix tells the runs at other scales apart ("@2x").
//
// Everything runs on the user-interface thread.
#pragma once

#include <QString>

class QWidget;

class CScreenshotSession {
public:
    CScreenshotSession(QString folder, QString suffix, QString dataSet);

    const QString& Folder() const { return m_folder; }
    const QString& Suffix() const { return m_suffix; }
    const QString& DataSet() const { return m_dataSet; }

    // Lets pending layouts and paints run, then saves the picture of `window`
    // (prints "saved PATH" or "cannot save PATH").  False when it cannot.
    bool Save(QWidget& window, const char* name);

    // Lets pending layouts and paints run.
    static void Settle();

    // The program's main window (CWindowHost::Current()); null when none.
    static QWidget* MainWindow();

private:
    QString m_folder;
    QString m_suffix;
    QString m_dataSet;
};
