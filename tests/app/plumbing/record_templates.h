// The rich texts the case records start with, built the way the records build
// them: the episode description, the prescription, the patient card and the
// two panes of the card window.
#pragma once

#include <string>
#include <vector>

inline const std::vector<std::string> kCardLabels = {
    "Name",
    "Address in full",
    "Age",
    "Occupation",
    "Married (how long) or single",
    "Color of hair",
    "Color of eyes",
    "Complexion",
    "Pequliarities (form, appearance, size, etc. etc)",
    "Height and weight"};

inline const std::vector<std::string> kCardPlaceholders = {
    "#PATIENT_NAME#", "#ADDRESS#", "#AGE#",         "#OCCUPATION#",    "#MARRIED#",
    "#HAIR#",         "#EYES#",    "#COMPLEXTION#", "#PECULIARITYES#", "#HEIGHT_AND_WEIGHT#"};

inline std::string EpisodeTemplate(const std::string& text) {
    return "{\\rtf1\\ansi{\\fonttbl{\\f0\\fswiss Arial;}}\\viewkind4\\uc1\\pard\\f0\\fs20 " + text +
           "\\par}";
}

inline std::string PrescriptionTemplate(const std::string& text) {
    return "{\\rtf1\\ansi{\\fonttbl{\\f0\\fswiss Arial;}}\n"
           "{\\colortbl ;\\red128\\green128\\blue128;}\n"
           "\\viewkind4\\uc1\\pard\\f0\\fs20 " +
           text +
           "\\par\n"
           "}\n";
}

inline std::string CardTemplate() {
    std::string rtf =
        "{\\rtf1\\ansi{\\fonttbl{\\f0\\fswiss Arial;}}\n"
        "{\\colortbl ;\\red128\\green128\\blue128;}\\viewkind4\\uc1\\pard";
    for (std::size_t i = 0; i < kCardLabels.size(); ++i) {
        rtf += "\\cf1\\f0\\fs20 " + kCardLabels[i] + "\\cf0:\\cf0\\f0 " + kCardPlaceholders[i] +
               "\\par\n";
    }
    return rtf + "\\cf1\\f0\\par\n}\n";
}

inline std::string CardLabelsPane() {
    std::vector<std::string> labels = kCardLabels;
    labels[8] = "Pequliarities (form, size, etc)";
    labels.push_back("Other");
    std::string rtf =
        "{\\rtf1\\ansi{\\fonttbl{\\f0\\fswiss Arial;}}\n"
        "{\\colortbl ;\\red128\\green128\\blue128;}\\viewkind4\\uc1\\pard";
    for (const std::string& label : labels) rtf += "\\cf1\\f0\\fs20 " + label + "\\cf0:\\par\n";
    return rtf + "\\cf1\\f0\\par\n}";
}

// The values pane with each placeholder already replaced by `values[i]`.
inline std::string CardValuesPane(const std::vector<std::string>& values) {
    std::string rtf =
        "{\\rtf1\\ansi{\\fonttbl{\\f0\\fswiss Arial;}}\n"
        "{\\colortbl ;\\red128\\green128\\blue128;}\\viewkind4\\uc1\\pard";
    for (const std::string& value : values) rtf += "\\cf0\\f0\\fs20 " + value + "\\par\n";
    return rtf + "\\cf0\\f0\\par\n}";
}
