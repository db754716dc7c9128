// The friction library: coefficients of friction by raceway, cable jacket and lubricant, each
// with the source of its figure. The shipped entries come from a data file beside the cable
// data and are never written; the user's own entries live in a file of their own in the user's
// settings folder, where they are added, edited and deleted.
#pragma once

#include "numbers/message.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tensora {

inline constexpr std::string_view kFrictionLibraryFileName = "friction.json";

// What a raceway is to the pull check: a conduit or duct (the check's conduit, or an inside
// diameter of the link's), cable tray on rollers (no conduit round the cables), or any.
enum class RacewayKind { Any, Conduit, Tray };
std::string_view raceway_kind_key(RacewayKind kind); // "any", "conduit", "tray"
std::optional<RacewayKind> raceway_kind_by_key(std::string_view key);

// A text of an entry: one text, as a user typed it, or one per language (the shipped entries),
// keyed by the language's code ("en", "de", "pt_BR"); English stands in for a language it lacks.
struct LibraryText {
    std::vector<std::pair<std::string, std::string>> by_language;
    // The text in a language ("pt_BR", "de"), English where it has none.
    std::string in(std::string_view language) const;
    static LibraryText plain(std::string text) { return {{{"en", std::move(text)}}}; }
    bool operator==(const LibraryText&) const = default;
};

struct FrictionEntry {
    // One word, the name links and the command line take it by: letters, digits, '.', '-' and
    // '_', no capital letters (see is_entry_name).
    std::string name;
    LibraryText raceway;    // "PVC conduit"
    LibraryText jacket;     // "PVC", "any"
    LibraryText lubricant;  // "none (dry)", "a wet pulling lubricant"
    double coefficient = 0; // dynamic, unitless
    LibraryText stands_for{}; // "typical unlubricated value"
    LibraryText source{};     // where the figure comes from
    RacewayKind kind = RacewayKind::Any;
    bool own = false; // the user's: editable (the shipped entries are not)
    bool operator==(const FrictionEntry&) const = default;
};

// An entry in one line, as a list offers it: "pvc-wet: PVC conduit, a wet pulling lubricant,
// 0.18".
Message entry_words(const FrictionEntry& entry, std::string_view language);

// Whether a text may name an entry: one word of lower-case letters (any letter beyond ASCII),
// digits, '.', '-' and '_', at most 40 bytes.
bool is_entry_name(std::string_view name);
// Why an entry cannot be kept as it is (its name, its coefficient), or nothing.
std::optional<Message> entry_refusal(const FrictionEntry& entry);

// The entries of a library file, or why the file cannot be read (its line, if the JSON names
// one). Entries a file holds twice by name are read once, the first.
struct FrictionFile {
    std::vector<FrictionEntry> entries;
    Message error;
    std::vector<Message> notes; // entries passed over, each with why
};
FrictionFile read_friction_file(std::string_view text, bool own);
// The file's text for these entries, in the file's one form (numbers with a decimal point).
std::string friction_file_text(const std::vector<FrictionEntry>& entries);

class FrictionLibrary {
public:
    FrictionLibrary() = default;
    FrictionLibrary(std::vector<FrictionEntry> shipped, std::vector<FrictionEntry> own);

    // The shipped entries, then the user's, each in its file's order.
    const std::vector<FrictionEntry>& entries() const { return entries_; }
    // The entry of a name; the user's where both have it.
    const FrictionEntry* find(std::string_view name) const;
    // The entries whose name or texts (in the language) hold every word of `search`, in any
    // case; all for an empty search.
    std::vector<const FrictionEntry*> matching(std::string_view search,
                                               std::string_view language) const;

    // The user's own entries, and changes to them: refused (with why) for a shipped entry,
    // a name taken or an entry that cannot be kept.
    std::vector<FrictionEntry> own() const;
    std::optional<Message> add(FrictionEntry entry);
    std::optional<Message> replace(std::string_view name, FrictionEntry entry);
    std::optional<Message> remove(std::string_view name);

private:
    std::vector<FrictionEntry> entries_;
};

// The library as the program finds it: the first shipped file among the data folders, and the
// user's file (which need not exist yet). What could not be read is said in `notes`.
struct LoadedLibrary {
    FrictionLibrary library;
    std::filesystem::path shipped_file; // empty when none was found
    std::vector<Message> notes;
    // Whether the user's file may be written: not when it was read in part, or not at all.
    bool own_writable = true;
};
LoadedLibrary load_friction_library(const std::vector<std::filesystem::path>& data_folders,
                                    const std::filesystem::path& user_file);

} // namespace tensora
