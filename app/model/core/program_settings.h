// What the program reads from meridane.ini: the configured data sources
// ("Sources"), the web addresses of the informational commands ("Web Links")
// and the status bar link.  The user's meridane.ini (in the user
// configuration folder) wins over the program directory's key by key
// (model/core/program_ini.h); a key in neither gives the defaults below.
// The program never writes the section "Sources".
#pragma once

#include <string>

#include "corvela/guid.h"
#include "model/core/program_ini.h"

class CProgramSettings {
public:
    // The keys of section "Sources" and their default identifiers.
    static constexpr const char* kSourcesSection = "Sources";
    static constexpr const char* kRepertoryOrre = "RepertoryOrre";
    static constexpr const char* kRepertoryHalden = "RepertoryHalden";
    static constexpr const char* kDefMateriaMedica = "DefMateriaMedica";
    static constexpr const char* kDefaultRepertoryOrre = "AD260680-218C-4265-8463-5C37BE6F4BCE";
    static constexpr const char* kDefaultRepertoryHalden = "44F01C90-0055-4CD8-981E-B131F40DFEA2";
    static constexpr const char* kDefaultMateriaMedica = "4D8EA1C0-5A22-4514-9C79-03EEA3438E66";

    // The keys of section "Web Links" and their defaults.
    static constexpr const char* kWebSection = "Web Links";
    static constexpr const char* kHomePage = "HomePage";
    static constexpr const char* kPodcasts = "Podcasts";
    static constexpr const char* kHelpCentre = "HelpCentre";
    static constexpr const char* kStatusText = "StatusBarText";
    static constexpr const char* kDefaultHomePage = "https://www.meridane-suite.example/";
    static constexpr const char* kDefaultPodcasts = "https://www.meridane-suite.example/podcasts/";
    static constexpr const char* kDefaultHelpCentre = "https://www.meridane-suite.example/help/";
    static constexpr const char* kDefaultStatusText = "www.meridane-suite.example";

    // Settings read from the file at `iniPath` alone.
    explicit CProgramSettings(std::string iniPath);
    // Settings read from the program's two files (ProgramIni()).
    explicit CProgramSettings(ProgramIni files = ProgramIni());

    const ProgramIni& Files() const { return m_files; }

    // The identifier configured under `key` of "Sources", read afresh at each
    // call so that editing the file takes effect without a restart.  A missing
    // key gives its default; a value that does not parse gives the null
    // identifier, which names no source.
    Guid SourceId(const char* key) const;

    // The text configured under `key` of "Web Links", read afresh; `fallback`
    // when the key is missing or empty.
    std::string WebAddress(const char* key, const char* fallback) const;

    std::string HomePage() const { return WebAddress(kHomePage, kDefaultHomePage); }
    std::string Podcasts() const { return WebAddress(kPodcasts, kDefaultPodcasts); }
    std::string HelpCentre() const { return WebAddress(kHelpCentre, kDefaultHelpCentre); }
    std::string StatusText() const { return WebAddress(kStatusText, kDefaultStatusText); }

    // The default identifier text of a "Sources" key; null for other keys.
    static const char* DefaultSourceText(const char* key);

private:
    ProgramIni m_files;
};
