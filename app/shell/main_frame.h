// CMainFrame: the program's main window.  It carries the ribbon, the MDI
// area the item windows open in, the status bar with the product's link and
// the patient bar with the case view.  Its own work is the ribbon, the title
// and the bars; the commands are carried out by the application object.
#pragma once

#include <QMainWindow>
#include <functional>
#include <memory>

class CCase;
class CCaseView;
class CCommandRegistry;
class CEventReceiver;
class CHyperlinkLabel;
class CPatientBar;
class CRibbonBar;
class QMdiArea;

class CMainFrame : public QMainWindow {
    Q_OBJECT
public:
    // The status bar's link: `linkText` shown, `linkUrl` opened.
    // `commands` must outlive the frame; its commands must be registered.
    CMainFrame(CCommandRegistry& commands, const QString& linkText, const QString& linkUrl,
               QWidget* parent = nullptr);
    ~CMainFrame() override;

    QMdiArea* MdiArea() const { return m_mdiArea; }
    CRibbonBar* Ribbon() const { return m_ribbon; }
    CPatientBar* PatientBar() const { return m_patientBar; }
    CCaseView* CaseView() const;
    CHyperlinkLabel* StatusLink() const { return m_statusLink; }
    QWidget* ViewShortcuts() const { return m_viewShortcuts; }

    // "Meridane Suite" without a case; otherwise "Meridane Suite [%s%s]" with
    // the patient's name and "*" while the case is modified.
    static QString TitleFor(const CCase* theCase, bool modified);

    // Sets the title from the case host's current case.
    void UpdateTitle();
    // After the case was replaced or saved: the title and the case view.
    void RefreshCase();

    // Asked before the frame closes; false keeps it open.  None: it closes.
    void SetCloseGuard(std::function<bool()> guard) { m_closeGuard = std::move(guard); }

    // The window geometry and bar layout, kept in the user's profile.
    void RestoreWindowState();
    void SaveWindowState() const;

Q_SIGNALS:
    // A local file was dropped on the frame.
    void FileDropped(const QString& path);

protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void CreateStatusBar(const QString& linkText, const QString& linkUrl);

    CCommandRegistry& m_commands;
    CRibbonBar* m_ribbon;
    QMdiArea* m_mdiArea;
    CPatientBar* m_patientBar;
    CHyperlinkLabel* m_statusLink = nullptr;
    QWidget* m_viewShortcuts = nullptr;
    std::function<bool()> m_closeGuard;
    std::unique_ptr<CEventReceiver> m_receiver;
};
