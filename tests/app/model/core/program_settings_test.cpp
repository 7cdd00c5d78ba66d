// What the program reads from meridane.ini: the configured sources with their
// defaults, and the web addresses.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "model/core/program_settings.h"

namespace {

std::string Text(const Guid& id) {
    char text[kGuidTextLength + 1];
    FormatGuid(id, text);
    return text;
}

class ProgramSettingsTest : public ::testing::Test {
protected:
    void Write(const std::string& text) {
        std::ofstream(m_path, std::ios::binary) << text;
    }
    std::string m_path = (std::filesystem::temp_directory_path() /
                          ("meridane-settings-" + std::to_string(::getpid()) + ".ini"))
                             .string();
    void TearDown() override { std::filesystem::remove(m_path); }
};

TEST_F(ProgramSettingsTest, MissingFileGivesTheDefaultSources) {
    CProgramSettings settings(m_path);
    EXPECT_EQ(Text(settings.SourceId(CProgramSettings::kRepertoryOrre)),
              "AD260680-218C-4265-8463-5C37BE6F4BCE");
    EXPECT_EQ(Text(settings.SourceId(CProgramSettings::kRepertoryHalden)),
              "44F01C90-0055-4CD8-981E-B131F40DFEA2");
    EXPECT_EQ(Text(settings.SourceId(CProgramSettings::kDefMateriaMedica)),
              "4D8EA1C0-5A22-4514-9C79-03EEA3438E66");
    EXPECT_EQ(settings.HomePage(), CProgramSettings::kDefaultHomePage);
    EXPECT_EQ(settings.StatusText(), CProgramSettings::kDefaultStatusText);
}

TEST_F(ProgramSettingsTest, SourcesAreReadAfreshAtEachUse) {
    CProgramSettings settings(m_path);
    Write("[Sources]\nRepertoryOrre=00000001-0002-0003-0405-060708090a0b\n");
    EXPECT_EQ(Text(settings.SourceId(CProgramSettings::kRepertoryOrre)),
              "00000001-0002-0003-0405-060708090A0B");
    Write("[sources]\n  repertoryorre = \"11111111-2222-3333-4444-555555555555\"\n");
    EXPECT_EQ(Text(settings.SourceId(CProgramSettings::kRepertoryOrre)),
              "11111111-2222-3333-4444-555555555555");
    // The other keys keep their defaults.
    EXPECT_EQ(Text(settings.SourceId(CProgramSettings::kRepertoryHalden)),
              "44F01C90-0055-4CD8-981E-B131F40DFEA2");
}

// A value that is no identifier names no source (the repertory command then
// finds none) rather than silently falling back to the default.
TEST_F(ProgramSettingsTest, AnUnreadableIdentifierNamesNoSource) {
    for (const char* value : {"", "nonsense", "AD260680-218C-4265"}) {
        Write(std::string("[Sources]\nRepertoryOrre=") + value + "\n");
        EXPECT_TRUE(CProgramSettings(m_path).SourceId(CProgramSettings::kRepertoryOrre).IsNull())
            << value;
    }
}

TEST_F(ProgramSettingsTest, WebAddressesComeFromTheirSectionOrTheDefaults) {
    Write("[Web Links]\nHomePage=https://example.org/home\nPodcasts=\n");
    CProgramSettings settings(m_path);
    EXPECT_EQ(settings.HomePage(), "https://example.org/home");
    EXPECT_EQ(settings.Podcasts(), CProgramSettings::kDefaultPodcasts);
    EXPECT_EQ(settings.HelpCentre(), CProgramSettings::kDefaultHelpCentre);
}

}  // namespace
