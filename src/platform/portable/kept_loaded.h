// Shared libraries that stay loaded once used, for the life of the process.
#ifndef VXCL_PLATFORM_PORTABLE_KEPT_LOADED_H
#define VXCL_PLATFORM_PORTABLE_KEPT_LOADED_H

namespace vxcl {

// Keeps the shared library that holds `symbol` loaded even after this
// library is unloaded; nothing when the symbol is this library's own (a
// static build). A library whose global state cannot be released safely
// (another user in the process may share it) would otherwise lose that
// state at every unload and build it anew at the next load.
void KeepLoaded(void* symbol);

}  // namespace vxcl

#endif
