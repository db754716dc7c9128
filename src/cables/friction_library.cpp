#include "cables/friction_library.h"

#include "numbers/number_rules.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <sstream>

namespace tensora {
namespace {

using Json = nlohmann::ordered_json;

constexpr std::string_view kFormat = "tensora-friction-library";
constexpr int kVersion = 1;
constexpr std::size_t kLongestName = 40;
// The highest coefficient an entry may hold: beyond any published for cable pulling.
constexpr double kHighestCoefficient = 2;

// The texts of an entry, by their keys in the file.
constexpr std::pair<std::string_view, LibraryText FrictionEntry::*> kTexts[] = {
    {"raceway", &FrictionEntry::raceway},
    {"jacket", &FrictionEntry::jacket},
    {"lubricant", &FrictionEntry::lubricant},
    {"stands_for", &FrictionEntry::stands_for},
    {"source", &FrictionEntry::source}};

std::string folded(std::string_view text) {
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(), [](unsigned char c) {
        return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : static_cast<char>(c);
    });
    return lower;
}

std::optional<LibraryText> library_text(const Json& value) {
    if (value.is_string()) {
        return LibraryText::plain(value.get<std::string>());
    }
    if (!value.is_object()) {
        return std::nullopt;
    }
    LibraryText text;
    for (const auto& [language, words] : value.items()) {
        if (!words.is_string()) {
            return std::nullopt;
        }
        text.by_language.emplace_back(language, words.get<std::string>());
    }
    return text;
}

Json text_json(const LibraryText& text) {
    if (text.by_language.size() == 1 && text.by_language.front().first == "en") {
        return text.by_language.front().second;
    }
    Json object = Json::object();
    for (const auto& [language, words] : text.by_language) {
        object[language] = words;
    }
    return object;
}

// An entry of the file, or why it is passed over.
std::optional<FrictionEntry> entry_of(const Json& item, bool own, Message& why) {
    FrictionEntry entry;
    entry.own = own;
    if (!item.is_object() || !item.contains("name") || !item["name"].is_string() ||
        !item.contains("coefficient") || !item["coefficient"].is_number()) {
        why = TENSORA_TEXT("Library", "an entry has no name or no coefficient");
        return std::nullopt;
    }
    entry.name = item["name"].get<std::string>();
    entry.coefficient = item["coefficient"].get<double>();
    for (const auto& [key, member] : kTexts) {
        if (item.contains(key)) {
            const std::optional<LibraryText> text = library_text(item[std::string(key)]);
            if (!text) {
                why = Message(TENSORA_TEXT("Library", "the entry \"%1\" has a %2 that is no text"))
                          .data(entry.name)
                          .data(std::string(key));
                return std::nullopt;
            }
            entry.*member = *text;
        }
    }
    if (item.contains("kind")) {
        const auto kind = item["kind"].is_string()
                              ? raceway_kind_by_key(item["kind"].get<std::string>())
                              : std::nullopt;
        if (!kind) {
            why = Message(TENSORA_TEXT("Library", "the entry \"%1\" has an unknown kind"))
                      .data(entry.name);
            return std::nullopt;
        }
        entry.kind = *kind;
    }
    if (const auto refusal = entry_refusal(entry)) {
        why = *refusal;
        return std::nullopt;
    }
    return entry;
}

std::optional<std::string> file_text(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        return std::nullopt;
    }
    std::ostringstream bytes;
    bytes << file.rdbuf();
    if (file.bad()) {
        return std::nullopt;
    }
    return bytes.str();
}

} // namespace

std::string_view raceway_kind_key(RacewayKind kind) {
    switch (kind) {
    case RacewayKind::Conduit:
        return "conduit";
    case RacewayKind::Tray:
        return "tray";
    default:
        return "any";
    }
}

std::optional<RacewayKind> raceway_kind_by_key(std::string_view key) {
    for (const RacewayKind kind : {RacewayKind::Any, RacewayKind::Conduit, RacewayKind::Tray}) {
        if (key == raceway_kind_key(kind)) {
            return kind;
        }
    }
    return std::nullopt;
}

std::string LibraryText::in(std::string_view language) const {
    // The language itself, then the language without its country, then English.
    const std::string_view base = language.substr(0, language.find('_'));
    for (const std::string_view wanted : {language, base, std::string_view("en")}) {
        for (const auto& [key, text] : by_language) {
            if (key == wanted) {
                return text;
            }
        }
    }
    return by_language.empty() ? std::string() : by_language.front().second;
}

bool is_entry_name(std::string_view name) {
    if (name.empty() || name.size() > kLongestName) {
        return false;
    }
    return std::all_of(name.begin(), name.end(), [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return (byte >= 'a' && byte <= 'z') || (byte >= '0' && byte <= '9') || byte == '.' ||
               byte == '-' || byte == '_' || byte >= 0x80;
    });
}

std::optional<Message> entry_refusal(const FrictionEntry& entry) {
    if (!is_entry_name(entry.name)) {
        return Message(TENSORA_TEXT("Library",
                                    "The name \"%1\" is not one word of small letters, digits, "
                                    "dots, hyphens and underscores (at most 40)"))
            .data(entry.name);
    }
    if (!(entry.coefficient >= 0 && entry.coefficient <= kHighestCoefficient)) {
        return Message(TENSORA_TEXT("Library",
                                    "The coefficient of \"%1\" is not a number from 0 to %2"))
            .data(entry.name)
            .figure(Figure::number(kHighestCoefficient));
    }
    return std::nullopt;
}

FrictionFile read_friction_file(std::string_view text, bool own) {
    FrictionFile file;
    const Json document = Json::parse(text, nullptr, false);
    if (document.is_discarded()) {
        file.error = TENSORA_TEXT("Library", "it is not a JSON document");
        return file;
    }
    if (!document.is_object() || !document.contains("format") ||
        document["format"] != std::string(kFormat) || !document.contains("entries") ||
        !document["entries"].is_array()) {
        file.error = TENSORA_TEXT("Library", "it is not a friction library");
        return file;
    }
    if (document.contains("version") &&
        !(document["version"].is_number_integer() && document["version"].get<int>() <= kVersion)) {
        file.error = TENSORA_TEXT("Library", "it was written by a later version of the program");
        return file;
    }
    for (const Json& item : document["entries"]) {
        Message why;
        std::optional<FrictionEntry> entry = entry_of(item, own, why);
        if (entry && std::any_of(file.entries.begin(), file.entries.end(),
                                 [&](const FrictionEntry& e) { return e.name == entry->name; })) {
            why = Message(TENSORA_TEXT("Library", "the name \"%1\" is there twice"))
                      .data(entry->name);
            entry.reset();
        }
        if (entry) {
            file.entries.push_back(std::move(*entry));
        } else {
            file.notes.push_back(std::move(why));
        }
    }
    return file;
}

std::string friction_file_text(const std::vector<FrictionEntry>& entries) {
    Json list = Json::array();
    for (const FrictionEntry& entry : entries) {
        Json item = {{"name", entry.name}};
        for (const auto& [key, member] : kTexts) {
            if (!(entry.*member).by_language.empty()) {
                item[std::string(key)] = text_json(entry.*member);
            }
        }
        item["coefficient"] = entry.coefficient;
        item["kind"] = raceway_kind_key(entry.kind);
        list.push_back(std::move(item));
    }
    const Json document = {
        {"format", kFormat}, {"version", kVersion}, {"entries", std::move(list)}};
    return document.dump(2) + "\n";
}

FrictionLibrary::FrictionLibrary(std::vector<FrictionEntry> shipped,
                                 std::vector<FrictionEntry> own)
    : entries_(std::move(shipped)) {
    for (FrictionEntry& entry : entries_) {
        entry.own = false;
    }
    for (FrictionEntry& entry : own) {
        entry.own = true;
        entries_.push_back(std::move(entry));
    }
}

const FrictionEntry* FrictionLibrary::find(std::string_view name) const {
    const FrictionEntry* found = nullptr;
    for (const FrictionEntry& entry : entries_) {
        if (entry.name == name && (!found || entry.own)) {
            found = &entry;
        }
    }
    return found;
}

std::vector<const FrictionEntry*> FrictionLibrary::matching(std::string_view search,
                                                            std::string_view language) const {
    std::vector<std::string> words;
    std::istringstream stream{folded(search)};
    for (std::string word; stream >> word;) {
        words.push_back(word);
    }
    std::vector<const FrictionEntry*> found;
    for (const FrictionEntry& entry : entries_) {
        std::string haystack = entry.name;
        for (const auto& [key, member] : kTexts) {
            haystack += ' ' + folded((entry.*member).in(language));
        }
        haystack += ' ' + general_number_text(entry.coefficient);
        if (std::all_of(words.begin(), words.end(), [&](const std::string& word) {
                return haystack.find(word) != std::string::npos;
            })) {
            found.push_back(&entry);
        }
    }
    return found;
}

std::vector<FrictionEntry> FrictionLibrary::own() const {
    std::vector<FrictionEntry> mine;
    std::copy_if(entries_.begin(), entries_.end(), std::back_inserter(mine),
                 [](const FrictionEntry& entry) { return entry.own; });
    return mine;
}

std::optional<Message> FrictionLibrary::add(FrictionEntry entry) {
    entry.own = true;
    if (const auto refusal = entry_refusal(entry)) {
        return refusal;
    }
    if (find(entry.name)) {
        return Message(TENSORA_TEXT("Library", "The library has an entry \"%1\" already"))
            .data(entry.name);
    }
    entries_.push_back(std::move(entry));
    return std::nullopt;
}

std::optional<Message> FrictionLibrary::replace(std::string_view name, FrictionEntry entry) {
    const auto at = std::find_if(entries_.begin(), entries_.end(), [&](const FrictionEntry& e) {
        return e.own && e.name == name;
    });
    if (at == entries_.end()) {
        return Message(TENSORA_TEXT("Library", "\"%1\" is no entry of yours")).data(std::string(name));
    }
    entry.own = true;
    if (const auto refusal = entry_refusal(entry)) {
        return refusal;
    }
    if (entry.name != name && find(entry.name)) {
        return Message(TENSORA_TEXT("Library", "The library has an entry \"%1\" already"))
            .data(entry.name);
    }
    *at = std::move(entry);
    return std::nullopt;
}

std::optional<Message> FrictionLibrary::remove(std::string_view name) {
    const auto at = std::find_if(entries_.begin(), entries_.end(), [&](const FrictionEntry& e) {
        return e.own && e.name == name;
    });
    if (at == entries_.end()) {
        return Message(TENSORA_TEXT("Library", "\"%1\" is no entry of yours")).data(std::string(name));
    }
    entries_.erase(at);
    return std::nullopt;
}

LoadedLibrary load_friction_library(const std::vector<std::filesystem::path>& data_folders,
                                    const std::filesystem::path& user_file) {
    LoadedLibrary loaded;
    std::vector<FrictionEntry> shipped;
    for (const std::filesystem::path& folder : data_folders) {
        const std::filesystem::path path = folder / std::string(kFrictionLibraryFileName);
        std::error_code error;
        if (!std::filesystem::is_regular_file(path, error)) {
            continue;
        }
        loaded.shipped_file = path;
        const std::optional<std::string> text = file_text(path);
        FrictionFile file = text ? read_friction_file(*text, false) : FrictionFile{};
        if (!text) {
            file.error = TENSORA_TEXT("Files", "the file could not be opened");
        }
        if (!file.error.empty()) {
            loaded.notes.push_back(
                Message(TENSORA_TEXT("Library", "The friction library %1 cannot be read: %2"))
                    .data(path.string())
                    .nested(file.error));
        }
        shipped = std::move(file.entries);
        break;
    }
    std::vector<FrictionEntry> own;
    std::error_code error;
    if (!user_file.empty() && std::filesystem::exists(user_file, error)) {
        const std::optional<std::string> text = file_text(user_file);
        FrictionFile file = text ? read_friction_file(*text, true) : FrictionFile{};
        if (!text) {
            file.error = TENSORA_TEXT("Files", "the file could not be opened");
        }
        // A file read in part is not written over: the entries passed over would be lost.
        loaded.own_writable = file.error.empty() && file.notes.empty();
        if (!file.error.empty()) {
            loaded.notes.push_back(
                Message(TENSORA_TEXT("Library", "Your friction entries %1 cannot be read: %2"))
                    .data(user_file.string())
                    .nested(file.error));
        }
        for (Message& note : file.notes) {
            loaded.notes.push_back(
                Message(TENSORA_TEXT("Library", "Your friction entries %1: %2"))
                    .data(user_file.string())
                    .nested(std::move(note)));
        }
        own = std::move(file.entries);
    }
    loaded.library = FrictionLibrary(std::move(shipped), std::move(own));
    return loaded;
}

Message entry_words(const FrictionEntry& entry, std::string_view language) {
    //: A friction library entry: %1 its name, %2 the raceway, %3 the lubricant, %4 the
    //: coefficient of friction.
    return Message(TENSORA_TEXT("Library", "%1: %2, %3, %4"))
        .data(entry.name)
        .data(entry.raceway.in(language))
        .data(entry.lubricant.in(language))
        .figure(Figure::number(entry.coefficient));
}

} // namespace tensora
