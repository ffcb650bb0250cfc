#include "compat/modules.h"
#include "frame/modulequeries.h"
#include "tests/subclass/logged_test.h"

using namespace pattaro;
using namespace pattaro::testing;
using platform::Modules;

namespace {

class ModuleQueriesTest : public LoggedTest {
protected:
    Modules modules = Modules::system();
};

// A desktop whose user library cannot track the mouse.
Modules withoutUser32Tracking()
{
    return Modules({{"User32", {"CallWindowProcA", "SetWindowLongA"}, true},
                    {"Comctl32", {"_TrackMouseEvent"}, false}});
}

} // namespace

TEST_F(ModuleQueriesTest, LibrariesLoadAndFreeByCount)
{
    EXPECT_NE(modules.GetModuleHandleA("USER32"), 0u) << "names match without regard to case";
    EXPECT_EQ(modules.GetModuleHandleA("comctl32"), 0u);
    EXPECT_EQ(modules.LoadLibraryA("nosuch"), 0u);

    const Modules::Handle comctl = modules.LoadLibraryA("COMCTL32");
    EXPECT_EQ(modules.LoadLibraryA("comctl32"), comctl);
    EXPECT_NE(modules.GetProcAddress(comctl, "_trackmouseevent"), 0u);
    EXPECT_TRUE(modules.FreeLibrary(comctl));
    EXPECT_EQ(modules.GetModuleHandleA("comctl32"), comctl) << "loaded twice, freed once";
    EXPECT_TRUE(modules.FreeLibrary(comctl));
    EXPECT_FALSE(modules.FreeLibrary(comctl));
    EXPECT_EQ(modules.GetProcAddress(comctl, "_TrackMouseEvent"), 0u) << "a freed library has no functions";
}

TEST_F(ModuleQueriesTest, AddressesComeOnlyFromLoadedLibrariesAndMissesAreLogged)
{
    EXPECT_NE(zAddrFunc(log, modules, "user32", "CallWindowProcA"), 0u);
    EXPECT_TRUE(reports().empty());

    EXPECT_EQ(zAddrFunc(log, modules, "user32", "NoSuchFunction"), 0u);
    EXPECT_EQ(zAddrFunc(log, modules, "comctl32", "_TrackMouseEvent"), 0u) << "not loaded, so not there";
    EXPECT_EQ(modules.GetModuleHandleA("comctl32"), 0u) << "asking does not load it";
    const Report missing{"0", "", "zAddrFunc"};
    EXPECT_EQ(reports(), (std::vector<Report>{missing, missing}));
}

TEST_F(ModuleQueriesTest, ExportQueriesLoadWhatTheyNeedAndLeaveNothingLoaded)
{
    struct Case {
        const char* what;
        Modules modules;
        const char* function;
        const char* module;
        bool exported;
    };
    const Case cases[] = {
        {"user library", Modules::system(), "TrackMouseEvent", "user32", true},
        {"common controls, loaded for the question", Modules::system(), "_TrackMouseEvent", "Comctl32", true},
        {"user library without tracking", withoutUser32Tracking(), "TrackMouseEvent", "user32", false},
        {"function of another library", Modules::system(), "TrackMouseEvent", "comctl32", false},
        {"no such library", Modules::system(), "TrackMouseEvent", "uxtheme", false},
        {"no library at all", Modules({}), "_TrackMouseEvent", "comctl32", false},
    };
    for (Case c : cases) {
        SCOPED_TRACE(c.what);
        const bool user32WasLoaded = c.modules.GetModuleHandleA("user32") != 0;
        EXPECT_EQ(IsFunctionExported(log, c.modules, c.function, c.module), c.exported);
        EXPECT_EQ(c.modules.GetModuleHandleA("comctl32"), 0u);
        EXPECT_EQ(c.modules.GetModuleHandleA("user32") != 0, user32WasLoaded);
    }
    EXPECT_TRUE(reports().empty());
}

TEST_F(ModuleQueriesTest, ALibraryLoadedElsewhereStaysLoaded)
{
    const Modules::Handle comctl = modules.LoadLibraryA("comctl32");
    EXPECT_TRUE(IsFunctionExported(log, modules, "_TrackMouseEvent", "comctl32"));
    EXPECT_EQ(modules.GetModuleHandleA("comctl32"), comctl);
}
