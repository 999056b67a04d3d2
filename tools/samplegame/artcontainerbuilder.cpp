#include "artcontainerbuilder.h"

#include <zlib.h>

#include <stdexcept>

#include "bytes.h"
#include "lookup3.h"
#include "tiledatabuilder.h"

namespace tilewright::sample {
namespace {

constexpr std::uint32_t kVersion = 5;
constexpr std::uint32_t kSignature = 0xFD23EC43u;
constexpr std::uint8_t kHeaderFiller = 0xEE;

void PutU16(std::vector<std::uint8_t>& out, std::uint16_t v) {
    out.push_back(static_cast<std::uint8_t>(v & 0xFF));
    out.push_back(static_cast<std::uint8_t>(v >> 8));
}

void PutU32(std::vector<std::uint8_t>& out, std::uint32_t v) {
    PutU16(out, static_cast<std::uint16_t>(v & 0xFFFF));
    PutU16(out, static_cast<std::uint16_t>(v >> 16));
}

void PutU64(std::vector<std::uint8_t>& out, std::uint64_t v) {
    PutU32(out, static_cast<std::uint32_t>(v));
    PutU32(out, static_cast<std::uint32_t>(v >> 32));
}

void PutU64At(std::vector<std::uint8_t>& out, std::size_t offset, std::uint64_t v) {
    WriteU32LE(std::span(out).subspan(offset).first<4>(), static_cast<std::uint32_t>(v));
    WriteU32LE(std::span(out).subspan(offset + 4).first<4>(), static_cast<std::uint32_t>(v >> 32));
}

std::vector<std::uint8_t> Compress(const std::vector<std::uint8_t>& bytes) {
    uLongf size = ::compressBound(static_cast<uLong>(bytes.size()));
    std::vector<std::uint8_t> out(size);
    if (::compress2(out.data(), &size, bytes.data(), static_cast<uLong>(bytes.size()), Z_DEFAULT_COMPRESSION) != Z_OK)
        throw std::runtime_error("zlib could not compress an image");
    out.resize(size);
    return out;
}

}  // namespace

void ArtContainerBuilder::Add(std::int32_t entryNumber, const std::vector<std::uint8_t>& image,
                              ContainerEntryForm form) {
    const auto hash = Decode_Mul::HashLittle2(Decode_Mul::Bytes(Decode_Mul::ContainerEntryName(entryNumber)));
    const std::uint64_t key = swapped_ ? std::uint64_t{hash.primary} << 32 | hash.secondary
                                       : std::uint64_t{hash.secondary} << 32 | hash.primary;
    slots_.push_back({true, key, form.compressed ? Compress(image) : image, static_cast<std::uint32_t>(image.size()), form});
}

void ArtContainerBuilder::AddUnused() { slots_.push_back({}); }

std::uint64_t ArtContainerBuilder::RecordOffset(std::size_t slot) const {
    const auto bytes = Bytes();
    std::uint64_t block = kFirstBlock;
    for (std::size_t first = 0;; first += entriesPerBlock_) {
        if (slot < first + entriesPerBlock_)
            return block + Decode_Mul::kContainerBlockHeaderSize + (slot - first) * Decode_Mul::kContainerEntrySize;
        const auto next = std::span<const std::uint8_t>(bytes).subspan(static_cast<std::size_t>(block) + 4);
        block = ReadU32LE(next.first<4>()) | std::uint64_t{ReadU32LE(next.subspan(4).first<4>())} << 32;
    }
}

std::vector<std::uint8_t> ArtContainerBuilder::Bytes() const {
    std::vector<std::uint8_t> out = {'M', 'Y', 'P', 0};
    PutU32(out, kVersion);
    PutU32(out, kSignature);
    PutU64(out, slots_.empty() ? 0 : kFirstBlock);
    PutU32(out, entriesPerBlock_);
    std::uint32_t used = 0;
    for (const Slot& s : slots_) used += s.used;
    PutU32(out, used);
    out.resize(kFirstBlock, 0);

    for (std::size_t first = 0; first < slots_.size(); first += entriesPerBlock_) {
        const std::size_t count = std::min<std::size_t>(entriesPerBlock_, slots_.size() - first);
        const std::size_t block = out.size();
        PutU32(out, static_cast<std::uint32_t>(count));
        PutU64(out, 0);
        const std::size_t records = out.size();
        out.resize(records + count * Decode_Mul::kContainerEntrySize);
        // Each entry's bytes follow the block's records, behind their data header.
        for (std::size_t i = 0; i < count; ++i) {
            const Slot& s = slots_[first + i];
            if (!s.used) continue;
            const std::vector<std::uint8_t> header(s.form.headerLength, kHeaderFiller);
            std::vector<std::uint8_t> record;
            PutU64(record, out.size());
            PutU32(record, s.form.headerLength);
            PutU32(record, static_cast<std::uint32_t>(s.stored.size()));
            PutU32(record, s.size);
            PutU64(record, s.hash);
            PutU32(record, Decode_Mul::HashLittle(header));
            PutU16(record, s.form.compressed ? 1 : 0);
            std::copy(record.begin(), record.end(), out.begin() + static_cast<std::ptrdiff_t>(records + i * record.size()));
            out.insert(out.end(), header.begin(), header.end());
            out.insert(out.end(), s.stored.begin(), s.stored.end());
        }
        if (first + count < slots_.size()) PutU64At(out, block + 4, out.size());
    }
    return out;
}

Status ArtContainerBuilder::WriteTo(const std::string& folder, const std::string& name) const {
    return WriteWholeFile(folder + name, Bytes());
}

ArtContainerBuilder ContainerOfArt(const ArtFileBuilder& art,
                                   const std::function<ContainerEntryForm(std::int32_t entry)>& formOf,
                                   std::uint32_t entriesPerBlock) {
    ArtContainerBuilder container(entriesPerBlock);
    for (std::int32_t e = 0; e < art.entryCount(); ++e)
        if (const auto image = art.Image(e)) container.Add(e, *image, formOf(e));
    return container;
}

}  // namespace tilewright::sample
