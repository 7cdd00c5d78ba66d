#include "plumbing/widgets/scripted_dialog_service.h"

CScriptedDialogService::CScriptedDialogService() : m_previous(SetCurrent(this)) {}

CScriptedDialogService::~CScriptedDialogService() {
    SetCurrent(m_previous);
}

QString CScriptedDialogService::ChooseFileToOpen(QWidget*, const CFileDialogRequest& request) {
    m_requests.append({QStringLiteral("open"), request.caption, {}, request, {}});
    return m_openAnswers.isEmpty() ? QString() : m_openAnswers.takeFirst();
}

QString CScriptedDialogService::ChooseFileToSave(QWidget*, const CFileDialogRequest& request) {
    m_requests.append({QStringLiteral("save"), request.caption, {}, request, {}});
    return m_saveAnswers.isEmpty() ? QString() : m_saveAnswers.takeFirst();
}

CDialogService::Answer CScriptedDialogService::AskYesNoCancel(QWidget*, const QString& caption,
                                                              const QString& text) {
    m_requests.append({QStringLiteral("yesnocancel"), caption, text, {}, {}});
    return m_questionAnswers.isEmpty() ? Answer::Cancel : m_questionAnswers.takeFirst();
}

bool CScriptedDialogService::AskYesNo(QWidget*, const QString& caption, const QString& text) {
    m_requests.append({QStringLiteral("yesno"), caption, text, {}, {}});
    return !m_questionAnswers.isEmpty() && m_questionAnswers.takeFirst() == Answer::Yes;
}

void CScriptedDialogService::ShowMessage(QWidget*, const QString& caption, const QString& text,
                                         MessageKind kind) {
    m_requests.append({QStringLiteral("message"), caption, text, {}, kind});
}
