// Feeds arbitrary bytes to the saved-game reader: it must never read or
// write outside its tables, whatever the file holds.

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "core/saves/save_game.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static zorikan::GameState state;
    zorikan::GameState copy = state;
    const auto error = zorikan::ReadSaveGameText(
        std::string_view(reinterpret_cast<const char*>(data), size), copy);
    if (!error) {
        // Whatever loads must write back and read again to the same state.
        zorikan::GameState again;
        again.Gift385Given = copy.Gift385Given;
        again.Gift386Given = copy.Gift386Given;
        again.OwnedFlags = copy.OwnedFlags;
        if (zorikan::ReadSaveGameText(zorikan::SaveGameText(copy), again) || !(again == copy))
            __builtin_trap();
    }
    return 0;
}
