#include "plumbing/ribbon/command_target.h"

#include "plumbing/ribbon/command_registry.h"

CCommandTarget::CCommandTarget() = default;

CCommandTarget::~CCommandTarget() {
    if (m_registry != nullptr) m_registry->SetActiveTarget(nullptr);
}

bool CCommandTarget::IsEnabled(int) const {
    return true;
}

void CCommandTarget::CommandStatesChanged() {
    if (m_registry != nullptr) m_registry->RefreshStates();
}
