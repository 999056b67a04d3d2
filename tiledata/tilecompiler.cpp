#include "tilecompiler.h"

#include "gamefile.h"
#include "numberconversion.h"
#include "tileformat.h"
#include "tileloader.h"

namespace tilewright {
namespace {

bool IsHighSurrogate(char16_t c) { return c >= 0xD800 && c <= 0xDBFF; }
bool IsLowSurrogate(char16_t c) { return c >= 0xDC00 && c <= 0xDFFF; }

Error NameCharacterError(std::u16string_view text, std::size_t index) {
    // Show the whole character when it is the first half of a pair.
    std::size_t units = 1;
    char32_t code = text[index];
    if (IsHighSurrogate(text[index]) && index + 1 < text.size() && IsLowSurrogate(text[index + 1])) {
        code = 0x10000 + ((code - 0xD800) << 10) + (text[index + 1] - 0xDC00);
        units = 2;
    }
    std::string hex = FormatHex(code);
    if (hex.size() < 4) hex.insert(0, 4 - hex.size(), '0');
    return Error{ErrorKind::InvalidValue, "The name in \"" + std::string(kNameLabel) + "\" cannot be stored: character " +
                                              std::to_string(index + 1) + ", \"" +
                                              TextForMessage(text.substr(index, units)) + "\" (U+" + hex +
                                              "), is not an ISO 8859-1 character; only characters up to U+00FF "
                                              "can be stored."};
}

template <std::size_t N>
Status WriteRecord(const std::string& folder, const char* kind, std::int32_t position,
                   const std::array<std::uint8_t, N>& bytes) {
    auto opened = GameFile::OpenForWriting(folder, kTileDataFileName);
    if (!opened) return opened.error();
    GameFile file = std::move(opened).value();
    if (Status inside = CheckRecordInside(file.path(), kind, position, N, file.size()); !inside) return inside;
    if (Status written = file.WriteAllAt(static_cast<std::uint64_t>(position) - 1, bytes); !written) return written;
    return file.SyncAndClose();
}

}  // namespace

std::uint32_t GetFlagBoxes(const std::array<bool, 32>& ticked) {
    std::uint32_t flags = 0;
    for (int bit = 0; bit < 32; ++bit)
        if (ticked[static_cast<std::size_t>(bit)]) flags |= FlagMask(bit);
    return flags;
}

Result<TileName> StoreTileName(std::u16string_view text, bool isPlaceholder) {
    TileName name{};
    if (isPlaceholder && text == kUnlabeled) return name;
    for (std::size_t i = 0; i < text.size() && i < kNameSize; ++i) {
        if (text[i] > 0xFF) return NameCharacterError(text, i);
        name[i] = static_cast<std::uint8_t>(text[i]);
    }
    return name;
}

Result<std::int32_t> ConvertRecordPosition(std::u16string_view offsetText) {
    if (offsetText.empty())
        return Error{ErrorKind::NotLoaded, "No tile is loaded: select a tile in the list before compiling."};
    return ConvertSigned32(offsetText, kOffsetLabel);
}

Result<CompiledTile<LandTileRecord>> BuildLandTile(const TileForm& form) {
    if (form.offsetText.empty()) return ConvertRecordPosition(form.offsetText).error();
    CompiledTile<LandTileRecord> tile;
    tile.record.Flags = GetFlagBoxes(form.flagTicks);
    auto name = StoreTileName(form.nameText, form.nameIsPlaceholder);
    if (!name) return name.error();
    tile.record.Name = *name;
    auto texture = ConvertSigned16(form.valueTexts[kTextureBox], kValueBoxLabels[kTextureBox]);
    if (!texture) return texture.error();
    tile.record.TextureId = *texture;
    auto position = ConvertRecordPosition(form.offsetText);
    if (!position) return position.error();
    tile.position = *position;
    return tile;
}

Result<CompiledTile<ItemTileRecord>> BuildItemTile(const TileForm& form) {
    if (form.offsetText.empty()) return ConvertRecordPosition(form.offsetText).error();
    CompiledTile<ItemTileRecord> tile;
    ItemTileRecord& r = tile.record;
    r.Flags = GetFlagBoxes(form.flagTicks);
    auto name = StoreTileName(form.nameText, form.nameIsPlaceholder);
    if (!name) return name.error();
    r.Name = *name;

    // Boxes 0 to 10 in order; boxes 2 and 5 hold the two 16-bit fields.
    std::uint8_t* const bytes[] = {&r.Weight,   &r.Quality, nullptr,     &r.Unknown2, &r.Quantity, nullptr,
                                   &r.Unknown3, &r.Hue,     &r.Unknown4, &r.Unknown5, &r.Height};
    std::int16_t* const words[] = {nullptr, nullptr, &r.Unknown1, nullptr, nullptr, &r.Animation};
    for (std::size_t box = 0; box < std::size(bytes); ++box) {
        const std::u16string& text = form.valueTexts[box];
        if (bytes[box]) {
            auto value = ConvertUnsigned8(text, kValueBoxLabels[box]);
            if (!value) return value.error();
            *bytes[box] = *value;
        } else {
            auto value = ConvertSigned16(text, kValueBoxLabels[box]);
            if (!value) return value.error();
            *words[box] = *value;
        }
    }

    auto position = ConvertRecordPosition(form.offsetText);
    if (!position) return position.error();
    tile.position = *position;
    return tile;
}

Status CompileLandTile(const std::string& tileDataFolder, const TileForm& form) {
    auto tile = BuildLandTile(form);
    if (!tile) return tile.error();
    return WriteRecord(tileDataFolder, "land", tile->position, EncodeLandRecord(tile->record));
}

Status CompileItemTile(const std::string& tileDataFolder, const TileForm& form) {
    auto tile = BuildItemTile(form);
    if (!tile) return tile.error();
    return WriteRecord(tileDataFolder, "item", tile->position, EncodeItemRecord(tile->record));
}

Status CompileTile(std::string_view kindTag, const std::string& tileDataFolder, const TileForm& form) {
    if (kindTag == "land") return CompileLandTile(tileDataFolder, form);
    if (kindTag == "item") return CompileItemTile(tileDataFolder, form);
    return {};
}

}  // namespace tilewright
