// Rich text as the records store it: loaded into a QTextDocument, saved as
// RTF, loaded again.  Both documents must hold the same plain text, and it
// must be the plain text rtf::ToPlainText reads from the source.
#include <QGuiApplication>
#include <QTextDocument>

#include "fuzz_support.h"
#include "plumbing/rtf/rtf.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    // Fonts need an application; the offscreen platform needs no display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "fuzz_rtf";
    static char* argv[] = {name, nullptr};
    static QGuiApplication application(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    const std::string_view source = fuzz::AsText(bytes, size);
    QTextDocument first;
    rtf::Load(first, source);
    const QString plain = first.toPlainText();
    fuzz::Require(rtf::ToPlainText(source) == plain, "ToPlainText reads what Load shows");

    QTextDocument second;
    rtf::Load(second, rtf::Save(first));
    fuzz::Require(second.toPlainText() == plain, "the saved text loads back the same");
    return 0;
}
