// The remedy catalogue: every remedy by catalogue number, and every name
// (first names, second names, synonyms) mapped to its remedy.
#pragma once

#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue/remedy_impl.h"
#include "corvela/remedy.h"

class RemedyListImpl final : public RemedyList {
public:
    RemedyListImpl() = default;
    ~RemedyListImpl() override;

    // Reads "remedy_synonyms.txt" in the directory part of path (cut at the
    // last '/'; the current directory when there is none) and builds the name
    // map.  Returns LoadSynonyms' result.
    int Load(const char* path) override;
    int SaveCatalogue(const char* path) override;
    int QueryRemedyNumber(const char* name) override;
    int GetRemedyCount() override;
    Remedy* GetRemedy(int number) override;
    Remedy* GetRemedyById(int number) override;
    Remedy* FindRemedy(const char* name) override;
    // Reads a catalogue file (LF or CR LF line ends); 0 when it cannot be
    // opened, else 1.  A later line with a known first name adds its names to
    // that remedy; lines with fewer than two names are ignored.
    int LoadSynonyms(const char* path) override;
    // Writes every first name with its other names, TAB-separated, one line
    // each, in ascending name order; 0 when the file cannot be written.
    int SaveSynonyms(const char* path) override;

    // Load over the content of a catalogue file already read (the fuzz target
    // hands it in as bytes): reads its lines and builds the name map.  1.
    int LoadText(std::string_view content);

    // The other names of a remedy (second name and synonyms, lower case, file
    // order, no duplicates); null for an unknown first name.
    const std::vector<std::string>* SynonymsOf(const std::string& firstName) const;

private:
    void ReadLines(std::string_view content);
    void AddLine(const std::vector<std::string>& names, const std::array<int, 5>& attributes);
    void BuildNameMap();

    std::vector<std::unique_ptr<RemedyImpl>> m_remedies;         // index = number
    std::map<std::string, int> m_names;                          // any name -> number
    std::map<std::string, std::vector<std::string>> m_synonyms;  // first name -> others
};
