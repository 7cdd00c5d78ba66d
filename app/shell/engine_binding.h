// The program's one reference to the data engine, taken during static
// initialisation by calling CorvelaInstance and kept for the whole run.  The
// engine is destroyed when the library unloads, after the program has ended.
#pragma once

class Corvela;

// The engine; valid from static initialisation until the program ends.
Corvela& Engine();
