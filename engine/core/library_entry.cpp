// The shared library's own translation unit.  Everything else, CorvelaInstance
// included, comes from corvela_internal, linked in whole; the linker's version
// script keeps CorvelaInstance the only exported symbol.
