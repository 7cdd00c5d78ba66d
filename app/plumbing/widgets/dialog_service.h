// The seam between the program and its modal file choosers and message boxes.
// Commands ask CDialogService::Current(); the default shows QFileDialog and
// QMessageBox, tests install a CScriptedDialogService instead.
#pragma once

#include <QString>
#include <QStringList>

class QWidget;

struct CFileDialogRequest {
    QString caption;
    QStringList filters;     // Qt form: "Homeopathic case (*.hom)"
    int selectedFilter = 0;  // index into `filters`
    QString initialPath;     // folder, or file name proposed for saving
    QString defaultSuffix;   // "hom": added to a saved name typed without one
};

class CDialogService {
public:
    enum class Answer { Yes, No, Cancel };
    enum class MessageKind { Information, Warning, Error };

    virtual ~CDialogService();

    // An existing file chosen to open; empty when cancelled.
    virtual QString ChooseFileToOpen(QWidget* parent, const CFileDialogRequest& request) = 0;
    // A path to save to (overwriting confirmed, folder exists); empty when cancelled.
    virtual QString ChooseFileToSave(QWidget* parent, const CFileDialogRequest& request) = 0;
    // A Yes/No/Cancel question; closing the box answers Cancel.
    virtual Answer AskYesNoCancel(QWidget* parent, const QString& caption, const QString& text) = 0;
    // A Yes/No question; closing the box answers No.
    virtual bool AskYesNo(QWidget* parent, const QString& caption, const QString& text) = 0;
    virtual void ShowMessage(QWidget* parent, const QString& caption, const QString& text,
                             MessageKind kind) = 0;

    // The service in use: the one set last, else the standard one.
    static CDialogService& Current();
    // Makes `service` current (not owned; null restores the standard one).
    // Returns the service that was current before.
    static CDialogService* SetCurrent(CDialogService* service);

    // Filters in the pair form "description|patterns|description|patterns||"
    // turned into Qt filters: "Homeopathic case (*.hom)|*.hom|All Files *.*|*.*||"
    // gives "Homeopathic case (*.hom)" and "All Files *.* (*)".  "*.*" becomes
    // "*" (every file, with or without a dot); ';' separates patterns.
    static QStringList FiltersFromPairs(const QString& pairs);
};

// QFileDialog and QMessageBox.
class CStandardDialogService : public CDialogService {
public:
    QString ChooseFileToOpen(QWidget* parent, const CFileDialogRequest& request) override;
    QString ChooseFileToSave(QWidget* parent, const CFileDialogRequest& request) override;
    Answer AskYesNoCancel(QWidget* parent, const QString& caption, const QString& text) override;
    bool AskYesNo(QWidget* parent, const QString& caption, const QString& text) override;
    void ShowMessage(QWidget* parent, const QString& caption, const QString& text,
                     MessageKind kind) override;
};
