// What the shell's widget tests share: a scratch home (program directory,
// profile and data folders) set up before the QApplication exists, case
// files written at test time, and small finders for the windows.
#pragma once

#include <QString>
#include <QTest>
#include <memory>
#include <string>

class CCase;
class CDocument;
class QTextEdit;

namespace shell_test {

// Points MERIDANE_HOME, XDG_CONFIG_HOME, XDG_DATA_HOME and XDG_RUNTIME_DIR at
// folders of a new scratch directory (removed at exit) and selects the
// offscreen platform unless another one is set.
void PrepareEnvironment();

// The scratch directory; `name` inside it.
QString ScratchPath(const QString& name);

// Writes `theCase` to `path`; fails the test on error.
void WriteCase(CCase& theCase, const QString& path);

// A case for "Jane Roe": card filled, Married empty, then an episode
// "New Episode", a prescription and an analysis of two symptoms with three
// topics, in that order.
std::unique_ptr<CCase> SampleCase();

// The text of a file ("" when it cannot be read).
std::string ReadFile(const QString& path);

// The rich-text editors inside the frames of `document`, in creation order.
QList<QTextEdit*> EditorsOf(CDocument* document);

}  // namespace shell_test

// A Qt Test main that prepares the scratch environment first.
#define MERIDANE_SHELL_QTEST_MAIN(TestObject)        \
    int main(int argc, char** argv) {                \
        shell_test::PrepareEnvironment();            \
        QApplication application(argc, argv);        \
        TestObject test;                             \
        return QTest::qExec(&test, argc, argv);      \
    }
