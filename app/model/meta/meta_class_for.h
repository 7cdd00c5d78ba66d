// MetaClassFor<V>(): the metaclass a member of type V is stored with.
//
//   int, float, bool, std::string     PrimMetaClass<V>
//   X* (an owning pointer)             PlmClassPtrMetaClass<X, X*>
//   std::vector<I>, std::list<I> ...   ContainerMetaClass<C, I>
//   a record with a layout             ClassMetaClass<V>
#pragma once

#include <string>
#include <type_traits>
#include <utility>

#include "model/meta/meta_class.h"
#include "model/meta/prim_meta_class.h"

template <class T>
class ClassMetaClass;
template <class T, class P>
class PlmClassPtrMetaClass;
template <class C, class Item>
class ContainerMetaClass;

template <class C, class = void>
inline constexpr bool kIsContainer = false;
template <class C>
inline constexpr bool kIsContainer<
    C,
    std::void_t<typename C::value_type, decltype(std::declval<C&>().begin()),
                decltype(std::declval<C&>().push_back(std::declval<typename C::value_type>()))>> =
    !std::is_same_v<C, std::string>;

template <class V>
MetaClass<V>& MetaClassFor() {
    if constexpr (kIsPrimitive<V>) {
        return PrimMetaClass<V>::Instance();
    } else if constexpr (std::is_pointer_v<V>) {
        return PlmClassPtrMetaClass<std::remove_pointer_t<V>, V>::Instance();
    } else if constexpr (kIsContainer<V>) {
        return ContainerMetaClass<V, typename V::value_type>::Instance();
    } else {
        return ClassMetaClass<V>::Instance();
    }
}
