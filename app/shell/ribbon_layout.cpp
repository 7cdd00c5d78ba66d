#include "shell/ribbon_layout.h"

#include <QAction>
#include <QMenu>
#include <QToolButton>
#include <cstdlib>

#include "model/lang/localize.h"
#include "plumbing/ribbon/application_menu.h"
#include "plumbing/ribbon/command_registry.h"
#include "plumbing/ribbon/ribbon_bar.h"
#include "plumbing/ribbon/ribbon_category.h"
#include "plumbing/ribbon/ribbon_panel.h"
#include "plumbing/translation/translation_filter.h"
#include "shell/shell_icons.h"
#include "views/command_ids.h"
#include "views/repertory/repertory_window.h"
#include "views/window_texts.h"

namespace {

using views::Localized;

struct CommandText {
    int id;
    const char* caption;
    const char* toolTip;  // null: the caption
    ShellIconKind icon;
};

// In the order they appear.
constexpr CommandText kCommands[] = {
    {ID_FILE_NEW, TextKey("New"), TextKey("Start a new patient case"), ShellIconKind::NewCase},
    {ID_FILE_OPEN, TextKey("Open..."), TextKey("Open a patient case file"),
     ShellIconKind::OpenCase},
    {ID_CASE_SAVE, TextKey("Save"), TextKey("Save the patient case"), ShellIconKind::SaveCase},
    {ID_CASE_SAVE_AS, TextKey("Save As..."), TextKey("Save the patient case under a new name"),
     ShellIconKind::SaveCaseAs},
    {ID_CASE_CLOSE, TextKey("Close"), nullptr, ShellIconKind::CloseCase},
    {ID_APP_EXIT, TextKey("Exit"), TextKey("Quit Meridane Suite"), ShellIconKind::Exit},
    {ID_ADD_NEW_EPISODE, TextKey("Add another visit "), nullptr, ShellIconKind::Visit},
    {ID_ADD_NEW_EPISODE_CHECK, TextKey("Monitor prescription"), nullptr,
     ShellIconKind::CheckPrescription},
    {ID_ADD_NEW_EPISODE_NOTE, TextKey("Additional case note"), nullptr, ShellIconKind::Note},
    {ID_ADD_NEW_EPISODE_PHONE, TextKey("Phone conversation"), nullptr, ShellIconKind::Phone},
    {ID_SHOW_HIDE_PATIENT_CASE, TextKey("Show/hide patient card"), nullptr,
     ShellIconKind::PatientCard},
    {ID_ADD_NEW_ANALYSIS, TextKey("Add new analysis"), nullptr, ShellIconKind::Analysis},
    {ID_ADD_NEW_PRESCRIPTION, TextKey("Add Prescription"), nullptr, ShellIconKind::Prescription},
    {ID_OPEN_REPERTORY_ORRESTAD, TextKey("Orrestad's Repertory"), nullptr,
     ShellIconKind::RepertoryRed},
    {ID_OPEN_REPERTORY_HALDEN, TextKey("Halden's Repertory          "), nullptr,
     ShellIconKind::RepertoryBlue},
    {ID_OPEN_REPERTORY_LIST, TextKey("Repertories"), TextKey("Open any loaded repertory"),
     ShellIconKind::Repertories},
    {ID_OPEN_MATERIA_MEDICA, TextKey("Materia Medica            "), nullptr,
     ShellIconKind::MateriaMedica},
    {ID_SEARCH, TextKey("Search"), nullptr, ShellIconKind::Search},
    {ID_ONLIDE_HOME, TextKey("Meridane Suite on the Web "), nullptr, ShellIconKind::Web},
    {ID_ONLINE_PODCASTS, TextKey("Podcasts"), nullptr, ShellIconKind::Podcasts},
    {ID_APP_ABOUT, TextKey("About"), TextKey("About Meridane Suite"), ShellIconKind::About},
    {ID_ONLINE_HELP_AND_TOTORIAL, TextKey("Online help and tutorials"), nullptr,
     ShellIconKind::Help},
    // Carried out by the active analysis window.
    {ID_PRINT_CHART, TextKey("Print..."), TextKey("Print the chart of the analysis"),
     ShellIconKind::PrintChart},
    {ID_EXPORT_CHART_PDF, TextKey("Export as PDF..."),
     TextKey("Save the chart of the analysis as a PDF document"), ShellIconKind::ExportPdf},
    {ID_EXPORT_CHART_PNG, TextKey("Export as PNG..."),
     TextKey("Save the chart of the analysis as a PNG image"), ShellIconKind::ExportPng},
};

// A long caption of a large button on two lines, broken at the blank nearest
// to its middle (the caption itself, shown in menus, stays as it is).
QString TwoLines(const QString& caption) {
    const QString text = caption.trimmed();
    constexpr int kLongCaption = 12;
    if (text.size() <= kLongCaption) return text;
    qsizetype best = -1;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] != QLatin1Char(' ')) continue;
        if (best < 0 || std::abs(i - text.size() / 2) < std::abs(best - text.size() / 2)) best = i;
    }
    if (best < 0) return text;
    return text.left(best) + QLatin1Char('\n') + text.mid(best + 1);
}

void AddLarge(CRibbonPanel& panel, int id) {
    if (QToolButton* button = panel.AddLargeButton(id)) {
        QAction* action = button->defaultAction();
        action->setIconText(TwoLines(action->text()));
    }
}

// "Repertories": a drop-down of every loaded repertory, filled each time it
// opens (views/repertory).
void AddRepertoriesButton(CRibbonPanel& panel) {
    QToolButton* button = panel.AddLargeButton(ID_OPEN_REPERTORY_LIST);
    if (button == nullptr) return;
    button->defaultAction()->setIconText(TwoLines(button->defaultAction()->text()));
    auto* menu = new QMenu(button);
    QObject::connect(menu, &QMenu::aboutToShow, menu, [menu] {
        menu->clear();
        FillRepertoriesMenu(*menu);
    });
    button->setMenu(menu);
    button->setPopupMode(QToolButton::InstantPopup);
}

}  // namespace

void RegisterCommands(CCommandRegistry& commands) {
    for (const CommandText& command : kCommands) {
        const QString caption = Localized(command.caption);
        // Tooltips show the caption without the blanks that pad the buttons.
        const QString toolTip =
            command.toolTip != nullptr ? Localized(command.toolTip) : caption.trimmed();
        QAction* action =
            commands.Register(command.id, caption, toolTip, ShellIcon(command.icon));
        // Already translated: the menus must not look the translation up again.
        CTranslationFilter::ExcludeFromTranslation(action);
    }
}

void BuildRibbon(CRibbonBar& ribbon) {
    ribbon.SetApplicationButton(Localized("File"), ShellIcon(ShellIconKind::Application));
    CApplicationMenu* menu = ribbon.ApplicationMenu();
    menu->AddCommand(ID_FILE_NEW);
    menu->AddCommand(ID_FILE_OPEN);
    menu->AddCommand(ID_CASE_SAVE);
    menu->AddCommand(ID_CASE_SAVE_AS);
    menu->AddSeparatorLine();
    menu->AddCommand(ID_CASE_CLOSE);
    QMenu* recent = menu->AddRecentDocuments(Localized("Recent Documents"));
    CTranslationFilter::ExcludeFromTranslation(recent->menuAction());
    menu->SetExitCommand(ID_APP_EXIT);

    CRibbonCategory* patient = ribbon.AddCategory(Localized("Patient"));
    CRibbonPanel* casePanel = patient->AddPanel(Localized("Case"));
    AddLarge(*casePanel, ID_ADD_NEW_EPISODE);
    casePanel->AddSmallButton(ID_ADD_NEW_EPISODE_CHECK);
    casePanel->AddSmallButton(ID_ADD_NEW_EPISODE_NOTE);
    casePanel->AddSmallButton(ID_ADD_NEW_EPISODE_PHONE);
    AddLarge(*casePanel, ID_SHOW_HIDE_PATIENT_CASE);
    AddLarge(*casePanel, ID_ADD_NEW_ANALYSIS);
    AddLarge(*casePanel, ID_ADD_NEW_PRESCRIPTION);

    CRibbonPanel* references = patient->AddPanel(Localized("References"));
    AddLarge(*references, ID_OPEN_REPERTORY_ORRESTAD);
    AddLarge(*references, ID_OPEN_REPERTORY_HALDEN);
    AddRepertoriesButton(*references);
    AddLarge(*references, ID_OPEN_MATERIA_MEDICA);
    AddLarge(*references, ID_SEARCH);

    CRibbonPanel* chart = patient->AddPanel(Localized("Chart"));
    chart->AddSmallButton(ID_PRINT_CHART);
    chart->AddSmallButton(ID_EXPORT_CHART_PDF);
    chart->AddSmallButton(ID_EXPORT_CHART_PNG);

    CRibbonCategory* info = ribbon.AddCategory(Localized("Info"));
    CRibbonPanel* web = info->AddPanel(Localized("Web Links"));
    AddLarge(*web, ID_ONLIDE_HOME);
    AddLarge(*web, ID_ONLINE_PODCASTS);
    CRibbonPanel* about = info->AddPanel(Localized("Info"));
    AddLarge(*about, ID_APP_ABOUT);
    AddLarge(*about, ID_ONLINE_HELP_AND_TOTORIAL);

    ribbon.AddQuickAccessCommand(ID_FILE_NEW);
    ribbon.AddQuickAccessCommand(ID_FILE_OPEN);
    ribbon.AddTabRowCommand(ID_APP_ABOUT);
    ribbon.SetCurrentCategory(0);
}
