#include "catalogue/remedy_impl.h"

#include <utility>

RemedyImpl::RemedyImpl(int number, std::string firstName, std::string secondName,
                       const std::array<int, 5>& attributes)
    : m_number(number),
      m_firstName(std::move(firstName)),
      m_secondName(std::move(secondName)),
      m_attributes(attributes) {}

int RemedyImpl::GetAttribute(unsigned position) {
    return position < m_attributes.size() ? m_attributes[position] : kNoAttribute;
}
