#include "test_home.h"

#include <stdlib.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "corvela.h"

namespace fs = std::filesystem;

namespace corvela_test {
namespace {

std::string& Home() {
    static std::string home;
    return home;
}

// The folder holding the home, the user data folder and the configuration.
std::string& Scratch() {
    static std::string scratch;
    return scratch;
}

class TestHomeEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "corvela-test-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        Scratch() = pattern;
        Home() = pattern + "/home";
        fs::create_directory(Home());
        fs::create_directory(corvela_test::UserFolder());
        fs::copy_file(fs::path(MERIDANE_TEST_DATA_DIR) / "remedy_synonyms.txt",
                      fs::path(Home()) / "remedy_synonyms.txt");
        ::setenv("MERIDANE_HOME", Home().c_str(), 1);
        ::setenv("MERIDANE_DATA", corvela_test::UserFolder().c_str(), 1);
        ::setenv("XDG_CONFIG_HOME", (Scratch() + "/config").c_str(), 1);
    }
    void TearDown() override {
        CorvelaInstance().CloseAll();
        std::error_code ignored;
        fs::remove_all(Scratch(), ignored);
    }
};

[[maybe_unused]] ::testing::Environment* const kEnvironment =
    ::testing::AddGlobalTestEnvironment(new TestHomeEnvironment);

}  // namespace

const std::string& HomeDirectory() {
    return Home();
}

std::string HomePath(const std::string& name) {
    return Home() + "/" + name;
}

void RemoveHomeDataFiles() {
    for (const auto& entry : fs::directory_iterator(Home()))
        if (entry.path().filename() != "remedy_synonyms.txt") fs::remove_all(entry.path());
    for (const auto& entry : fs::directory_iterator(UserFolder()))
        fs::remove_all(entry.path());
    std::error_code ignored;
    fs::remove_all(Scratch() + "/config", ignored);
}

const std::string& UserFolder() {
    static const std::string folder = Scratch() + "/data";
    return folder;
}

std::string UserFolderPath(const std::string& name) {
    return UserFolder() + "/" + name;
}

std::string ConfigFolder() {
    return Scratch() + "/config/meridane";
}

std::vector<std::uint8_t> ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteBytes(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
}

std::string ReadText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::vector<std::string> ListNames(const std::string& directory) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(directory))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

void HomeTest::SetUp() {
    CorvelaInstance().CloseAll();
    RemoveHomeDataFiles();
}

void HomeTest::TearDown() {
    CorvelaInstance().CloseAll();
    RemoveHomeDataFiles();
}

}  // namespace corvela_test
