// A dialog service for tests: answers from queues instead of showing dialogs,
// and records every request.  It is current while it exists.
#pragma once

#include <QList>

#include "plumbing/widgets/dialog_service.h"

class CScriptedDialogService : public CDialogService {
public:
    struct Request {
        QString kind;  // "open", "save", "yesnocancel", "yesno", "message"
        QString caption;
        QString text;
        CFileDialogRequest file;
        MessageKind messageKind = MessageKind::Information;
    };

    CScriptedDialogService();
    ~CScriptedDialogService() override;  // restores the service current before

    // Queue answers, used in order; an empty queue answers "cancelled" (an
    // empty path, Cancel, No).  Yes/No questions take Answer::Yes as yes.
    void QueueOpen(const QString& path) { m_openAnswers.append(path); }
    void QueueSave(const QString& path) { m_saveAnswers.append(path); }
    void QueueAnswer(Answer answer) { m_questionAnswers.append(answer); }

    // Every request so far, oldest first.
    const QList<Request>& Requests() const { return m_requests; }

    QString ChooseFileToOpen(QWidget* parent, const CFileDialogRequest& request) override;
    QString ChooseFileToSave(QWidget* parent, const CFileDialogRequest& request) override;
    Answer AskYesNoCancel(QWidget* parent, const QString& caption, const QString& text) override;
    bool AskYesNo(QWidget* parent, const QString& caption, const QString& text) override;
    void ShowMessage(QWidget* parent, const QString& caption, const QString& text,
                     MessageKind kind) override;

private:
    CDialogService* m_previous;
    QStringList m_openAnswers;
    QStringList m_saveAnswers;
    QList<Answer> m_questionAnswers;
    QList<Request> m_requests;
};
