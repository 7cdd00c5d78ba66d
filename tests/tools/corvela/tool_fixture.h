// A program directory holding a small catalogue and, once compiled, a small
// repertory and a small materia medica, for tests of the tool's commands.
#pragma once

#include <gtest/gtest.h>

#include "tool_runner.h"

// Catalogue (code page 1251): acon carries attributes and a Cyrillic synonym;
// sil's short name "sil" is taken over by the later hep, so only its long
// name leads back to it.
inline const std::string kFixtureCatalogue =
    "1\t0\t0\t0\t-1\tacon.\tAconitum napellus\tMonkshood\t\xC0\xEA\xEE\xED\xE8\xF2\n"
    "\t\t\t\t\tars.\tArsenicum album\n"
    "\t\t\t\t\tbell.\tBelladonna\n"
    "0x2\t\t\t\t3\tnux-v.\tNux vomica\tnux\n"
    "\t\t\t\t\tsil.\tSilicea\n"
    "\t\t\t\t\thep.\tHepar sulphuris\tsil\n";

inline const std::string kFixtureGuid = "11111111-2222-3333-4444-555555555555";

// UTF-8 repertory source using names in several forms.
inline const std::string kFixtureSource =
    "# fixture\n"
    "@id 11111111-2222-3333-4444-555555555555\n"
    "@name FIX_REP\n"
    "@text2 Fixture repertory\n"
    "@flags 0x10\n"
    "rep_fix\n"
    "\tMind\n"
    "\t\tAnxiety\tacon:3 ars.:2 ACON:1 unknownium:2\n"
    "\t\t\tnight\tars:3 sil:1 silicea:2\n"
    "\t\tFear\t\xD0\x90\xD0\xBA\xD0\xBE\xD0\xBD\xD0\xB8\xD1\x82:2\n"
    "\tHead\tbell:1 nux:2 unknownium:1 other:1\n";

inline const std::string kFixtureMmGuid = "22222222-3333-4444-5555-666666666666";

// UTF-8 materia medica source: an article about no remedy, two plain
// articles (one with an escaped '@' line), one with rich text only.
inline const std::string kFixtureMateriaMedica =
    "@id 22222222-3333-4444-5555-666666666666\n"
    "@name FIX_MM\n"
    "@text3 Fixture author\n"
    "@article |\n"
    "About this book.\n"
    "@article acon | Aconitum\n"
    "Fear and anxiety, worse at night.\n"
    "@article ars. |\n"
    "Anxiety with restlessness after midnight.\n"
    "@@ars@ link\n"
    "@article bell | Belladonna\n"
    "@rtf\n"
    "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\f0 Sudden \\b heat\\b0 .\\par Red face.}\n";

class ToolFixture : public ::testing::Test {
protected:
    void SetUp() override { m_dir.Write("remedy_synonyms.txt", kFixtureCatalogue); }

    // Runs the tool with --home set to the fixture directory.
    ToolRun Tool(std::vector<std::string> args) const {
        args.insert(args.begin(), {"--home", m_dir.path().string()});
        return RunTool(args);
    }

    // Compiles source (UTF-8 text) as NAME.rps into NAME.rpb; the run.
    ToolRun Compile(const std::string& name, const std::string& source) const {
        m_dir.Write(name + ".rps", source);
        return Tool({"compile-repertory", m_dir / (name + ".rps"), m_dir / (name + ".rpb")});
    }

    void CompileFixture() const {
        const ToolRun run = Compile("fix", kFixtureSource);
        ASSERT_EQ(run.status, 0) << run.err;
    }

    // Compiles source (UTF-8 text) as NAME.mms into NAME.mmb; the run.
    ToolRun CompileMm(const std::string& name, const std::string& source) const {
        m_dir.Write(name + ".mms", source);
        return Tool({"compile-mm", m_dir / (name + ".mms"), m_dir / (name + ".mmb")});
    }

    // The fixture repertory (position 0) and materia medica (position 1).
    void CompileBoth() const {
        CompileFixture();
        const ToolRun run = CompileMm("fix_mm", kFixtureMateriaMedica);
        ASSERT_EQ(run.status, 0) << run.err;
        ASSERT_EQ(run.err, "");
    }

    TempDir m_dir;
};
