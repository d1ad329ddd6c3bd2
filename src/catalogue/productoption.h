#pragma once

// The product options of the two mesh kinds: the cell shape of a woven mesh, the wire of a
// welded one. The window shows them as one group of option buttons, so one at a time is chosen.
enum class ProductOption { None, Rhombic, Square, Wire3, Wire4, Wire5 };
