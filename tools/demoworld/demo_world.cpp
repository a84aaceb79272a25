#include "tools/demoworld/demo_world.h"

#include "Library/files/data_paths.h"
#include "Library/files/directory_list.h"
#include "Library/files/file_object.h"
#include "Library/files/file_stream.h"
#include "Library/files/mem_stream.h"
#include "Library/files/res_file_builder.h"
#include "Library/graphics/graphic.h"
#include "Source/scripting/game_machine_factory.h"
#include "platform/case_path.h"
#include "tools/demoworld/converter_media.h"
#include "tools/demoworld/creature_art.h"
#include "tools/demoworld/cursor_art.h"
#include "tools/demoworld/demo_creature_scripts.h"
#include "tools/demoworld/demo_creatures.h"
#include "tools/demoworld/demo_dialogues.h"
#include "tools/demoworld/demo_entities.h"
#include "tools/demoworld/demo_items.h"
#include "tools/demoworld/demo_magic.h"
#include "tools/demoworld/demo_map.h"
#include "tools/demoworld/demo_map_entities.h"
#include "tools/demoworld/demo_output.h"
#include "tools/demoworld/demo_region.h"
#include "tools/demoworld/demo_script.h"
#include "tools/demoworld/demo_sound.h"
#include "tools/demoworld/editor_art.h"
#include "tools/demoworld/field_images.h"
#include "tools/demoworld/item_screens_art.h"
#include "tools/demoworld/label_font.h"
#include "tools/demoworld/map_art.h"
#include "tools/demoworld/map_entity_art.h"
#include "tools/demoworld/menu_art.h"
#include "tools/demoworld/menu_screens_art.h"
#include "tools/demoworld/menu_scripts.h"
#include "tools/demoworld/page_scripts.h"
#include "tools/demoworld/play_screen_art.h"
#include "tools/demoworld/projectile_art.h"
#include "tools/demoworld/rule_tables.h"
#include "tools/demoworld/second_map.h"
#include "tools/demoworld/shared_interface_art.h"
#include "tools/demoworld/start_scripts.h"
#include "tools/demoworld/walker_art.h"
#include "tools/demoworld/world_region.h"
#include "tools/demoworld/world_screen_art.h"
#include "tools/writtenfiles/written_files.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>

namespace {

constexpr const char* kSystemFont =
    "/usr/share/fonts/truetype/liberation/LiberationMono-Regular.ttf";
} // namespace

DemoWorld::DemoWorld(const Stringc& root) : m_root(root) {}

bool DemoWorld::Build() {
    DataPaths paths(m_root.c_str());
    g_dataPaths = &paths;
    const ScopedGameMachineFactory machines; // what is loaded to be placed loads its scripts
    WrittenFiles::Demo().Clear();
    const bool built = WriteFonts() && WriteSounds() && WriteCursor() && WriteScripts() &&
                       WriteTitleAndEditors() && WriteMaps() && WriteEntities() &&
                       WriteRuleTables() && WriteCreatures() && WriteMagic() && WriteRegions() &&
                       PackArchives() && EveryFileRecorded();
    g_dataPaths = nullptr;
    return built;
}

// A writer that does not record what it writes escapes the check on twice-written files.
bool DemoWorld::EveryFileRecorded() const {
    const std::vector<std::string> unrecorded = WrittenFiles::Demo().Unrecorded(m_root);
    for (const std::string& path : unrecorded)
        std::fprintf(stderr, "demoworld: %s was written unrecorded\n", path.c_str());
    return unrecorded.empty();
}

bool DemoWorld::WriteFonts() {
    const Stringc target = m_root + "/fonts/Cour.ttf";
    return ReportWritten(MakeDirectories(target) && FileObject(kSystemFont).CopyTo(target), target);
}

// The toolkit's default press sounds and the demo region's, before the first-run
// converter's stand-ins, which keep the sounds that are there.
bool DemoWorld::WriteSounds() {
    const Stringc directory = g_dataPaths->GetSfxDir();
    return WriteSound(directory + "/Button_press_in.wav", Click(1400, 0.04)) &&
           WriteSound(directory + "/Button_press_out.wav", Click(900, 0.06)) &&
           DemoRegion(*g_dataPaths).WriteSounds();
}

// Frames are drawn into a scratch directory, which goes once the animations are built.
bool DemoWorld::WithScratchDirectory(const std::function<bool(const Stringc&)>& write) {
    char scratch[] = "/tmp/demoworldXXXXXX";
    if (!::mkdtemp(scratch)) {
        std::fprintf(stderr, "demoworld: no scratch directory for animation frames\n");
        return false;
    }
    const bool written = write(scratch);
    std::error_code error;
    std::filesystem::remove_all(scratch, error);
    return written;
}

bool DemoWorld::WriteCursor() {
    return WithScratchDirectory([](const Stringc& scratch) {
        return CursorArt(g_dataPaths->GetAnimDir() + "/Mouse", scratch).Write();
    });
}

bool DemoWorld::WriteScripts() {
    const Stringc directory = g_dataPaths->GetScriptDir();
    return WriteScript(DemoScript(), directory + "/demo.scr") &&
           WriteScript(StoryPageScript(), directory + "/" + kStoryPageName + ".scr") &&
           WriteScript(StatDescriptionScript(), directory + "/game_stat_desc.scr") &&
           WriteScript(CharDescriptionScript(), directory + "/game_char_desc.scr") &&
           DemoCreatureScripts(directory).Write() && StartScripts(directory).Write() &&
           MenuScripts(directory).Write() && DemoMapEntities().WriteScripts(directory) &&
           DemoDialogues(directory).Write();
}

// The title menu and the first-run converter's media, the editors' windows and the
// bitmaps the animation editor builds from.
bool DemoWorld::WriteTitleAndEditors() {
    LabelFont font(m_root + "/fonts/Cour.ttf");
    return font.IsReady() && SharedInterfaceArt(*g_dataPaths, font).Write() &&
           MenuArt(*g_dataPaths, font).Write() && PlayScreenArt(*g_dataPaths, font).Write() &&
           WorldScreenArt(*g_dataPaths, font).Write() &&
           MenuScreensArt(*g_dataPaths, font).Write() &&
           ItemScreensArt(*g_dataPaths, font).Write() && EditorArt(*g_dataPaths, font).Write() &&
           ConverterMedia(*g_dataPaths, font).Write() &&
           WalkerArt(g_dataPaths->GetAnimDir()).Write();
}

bool DemoWorld::WriteMaps() {
    // The clip image is read as a picture, which decodes through the shared scratch image.
    // The fog pictures come first: the tile map that builds the map loads them.
    const bool written = Graphic::InitScratch() && MapArt(*g_dataPaths).Write() &&
                         DemoMap(*g_dataPaths).Write() && SecondMap(*g_dataPaths).Write() &&
                         FieldImages(*g_dataPaths).Write();
    Graphic::FreeScratch();
    return written;
}

bool DemoWorld::WriteEntities() {
    return DemoEntities().Write() && DemoMapEntities().WriteTemplates() &&
           WithScratchDirectory([](const Stringc& scratch) {
               return DemoItems(scratch).Write() &&
                      MapEntityArt(g_dataPaths->GetAnimDir(), scratch).Write();
           });
}

bool DemoWorld::WriteCreatures() {
    return WithScratchDirectory([](const Stringc& scratch) {
               return CreatureArt(g_dataPaths->GetAnimDir(), scratch).Write();
           }) &&
           DemoCreatures().Write();
}

// What flies and bursts, and the spells that send it.
bool DemoWorld::WriteMagic() {
    return WithScratchDirectory([](const Stringc& scratch) {
        return ProjectileArt(g_dataPaths->GetAnimDir(), scratch).Write() &&
               DemoMagic(*g_dataPaths, scratch).Write();
    });
}

bool DemoWorld::WriteRuleTables() {
    return RuleTables(*g_dataPaths).Write();
}

// The region's water loads the sea's pictures through the shared scratch image.
bool DemoWorld::WriteRegions() {
    const bool written = Graphic::InitScratch() && DemoRegion(*g_dataPaths).Write() &&
                         WorldRegion(*g_dataPaths).Write();
    Graphic::FreeScratch();
    return written;
}

// Archives that exist are kept by the builder: these are made afresh from the tree.
bool DemoWorld::PackArchives() {
    platform::RemoveFile(g_dataPaths->GetGeneralResPath().c_str());
    platform::RemoveFile(g_dataPaths->GetAnimationResPath().c_str());
    ResFileBuilder builder;
    return ReportWritten(builder.Build(), g_dataPaths->GetGeneralResPath()) &&
           ReportWritten(builder.BuildAnimations(), g_dataPaths->GetAnimationResPath());
}
