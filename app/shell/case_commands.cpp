// The case commands of the application object: New, Open, Close, Save, Save As.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPointer>
#include <QStringDecoder>

#include "model/lang/localize.h"
#include "model/records/case.h"
#include "plumbing/documents/child_frame.h"
#include "plumbing/documents/doc_manager.h"
#include "plumbing/text/code_page.h"
#include "plumbing/widgets/dialog_service.h"
#include "shell/main_frame.h"
#include "shell/meridane_app.h"
#include "views/document_slots.h"
#include "views/window_texts.h"

namespace {

using views::Localized;

// The question before a modified case is dropped.  Its text is kept as the
// program has always asked it (code page 1251).
constexpr const char* kAttentionCaption = TextKey("Attantion");
constexpr const char* kAttentionText = TextKey(
    "\xC4\xEE\xEA\xF3\xEC\xE5\xED\xF2\x20\xE1\xFB\xEB\x20\xE8\xE7\xEC\xE5\xED\xED\xB8\xED\x2E"
    "\x20\xC5\xF1\xEB\xE8\x20\xC2\xFB\x20\xE6\xE5\xEB\xE0\xE5\xF2\xE5\x20\xF1\xEE\xF5\xF0\xE0"
    "\xED\xE8\xF2\xFC\x20\xE8\xE7\xEC\xE5\xED\xE5\xED\xE8\xFF\x20\xED\xE0\xE6\xEC\xE8\xF2\xE5"
    "\x20\xCE\xCA");

// A reason reported by the records: UTF-8 when it is valid UTF-8 (paths),
// else code page 1251 text.
QString ReasonText(const std::string& reason) {
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString decoded = utf8(QByteArrayView(reason.data(), qsizetype(reason.size())));
    return utf8.hasError() ? plumbing::DecodeCodePage(reason) : decoded;
}

std::string NativePath(const QString& path) { return QFile::encodeName(path).toStdString(); }

// The editor with the keyboard focus writes its text back into the record
// when it loses the focus; a save must see that text.
QPointer<QWidget> FlushEditors() {
    QPointer<QWidget> focus = QApplication::focusWidget();
    for (QWidget* w = focus; w != nullptr; w = w->parentWidget()) {
        if (qobject_cast<CChildFrame*>(w) != nullptr) {
            focus->clearFocus();
            break;
        }
    }
    return focus;
}

}  // namespace

bool CMeridaneApp::ConfirmDiscard() {
    if (!m_case || !m_modified) return true;
    switch (CDialogService::Current().AskYesNoCancel(m_frame, Localized(kAttentionCaption),
                                                     Localized(kAttentionText))) {
        case CDialogService::Answer::Yes:
            return SaveCase();  // a save that does not happen keeps the case
        case CDialogService::Answer::No:
            return true;
        case CDialogService::Answer::Cancel:
            break;
    }
    return false;
}

// The case first, then every open window holding unsaved work of its own
// (the user's materia medicas).
bool CMeridaneApp::ConfirmClose() {
    return ConfirmDiscard() && (m_documents == nullptr || m_documents->CanCloseAll());
}

void CMeridaneApp::CloseCaseDocuments() {
    if (m_documents == nullptr) return;
    m_documents->CloseAll({kEpisodeSlot, kPrescriptionSlot, kAnalysisSlot, kPatientInfoSlot,
                           kPractitionerSlot, kCaseSlot});
}

void CMeridaneApp::ReplaceCase(std::unique_ptr<CCase> replacement, const QString& path) {
    // The item windows go first: they hold pointers into the old case.
    CloseCaseDocuments();
    m_case = std::move(replacement);
    m_casePath = path;
    RefreshCase();
    m_modified = false;
    RefreshCase();
}

bool CMeridaneApp::NewCase() {
    if (!ConfirmDiscard()) return false;
    ReplaceCase(std::make_unique<CCase>(), QString());
    return true;
}

bool CMeridaneApp::CloseCase() {
    if (!ConfirmDiscard()) return false;
    ReplaceCase(nullptr, QString());
    return true;
}

void CMeridaneApp::ChooseAndOpenCase() {
    CFileDialogRequest request;
    request.caption = Localized("Open");
    request.filters = QStringList{Localized("All Files (*.*)").replace(QLatin1String("*.*"),
                                                                        QLatin1String("*")),
                                  Localized("Homeopathic case (*.hom)")};
    request.selectedFilter = 1;
    request.initialPath = m_casePath.isEmpty() ? QString() : QFileInfo(m_casePath).absolutePath();
    const QString path = CDialogService::Current().ChooseFileToOpen(m_frame, request);
    if (!path.isEmpty()) OpenCaseFile(path);
}

bool CMeridaneApp::OpenCaseFile(const QString& path) {
    // The file is read into a case of its own first: a file that cannot be
    // read or parsed leaves the open case as it is.
    std::string reason;
    std::unique_ptr<CCase> loaded = CCase::LoadFile(NativePath(path), &reason);
    if (!loaded) {
        CDialogService::Current().ShowMessage(
            m_frame, QStringLiteral("Meridane Suite"),
            Localized("The case file cannot be opened:") + QLatin1String("\n") +
                QDir::toNativeSeparators(path) + QLatin1String("\n\n") + ReasonText(reason),
            CDialogService::MessageKind::Error);
        return false;
    }
    if (!ConfirmDiscard()) return false;
    m_recent.Add(path);
    ReplaceCase(std::move(loaded), QFileInfo(path).absoluteFilePath());
    return true;
}

QString CMeridaneApp::DefaultFileName() const {
    std::string name = m_case ? m_case->GetPatientInfo().m_name : std::string();
    const std::size_t cut = name.find_first_of("#%;/\\");
    if (cut != std::string::npos) name.resize(cut);
    return name.empty() ? Localized("untitled") : plumbing::DecodeCodePage(name);
}

bool CMeridaneApp::SaveCase() {
    if (!m_case) return false;
    if (m_casePath.isEmpty() || !QFileInfo(m_casePath).isWritable()) return SaveCaseAs();
    return WriteCase(m_casePath);
}

bool CMeridaneApp::SaveCaseAs() {
    if (!m_case) return false;
    CFileDialogRequest request;
    request.caption = Localized("Save As");
    request.filters = CDialogService::FiltersFromPairs(
        Localized("Homeopathic case (*.hom)|*.hom|{All Files} *.*|*.*||", 0));
    request.selectedFilter = 0;
    request.defaultSuffix = QStringLiteral("hom");
    const QString folder =
        m_casePath.isEmpty() ? QDir::homePath() : QFileInfo(m_casePath).absolutePath();
    request.initialPath = QDir(folder).filePath(DefaultFileName());
    QPointer<QWidget> focus = QApplication::focusWidget();
    const QString path = CDialogService::Current().ChooseFileToSave(m_frame, request);
    if (focus) focus->setFocus();
    if (path.isEmpty()) return false;
    return WriteCase(path);
}

bool CMeridaneApp::WriteCase(const QString& path) {
    QPointer<QWidget> focus = FlushEditors();
    std::string reason;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const bool written = m_case->SaveFile(NativePath(path), &reason);
    QApplication::restoreOverrideCursor();
    if (!written) {
        CDialogService::Current().ShowMessage(
            m_frame, QStringLiteral("Meridane Suite"),
            Localized("The case could not be saved:") + QLatin1String("\n") +
                QDir::toNativeSeparators(path) + QLatin1String("\n\n") + ReasonText(reason),
            CDialogService::MessageKind::Error);
        if (focus) focus->setFocus();
        return false;
    }
    m_casePath = QFileInfo(path).absoluteFilePath();
    m_recent.Add(m_casePath);
    m_modified = false;
    RefreshCase();
    if (focus) focus->setFocus();
    return true;
}
