#include "model/core/program_settings.h"

#include <cstring>

CProgramSettings::CProgramSettings(std::string iniPath)
    : m_files(std::move(iniPath), std::string()) {}

CProgramSettings::CProgramSettings(ProgramIni files) : m_files(std::move(files)) {}

const char* CProgramSettings::DefaultSourceText(const char* key) {
    if (std::strcmp(key, kRepertoryOrre) == 0) return kDefaultRepertoryOrre;
    if (std::strcmp(key, kRepertoryHalden) == 0) return kDefaultRepertoryHalden;
    if (std::strcmp(key, kDefMateriaMedica) == 0) return kDefaultMateriaMedica;
    return nullptr;
}

Guid CProgramSettings::SourceId(const char* key) const {
    const char* fallback = DefaultSourceText(key);
    // The value is read as the system's profile reader would, into 1,024 bytes.
    std::string text = m_files.GetString(kSourcesSection, key, fallback ? fallback : "");
    if (text.size() > 1023) text.resize(1023);
    Guid id;
    ParseGuid(text.c_str(), &id);  // a value that does not parse names no source
    return id;
}

std::string CProgramSettings::WebAddress(const char* key, const char* fallback) const {
    std::string value = m_files.GetString(kWebSection, key, "");
    return value.empty() ? std::string(fallback) : value;
}
