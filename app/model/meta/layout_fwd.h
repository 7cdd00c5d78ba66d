// What the header of a persistent record needs: the names of the layout types
// (see layout.h for how a record declares its layout).
#pragma once

class StorageNode;
template <class T>
class ClassLayout;
