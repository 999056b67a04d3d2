#include "tilecompiler.h"

#include <utility>
#include <vector>

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

Error NotLoadedError() {
    return Error{ErrorKind::NotLoaded, "No tile is loaded: select a tile in the list before compiling."};
}

// Value box `box` into an 8-bit (unsigned) or 16-bit (signed) field.
Status ConvertBox(const TileForm& form, std::size_t box, std::uint8_t& field) {
    auto value = ConvertUnsigned8(form.valueTexts[box], kValueBoxLabels[box]);
    if (!value) return value.error();
    field = *value;
    return {};
}

Status ConvertBox(const TileForm& form, std::size_t box, std::int16_t& field) {
    auto value = ConvertSigned16(form.valueTexts[box], kValueBoxLabels[box]);
    if (!value) return value.error();
    field = *value;
    return {};
}

Error MovedError(const std::string& path, TileKind kind, std::int32_t n, std::int32_t position,
                 const TileDataLayout& layout) {
    const auto now = layout.RecordPosition(kind, n);
    return Error{ErrorKind::OutOfBounds,
                 Quoted(path) + " has changed since " + std::string(KindName(kind)) + " tile " + std::to_string(n) +
                     " was loaded: in its layout now the tile " +
                     (now ? "lies at position " + std::to_string(*now) : std::string("has no position")) +
                     ", not at " + std::to_string(position) + ". Nothing was written; select the tile again."};
}

// Encodes the record in the layout the file has now and writes it with one
// positioned write.
template <class Record, class Encode>
Status WriteRecord(const std::string& folder, TileKind kind, const CompiledTile<Record>& tile,
                   std::optional<std::int32_t> tileNumber, Encode encode) {
    auto opened = GameFile::OpenForWriting(folder, kTileDataFileName);
    if (!opened) return opened.error();
    GameFile file = std::move(opened).value();
    // A shortened classic file is written as the window always has; a longer
    // one of no layout's size would get the record across others' bytes.
    if (file.size() > kClassicLayout.FileSize() && !ExactLayoutForFileSize(file.size()))
        return Error{ErrorKind::UnknownLayout, UnknownSizeReason(file.path(), file.size()) + ". Nothing was written."};
    const TileDataLayout layout = LayoutForFileSize(file.size());
    if (tileNumber && layout.RecordPosition(kind, *tileNumber) != tile.position)
        return MovedError(file.path(), kind, *tileNumber, tile.position, layout);
    std::vector<std::uint8_t> bytes(layout.RecordSize(kind));
    encode(layout, tile.record, bytes);
    if (Status inside = CheckRecordInside(file.path(), kind, tile.position, bytes.size(), file.size());
        !inside)
        return inside;
    if (Status written = file.WriteAllAt(static_cast<std::uint64_t>(tile.position) - 1, bytes); !written)
        return written;
    return file.SyncAndClose();
}

void EncodeLand(const TileDataLayout& layout, const LandTileRecord& record, std::span<std::uint8_t> out) {
    EncodeLandRecord(layout, record, out);
}

void EncodeItem(const TileDataLayout& layout, const ItemTileRecord& record, std::span<std::uint8_t> out) {
    EncodeItemRecord(layout, record, out);
}

// The loaded bytes while the name is untouched, else the box text.
Result<TileName> FormName(const TileForm& form) {
    if (form.untouchedName) return *form.untouchedName;
    return StoreTileName(form.nameText);
}

}  // namespace

std::uint64_t GetFlagBoxes(std::span<const bool> ticked) {
    std::uint64_t flags = 0;
    for (std::size_t bit = 0; bit < ticked.size() && bit < 64; ++bit)
        if (ticked[bit]) flags |= FlagMask(static_cast<int>(bit));
    return flags;
}

Result<TileName> StoreTileName(std::u16string_view text) {
    TileName name{};
    for (std::size_t i = 0; i < text.size() && i < kNameSize; ++i) {
        if (text[i] > 0xFF) return NameCharacterError(text, i);
        name[i] = static_cast<std::uint8_t>(text[i]);
    }
    return name;
}

Result<std::int32_t> ConvertRecordPosition(std::u16string_view offsetText) {
    if (offsetText.empty()) return NotLoadedError();
    return ConvertSigned32(offsetText, kOffsetLabel);
}

// Nothing loaded is the first answer, since then no box means anything. After
// that the boxes are converted in the order the window reads them, flags,
// name, values, position, so that the first bad box is the one reported.
Result<CompiledTile<LandTileRecord>> BuildLandTile(const TileForm& form) {
    if (form.offsetText.empty()) return NotLoadedError();
    const std::uint64_t flags = GetFlagBoxes(form.flagTicks);
    auto name = FormName(form);
    if (!name) return name.error();
    auto texture = ConvertSigned16(form.valueTexts[kTextureBox], kValueBoxLabels[kTextureBox]);
    if (!texture) return texture.error();
    auto position = ConvertRecordPosition(form.offsetText);
    if (!position) return position.error();
    return CompiledTile<LandTileRecord>{*position, {flags, *texture, *name}};
}

Result<CompiledTile<ItemTileRecord>> BuildItemTile(const TileForm& form) {
    if (form.offsetText.empty()) return NotLoadedError();
    CompiledTile<ItemTileRecord> tile{};
    ItemTileRecord& r = tile.record;
    r.Flags = GetFlagBoxes(form.flagTicks);
    auto name = FormName(form);
    if (!name) return name.error();
    r.Name = *name;
    // In box order, so that the first box that does not convert is the one named.
    const Status converted[] = {
        ConvertBox(form, 0, r.Weight),   ConvertBox(form, 1, r.Quality),   ConvertBox(form, 2, r.Unknown1),
        ConvertBox(form, 3, r.Unknown2), ConvertBox(form, 4, r.Quantity),  ConvertBox(form, 5, r.Animation),
        ConvertBox(form, 6, r.Unknown3), ConvertBox(form, 7, r.Hue),       ConvertBox(form, 8, r.Unknown4),
        ConvertBox(form, 9, r.Unknown5), ConvertBox(form, 10, r.Height),
    };
    for (const Status& status : converted)
        if (!status) return status.error();
    auto position = ConvertRecordPosition(form.offsetText);
    if (!position) return position.error();
    tile.position = *position;
    return tile;
}

Status CompileLandTile(const std::string& tileDataFolder, const TileForm& form) {
    auto tile = BuildLandTile(form);
    if (!tile) return tile.error();
    return WriteRecord(tileDataFolder, TileKind::Land, *tile, form.tileNumber, EncodeLand);
}

Status CompileItemTile(const std::string& tileDataFolder, const TileForm& form) {
    auto tile = BuildItemTile(form);
    if (!tile) return tile.error();
    return WriteRecord(tileDataFolder, TileKind::Item, *tile, form.tileNumber, EncodeItem);
}

Status CompileTile(std::string_view kindTag, const std::string& tileDataFolder, const TileForm& form) {
    if (kindTag == "land") return CompileLandTile(tileDataFolder, form);
    if (kindTag == "item") return CompileItemTile(tileDataFolder, form);
    return {};
}

}  // namespace tilewright
