// Field layouts: how a persistent record declares its stored form.  Include
// this header in the record's .cpp; its header needs only layout_fwd.h.
//
// A record declares, once, the ordered list of its fields with their node
// names: a nested struct Layout deriving from ClassLayout<T>, whose
// constructor lists the fields in storage order, and a static GetLayout()
// that builds it on first use.  Member pointers name the members, so a field
// cannot be bound to a member of the wrong type; the node name is written as
// the stored form has it ("Next Item", stored as Next_Item).
//
//   // item.h --------------------------------------------------------------
//   #include "model/meta/layout_fwd.h"
//
//   class COneItem {
//   public:
//       struct Layout;                              // defined in item.cpp
//       static ClassLayout<COneItem>& GetLayout();  // built on first use
//
//       virtual ~COneItem();
//       // The five persistence operations of a record stored through owning
//       // pointers; derived records override all five.
//       virtual const char* GetTypeName() { return "COneItem"; }
//       virtual void Load(StorageNode* node, const char* version);
//       virtual void Save(StorageNode* node, const char* version);
//       virtual void LoadRaw(StorageNode* node, const char* version);
//       virtual void SaveRaw(StorageNode* node, const char* version);
//
//   protected:
//       void LinkSuccessor();                       // a load hook
//       std::string m_name;
//       bool m_isOpen = true;
//       COneItem* m_next = nullptr;                 // owning
//   };
//
//   // item.cpp ------------------------------------------------------------
//   #include "model/meta/layout.h"
//
//   struct COneItem::Layout : ClassLayout<COneItem> {
//       Layout() : ClassLayout("COneItem") {
//           Register();                             // "COneItem" in the type registry
//           Value("Name", &COneItem::m_name);
//           Value("IsOpen", &COneItem::m_isOpen).Default(true);
//           Value("Next Item", &COneItem::m_next);  // block holding a block named by the type
//           Call(&COneItem::LinkSuccessor, nullptr); // after loading, at this place
//       }
//   };
//   MERIDANE_DEFINE_LAYOUT_ACCESSOR(COneItem);
//
//   void COneItem::Load(StorageNode* n, const char* v) { LoadWithLayout(*this, n, v); }
//   void COneItem::Save(StorageNode* n, const char* v) { SaveWithLayout(*this, n, v); }
//   void COneItem::LoadRaw(StorageNode* n, const char* v) { LoadRawWithLayout(*this, n, v); }
//   void COneItem::SaveRaw(StorageNode* n, const char* v) { SaveRawWithLayout(*this, n, v); }
//
//   // A derived record: its node holds the base fields first, then its own.
//   struct CEpisode::Layout : ClassLayout<CEpisode> {
//       Layout() : ClassLayout("CEpisode") {
//           Register();
//           Base<COneItem>();
//           Value("Description", &CEpisode::m_description);
//           Value("Practitioner", &CEpisode::m_practitioner);        // a record by value
//       }
//   };
//
// The declarations:
//   Value(name, &T::m)                 int, float, bool, std::string (CString,
//                                      CStdString), a record by value, an owning
//                                      pointer X* (X registered), a container
//       .Default(constant)             written when the node is missing
//       .OnItem(&T::f)                 int f(V&), after load and before save
//   Container(name, &T::m)             std::vector / std::list of records, one
//       .OnItem(&T::f, mode)           "Item" child each; int f(Item&), modes in
//                                      item_callback.h (kCallOnLoad ...)
//   Bytes(name, &T::m, load, save)     a byte block; converters in binary_data.h
//   Call(&T::onLoad, &T::onSave)       either may be nullptr
//   Base<B>()                          B's fields first, on the same node
//   Register() / Register<X>("X")      type registry entries (first one wins)
//   BeginVersion("name")               later fields belong to that version
//
// Members may be private: the nested Layout has access to them.  Layouts are
// built on first use and kept to the end of the program; building one that
// declares two defaults for a field raises Exception "Multiple default value
// macros for field".
#pragma once

#include "model/meta/class_layout.h"
#include "model/meta/class_meta_class.h"
#include "model/meta/container_meta_class.h"
#include "model/meta/meta_class_for.h"
#include "model/meta/pointer_meta_class.h"
#include "model/meta/prim_meta_class.h"

// Defines Class::GetLayout(), building Class::Layout once on first use.
#define MERIDANE_DEFINE_LAYOUT_ACCESSOR(Class) \
    ClassLayout<Class>& Class::GetLayout() {   \
        static Class::Layout layout;           \
        return layout;                         \
    }                                          \
    static_assert(true)

// The bodies of the persistence operations: select `version` in the metaclass
// of the object's own class and run the operation on it.
template <class T>
void LoadWithLayout(T& object, StorageNode* node, const char* version) {
    ClassMetaClass<T>& meta = ClassMetaClass<T>::Instance();
    meta.SelectVersion(version);
    meta.Load(node, object);
}

template <class T>
void SaveWithLayout(T& object, StorageNode* node, const char* version) {
    ClassMetaClass<T>& meta = ClassMetaClass<T>::Instance();
    meta.SelectVersion(version);
    meta.Save(node, object);
}

template <class T>
void LoadRawWithLayout(T& object, StorageNode* node, const char* version) {
    ClassMetaClass<T>& meta = ClassMetaClass<T>::Instance();
    meta.SelectVersion(version);
    meta.LoadRaw(node, object);
}

template <class T>
void SaveRawWithLayout(T& object, StorageNode* node, const char* version) {
    ClassMetaClass<T>& meta = ClassMetaClass<T>::Instance();
    meta.SelectVersion(version);
    meta.SaveRaw(node, object);
}
