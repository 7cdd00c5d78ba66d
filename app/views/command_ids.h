// The identifiers of the program's commands: what the ribbon buttons, the
// application menu and the status bar carry as their action data.
#pragma once

// Application menu.
inline constexpr int ID_FILE_NEW = 57600;
inline constexpr int ID_FILE_OPEN = 57601;
inline constexpr int ID_FILE_SAVE = 57603;  // handled by the views; nothing at application level
inline constexpr int ID_CASE_SAVE = 33026;
inline constexpr int ID_CASE_SAVE_AS = 33027;
inline constexpr int ID_CASE_CLOSE = 33028;
inline constexpr int ID_APP_EXIT = 57665;

// Patient / Case.
inline constexpr int ID_ADD_NEW_EPISODE = 32851;
inline constexpr int ID_ADD_NEW_EPISODE_CHECK = 32879;
inline constexpr int ID_ADD_NEW_EPISODE_NOTE = 32880;
inline constexpr int ID_ADD_NEW_EPISODE_PHONE = 32881;
inline constexpr int ID_SHOW_HIDE_PATIENT_CASE = 32777;
inline constexpr int ID_ADD_NEW_ANALYSIS = 32858;
inline constexpr int ID_ADD_NEW_PRESCRIPTION = 32859;

// Patient / References.
inline constexpr int ID_OPEN_REPERTORY_ORRESTAD = 32847;
inline constexpr int ID_OPEN_REPERTORY_HALDEN = 32846;
inline constexpr int ID_OPEN_MATERIA_MEDICA = 32875;
inline constexpr int ID_SEARCH = 32855;
// The "Repertories" drop-down: every loaded repertory (views/repertory).
inline constexpr int ID_OPEN_REPERTORY_LIST = 32892;

// Info.
inline constexpr int ID_ONLIDE_HOME = 32887;
inline constexpr int ID_ONLINE_PODCASTS = 32886;
inline constexpr int ID_APP_ABOUT = 57664;
inline constexpr int ID_ONLINE_HELP_AND_TOTORIAL = 32882;
inline constexpr int ID_ABOUT_PHISITION = 32883;

// Status bar.
inline constexpr int ID_STATUSBAR_LINK = 32891;

// Handled by the analysis window and its table (the views carry them out).
inline constexpr int ID_ADD_SYMPTHOM1 = 32854;
inline constexpr int ID_ADD_SYMPTHOM2 = 32853;
inline constexpr int ID_ADD_SYMPTHOM3 = 32800;
inline constexpr int ID_ADD_SYMPTHOM4 = 32805;
inline constexpr int IDC_REMEDYS = 32861;
// The whole chart of the active analysis: printed, or written as PDF or PNG.
inline constexpr int ID_PRINT_CHART = 32940;
inline constexpr int ID_EXPORT_CHART_PDF = 32941;
inline constexpr int ID_EXPORT_CHART_PNG = 32942;
