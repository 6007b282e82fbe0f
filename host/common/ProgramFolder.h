// Where the programs find what they load and open.  In the build tree
// everything is beside the program (build/<preset>/host/).  Installed, the
// programs are in <prefix>/bin and the module, its libraries and the
// manual under the same prefix (lib/k-colbalance, share/doc/k-colbalance),
// found from the program's own location: an installed tree works from any
// prefix and moves with it.
#pragma once

#include <string>

// The module a host loads: $COLBALANCE_MODULE when set, else ColBalance.so
// beside the program, else the installed one.
std::string defaultModulePath();

// Records, as an installer does, the folder the help page's Online Help
// reads the program files folder from: the program's own folder in the
// build tree, the installed documentation folder otherwise (where the
// product's documentation folder is laid out under it).  Does nothing when
// the program's folder cannot be found.
void recordProgramFolder();

// The colour config shipped with the programs (ocio/config.ocio beside the
// program, else the installed one); empty when neither is there.
std::string shippedColourConfig();

// The manual the help page's Online Help opens, as a local file; empty
// when it is not there.
std::string manualPath();
