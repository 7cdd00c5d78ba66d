#include "model/storage/storage_node_base.h"

StorageNode* StorageNodeBase::AddChild(const std::string& name) {
    std::unique_ptr<StorageNode> child = CreateNode();
    child->SetName(name);
    m_children.push_back(std::move(child));
    return m_children.back().get();
}

void StorageNodeBase::RemoveChild(const std::string& name) {
    for (auto it = m_children.begin(); it != m_children.end(); ++it) {
        if ((*it)->GetName() == name) {
            m_children.erase(it);
            return;
        }
    }
}

void StorageNodeBase::RemoveChildAt(std::size_t index) {
    if (index < m_children.size())
        m_children.erase(m_children.begin() + static_cast<std::ptrdiff_t>(index));
}

StorageNode* StorageNodeBase::FindChild(const std::string& name) const {
    for (const auto& child : m_children) {
        if (child->GetName() == name) return child.get();
    }
    return nullptr;
}

StorageNode* StorageNodeBase::GetChildAt(std::size_t index) const {
    return index < m_children.size() ? m_children[index].get() : nullptr;
}
