#include "shell_qtest_support.h"

#include <stdlib.h>

#include <QDir>
#include <QFile>
#include <QTextEdit>
#include <filesystem>

#include "analysis/analysis_operations.h"
#include "model/records/case.h"
#include "plumbing/documents/child_frame.h"
#include "plumbing/documents/document.h"

namespace shell_test {

namespace {
std::string g_scratch;

void RemoveScratch() {
    std::error_code ignored;
    if (!g_scratch.empty()) std::filesystem::remove_all(g_scratch, ignored);
}
}  // namespace

void PrepareEnvironment() {
    std::string pattern = (std::filesystem::temp_directory_path() / "meridane-shell-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) std::abort();
    g_scratch = pattern;
    std::atexit(RemoveScratch);
    for (const char* folder : {"home", "config", "data", "runtime"}) {
        std::filesystem::create_directories(g_scratch + "/" + folder);
    }
    std::filesystem::permissions(g_scratch + "/runtime", std::filesystem::perms::owner_all);
    setenv("MERIDANE_HOME", (g_scratch + "/home").c_str(), 1);
    setenv("XDG_CONFIG_HOME", (g_scratch + "/config").c_str(), 1);
    setenv("XDG_DATA_HOME", (g_scratch + "/data").c_str(), 1);
    setenv("XDG_RUNTIME_DIR", (g_scratch + "/runtime").c_str(), 1);
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
}

QString ScratchPath(const QString& name) {
    return QDir(QString::fromStdString(g_scratch)).filePath(name);
}

void WriteCase(CCase& theCase, const QString& path) {
    std::string error;
    if (!theCase.SaveFile(QFile::encodeName(path).toStdString(), &error)) {
        QFAIL(qPrintable(QStringLiteral("cannot write %1: %2").arg(path, QString::fromStdString(error))));
    }
}

std::unique_ptr<CCase> SampleCase() {
    auto theCase = std::make_unique<CCase>();
    CPatientInfo& card = theCase->GetPatientInfo();
    card.m_name = "Jane Roe";
    card.m_age = "May 1, 1980";
    card.m_address = "1 High Street";
    card.m_heightAndWeight = "170 cm, 60 kg";
    card.m_peculiarityes = "Left-handed";
    theCase->AddEpisode("New Episode");
    theCase->AddPrescription();
    CAnalysis* analysis = theCase->AddAnalysis();
    AddSymptom(*analysis, "Thirst");
    for (CSympthom* symptom = &analysis->GetFirstSymptom(); symptom != nullptr;
         symptom = symptom->GetNext()) {
        symptom->m_topics.emplace_back();  // a topic of no kind counts as a rubric here
    }
    analysis->GetFirstSymptom().m_topics.emplace_back();
    return theCase;
}

std::string ReadFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return file.readAll().toStdString();
}

QList<QTextEdit*> EditorsOf(CDocument* document) {
    QList<QTextEdit*> editors;
    if (document == nullptr) return editors;
    for (CChildFrame* frame : document->Frames()) editors += frame->findChildren<QTextEdit*>();
    return editors;
}

}  // namespace shell_test
