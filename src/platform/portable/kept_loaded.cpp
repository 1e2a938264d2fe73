#include "platform/portable/kept_loaded.h"

#include <dlfcn.h>

namespace vxcl {

void KeepLoaded(void* symbol) {
  Dl_info library{}, self{};
  if (dladdr(symbol, &library) &&
      dladdr(reinterpret_cast<void*>(&KeepLoaded), &self) &&
      library.dli_fbase != self.dli_fbase)
    dlopen(library.dli_fname, RTLD_LAZY | RTLD_NOLOAD | RTLD_NODELETE);
}

}  // namespace vxcl
