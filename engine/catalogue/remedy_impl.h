// One remedy of the catalogue.
#pragma once

#include <array>
#include <string>

#include "corvela/remedy.h"

class RemedyImpl final : public Remedy {
public:
    RemedyImpl(int number, std::string firstName, std::string secondName,
               const std::array<int, 5>& attributes);

    int GetKind() override { return kItemArticle; }  // a remedy answers 2, like an article
    DataItem* GetParent() override { return nullptr; }
    std::uint32_t GetId() override { return static_cast<std::uint32_t>(m_number); }
    const char* GetShortName() override { return m_firstName.c_str(); }
    const char* GetLongName() override { return m_secondName.c_str(); }
    const char* GetExtraName() override { return m_thirdName.c_str(); }
    // Attribute 0..4; kNoAttribute for a position above 4 or an attribute not given.
    int GetAttribute(unsigned position) override;

    int Number() const { return m_number; }

private:
    int m_number;
    std::string m_firstName;   // lower case; the remedy's key
    std::string m_secondName;  // lower case
    std::string m_thirdName;   // always empty
    std::array<int, 5> m_attributes;
};
