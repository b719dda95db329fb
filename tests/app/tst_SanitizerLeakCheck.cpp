// Leak checking of the widget tests under LeakSanitizer. Qt unloads its platform plugin and
// the OpenGL driver when the application object goes, so memory that those libraries still
// hold at exit looks leaked although nothing of ours lost it. The check therefore runs once
// every test has finished, while the application still exists, instead of at exit. (The
// caches that system libraries keep for the life of the process are suppressed beside main.)

#include <gtest/gtest.h>

#if defined(__SANITIZE_ADDRESS__)
#define MAPEDITOR_LEAK_CHECK 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define MAPEDITOR_LEAK_CHECK 1
#endif
#endif

#ifdef MAPEDITOR_LEAK_CHECK
#include <sanitizer/lsan_interface.h>

#include <cstdlib>

extern "C" const char* __lsan_default_options() {
    return "leak_check_at_exit=0";
}

namespace {

// The check stops every thread of the process to scan its stack and registers. Once, after a
// 3D test, the checker itself crashed while doing so. Most of the threads it stops then are the
// software OpenGL driver's workers and shader cache writer, which are not ours, so under the
// checker the driver draws on the calling thread and keeps no cache on disk (set here, before
// any driver loads).
const bool driverThreadsOff = [] {
    setenv("LP_NUM_THREADS", "0", 0);
    setenv("MESA_SHADER_CACHE_DISABLE", "true", 0);
    return true;
}();

class LeakCheckAfterAllTests : public ::testing::Environment {
  public:
    void TearDown() override {
        EXPECT_EQ(__lsan_do_recoverable_leak_check(), 0)
            << "LeakSanitizer found memory that the tests lost (report above)";
    }
};

const auto* const registered = ::testing::AddGlobalTestEnvironment(new LeakCheckAfterAllTests);

} // namespace
#endif
