// Loading and unloading the shared library: a job left open is dropped, and
// a new load starts from a closed job with no virtual printers.
#include <dlfcn.h>
#include <gtest/gtest.h>

namespace {

struct Library {
  void* handle = dlopen(VXCL_SHARED_LIBRARY, RTLD_NOW | RTLD_LOCAL);
  ~Library() {
    if (handle) dlclose(handle);
  }
  template <class F>
  F* Get(const char* name) {
    return reinterpret_cast<F*>(dlsym(handle, name));
  }
};

using Add = int(const char*, int, int, int);
using Count = int(const char*);
using Init = int(const char*, int, int, double, double, double);
using Qty = int(int);
using Call = int();

TEST(LibraryUnload, OpenJobIsDroppedAndStateStartsFresh) {
  {
    Library lib;
    ASSERT_NE(lib.handle, nullptr) << dlerror();
    ASSERT_EQ(lib.Get<Add>("VxclAddVirtualPrinter")("Unload", 203, 104, 1000),
              1);
    ASSERT_EQ(lib.Get<Init>("PrnInit")("Unload", 3, 4, 100.0, 50.0, 0.0), 1);
    ASSERT_EQ(lib.Get<Qty>("PrnQty")(1), 1);
    // A batch holding one label, and the next label's job open.
    ASSERT_EQ(lib.Get<Call>("VxclBeginBatch")(), 1);
    ASSERT_EQ(lib.Get<Call>("PrnEnd")(), 1);
    ASSERT_EQ(lib.Get<Init>("PrnInit")("Unload", 3, 4, 100.0, 50.0, 0.0), 1);
    ASSERT_EQ(lib.Get<Qty>("PrnQty")(1), 1);
    EXPECT_EQ(lib.Get<Count>("VxclVirtualJobCount")("Unload"), 0);
  }
  Library lib;
  ASSERT_NE(lib.handle, nullptr);
  EXPECT_EQ(lib.Get<Qty>("PrnQty")(1), 0) << "no job survives an unload";
  EXPECT_EQ(lib.Get<Call>("VxclEndBatch")(), 211) << "nor does a batch";
  EXPECT_EQ(lib.Get<Count>("VxclVirtualJobCount")("Unload"), -1);
}

TEST(LibraryUnload, ExportsOnlyThePublicFunctions) {
  Library lib;
  ASSERT_NE(lib.handle, nullptr);
  EXPECT_NE(dlsym(lib.handle, "PrnEnd"), nullptr);
  EXPECT_EQ(dlsym(lib.handle, "_ZN4vxcl6TheJobEv"), nullptr);  // vxcl::TheJob
}

}  // namespace
