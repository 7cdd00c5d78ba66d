// The type registry: type names to factories, so that an owning pointer to a
// polymorphic record can be read back as an object of the class named in the
// file.  Layouts register their classes when they are built; the first
// registration of a name wins.
#pragma once

#include <memory>
#include <string>

class TypeCreator {
public:
    virtual ~TypeCreator() = default;
    // Creates a new default-constructed object, stores it in `object` and
    // returns it.  The caller owns it.
    virtual void* Create(void*& object) const = 0;
    // Throws `object` (made by Create) as a pointer to its own class, so that
    // a catch clause can convert it to a base class (see CreateRegisteredAs).
    virtual void ThrowAsOwnClass(void* object) const = 0;
    // Deletes an object made by Create.
    virtual void Destroy(void* object) const = 0;
};

template <class T>
class ConcreteTypeCreator final : public TypeCreator {
public:
    void* Create(void*& object) const override {
        T* created = new T;
        object = created;
        return created;
    }
    void ThrowAsOwnClass(void* object) const override { throw static_cast<T*>(object); }
    void Destroy(void* object) const override { delete static_cast<T*>(object); }
};

// Adds `creator` under `name` unless the name is present; true when added.
bool RegisterTypeCreator(const std::string& name, std::unique_ptr<TypeCreator> creator);

// The creator registered under `name`, or null.
const TypeCreator* FindTypeCreator(const std::string& name);

// Registers T (default-constructible) under `name`; the first registration of
// a name wins.
template <class T>
bool RegisterType(const std::string& name) {
    if (FindTypeCreator(name) != nullptr) return false;
    return RegisterTypeCreator(name, std::make_unique<ConcreteTypeCreator<T>>());
}

// A new object from `creator` as a Base*, or null (the object deleted again)
// when the registered class does not derive from Base.  A file cannot make a
// pointer to one kind of record hold an object of an unrelated class.
template <class Base>
Base* CreateRegisteredAs(const TypeCreator& creator) {
    void* object = nullptr;
    creator.Create(object);
    try {
        creator.ThrowAsOwnClass(object);
    } catch (Base* typed) {
        return typed;
    } catch (...) {
    }
    creator.Destroy(object);
    return nullptr;
}
