// The name and the children of a storage node; the kinds of node add the value.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "model/storage/storage_node.h"

class StorageNodeBase : public StorageNode {
public:
    const std::string& GetName() const override { return m_name; }
    void SetName(const std::string& name) override { m_name = name; }

    std::size_t GetChildCount() const override { return m_children.size(); }
    StorageNode* AddChild(const std::string& name) override;
    void RemoveChild(const std::string& name) override;
    void RemoveChildAt(std::size_t index) override;
    void RemoveAllChildren() override { m_children.clear(); }
    StorageNode* FindChild(const std::string& name) const override;
    StorageNode* GetChildAt(std::size_t index) const override;

    void BeginBlock() override {}
    void EndBlock() override {}

protected:
    // A new empty node of the same kind.
    virtual std::unique_ptr<StorageNode> CreateNode() const = 0;

private:
    std::string m_name;
    std::vector<std::unique_ptr<StorageNode>> m_children;
};
