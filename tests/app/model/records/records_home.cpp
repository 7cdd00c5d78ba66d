#include "records_home.h"

#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

#include "corvela.h"
#include "model/records/item_time.h"

namespace fs = std::filesystem;

namespace records_test {
namespace {

std::string& HomeSlot() {
    static std::string home;
    return home;
}

std::time_t FixedClock() {
    return kFixedTime;
}

class RecordsHomeEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "meridane-records-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        HomeSlot() = pattern;
        fs::copy_file(fs::path(MERIDANE_TEST_DATA_DIR) / "remedy_synonyms.txt",
                      fs::path(HomeSlot()) / "remedy_synonyms.txt");
        ::setenv("MERIDANE_HOME", HomeSlot().c_str(), 1);
        ::setenv("TZ", "UTC", 1);
        ::tzset();
        SetItemClock(&FixedClock);
    }
    void TearDown() override {
        CorvelaInstance().CloseAll();
        std::error_code ignored;
        fs::remove_all(HomeSlot(), ignored);
    }
};

[[maybe_unused]] ::testing::Environment* const kEnvironment =
    ::testing::AddGlobalTestEnvironment(new RecordsHomeEnvironment);

const char kAlphaTree[] =
    "rep_alpha\n"
    "\tMind\n"
    "\t\tAnxiety\tacon:3 ars:2 calc:1\n"
    "\t\t\tnight\tars:4 acon:2\n"
    "\t\t\t\tmidnight, after:\tars:3\n"
    "\t\tFear\tacon:3 ars:2\n"
    "\tHead\n"
    "\t\tPain\tbell:3 sulph:1\n"
    "\t\t\tREP_section\n"
    "\t\t\t\tthrobbing;\tbell:4 bell:2\n"
    "\tEmpty chapter\n"
    "\t\tNothing here\n";

const char kBetaTree[] =
    "Rep_Beta\n"
    "\tStomach;\n"
    "\t\tNausea\tnux-v:3 puls:2\n"
    "\t\tVomiting\tars:3 nux-v:2\n";

const char kFirstTree[] =
    "rep_first\n"
    "\tExtremities\n"
    "\t\tCramps\tcalc:2\n"
    "\t\tColdness\tcalc:1 sulph:2\n"
    "\t\tNumbness\tlach:1\n"
    "\t\tHeat\tbell:1\n"
    "\t\tPain\tsulph:3\n";

}  // namespace

const std::string& Home() {
    return HomeSlot();
}

std::string HomePath(const std::string& name) {
    return HomeSlot() + "/" + name;
}

void RemoveHomeFiles() {
    for (const auto& entry : fs::directory_iterator(HomeSlot())) {
        if (entry.path().filename() == "remedy_synonyms.txt") continue;
        std::error_code ignored;
        fs::permissions(entry.path(), fs::perms::owner_all, fs::perm_options::add, ignored);
        fs::remove_all(entry.path(), ignored);
    }
}

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteFile(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << text;
}

const FixtureRepertory& Alpha() {
    static const FixtureRepertory repertory{"m_alpha.rpb", "A1A1A1A1-0001-4000-8000-00000000A1A1",
                                            "REP_ALPHA", kAlphaTree};
    return repertory;
}

const FixtureRepertory& Beta() {
    static const FixtureRepertory repertory{"m_beta.rpb", "B2B2B2B2-0002-4000-8000-00000000B2B2",
                                            "REP_BETA", kBetaTree};
    return repertory;
}

const FixtureRepertory& First() {
    static const FixtureRepertory repertory{"a_first.rpb", "F3F3F3F3-0003-4000-8000-00000000F3F3",
                                            "REP_FIRST", kFirstTree};
    return repertory;
}

bool Install(const FixtureRepertory& repertory) {
    RepertoryBuilder& builder = *CorvelaInstance().GetRepertoryBuilder();
    const RepertoryDescription description{repertory.id, repertory.name, "fixture", "", "", "", 0};
    builder.Begin(&description);
    int open = 0;
    std::istringstream lines{std::string(repertory.tree)};
    std::string line;
    while (std::getline(lines, line)) {
        const auto depth = static_cast<int>(line.find_first_not_of('\t'));
        for (; open > depth; --open) builder.CloseTopic();
        const std::string rest = line.substr(static_cast<std::size_t>(depth));
        const std::size_t tab = rest.find('\t');
        builder.AddTopic(rest.substr(0, tab).c_str());
        ++open;
        if (tab == std::string::npos) continue;
        std::istringstream entries(rest.substr(tab + 1));
        std::string entry;
        while (entries >> entry) {
            const std::size_t colon = entry.rfind(':');
            EXPECT_GE(builder.AddRemedy(entry.substr(0, colon).c_str(),
                                        std::atoi(entry.substr(colon + 1).c_str())),
                      0)
                << entry;
        }
    }
    for (; open > 0; --open) builder.CloseTopic();
    builder.End();
    const bool saved = builder.Save(HomePath(repertory.fileName).c_str()) != 0;
    EXPECT_TRUE(saved) << builder.GetSaveError();
    return saved;
}

std::uint32_t RubricId(const char* repertory, std::initializer_list<const char*> path) {
    DataSource* source = CorvelaInstance().FindDataSourceByName(repertory);
    if (source == nullptr || source->GetType() != kSourceRepertory) return 0;
    Topic* topic = static_cast<Repertory*>(source)->GetRoot();
    for (const char* step : path) {
        Topic* found = nullptr;
        for (int i = 0; topic != nullptr && i < topic->GetChildCount() && found == nullptr; ++i)
            if (std::string(topic->GetChild(i)->GetText()) == step) found = topic->GetChild(i);
        topic = found;
    }
    return topic != nullptr ? topic->GetId() : 0;
}

void HomeTest::SetUp() {
    CorvelaInstance().CloseAll();
    RemoveHomeFiles();
}

void HomeTest::TearDown() {
    CorvelaInstance().CloseAll();
    RemoveHomeFiles();
}

int InUnprivilegedChild(int (*body)(const std::string&), const std::string& argument) {
    const pid_t pid = ::fork();
    if (pid == 0) {
        if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0)) ::_exit(4);
        ::_exit(body(argument));
    }
    int status = 0;
    ::waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

}  // namespace records_test
