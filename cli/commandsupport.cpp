#include "commandsupport.h"

#include "filereplacement.h"
#include "gamefile.h"
#include "messagetext.h"
#include "tilecompare.h"

namespace tilewright::cli {

Result<TileDataFile> ReadTileData(const std::string& path, UnknownSize unknown, const std::string& layoutId) {
    std::optional<TileDataLayout> given;
    if (const TileDataLayout* named = LayoutById(layoutId)) given = *named;
    auto file = TileDataFile::Read(path, given);
    if (file && !file->layoutKnown() && unknown != UnknownSize::Read) {
        const std::string reason = UnknownSizeReason(file->path(), file->bytes().size());
        return Error{ErrorKind::UnknownLayout,
                     reason + (unknown == UnknownSize::RefuseWrite
                                   ? ". Nothing was written; --layout classic, large or 64bit takes the layout as given."
                                   : ". --layout classic, large or 64bit reads it in the layout given.")};
    }
    return file;
}

void AddLayoutOption(CLI::App& command, std::string& layoutId) {
    command
        .add_option("--layout", layoutId,
                    "Take the file as classic, large or 64bit whatever its size says (needed for a file whose "
                    "size fits no layout)")
        ->check(CLI::IsMember({"classic", "large", "64bit"}));
}

Result<std::string> ReadInputFile(const std::string& path) {
    auto opened = GameFile::OpenForReading("", path);
    RETURN_IF_ERROR(opened);
    std::string text(static_cast<std::size_t>(opened->size()), '\0');
    const std::span<std::uint8_t> buffer(reinterpret_cast<std::uint8_t*>(text.data()), text.size());
    RETURN_IF_ERROR(opened->ReadExactlyAt(0, buffer));
    return text;
}

Result<ColumnValue> ParseColumnValue(std::string_view argument) {
    const std::size_t equals = argument.find('=');
    const auto column = FindColumn(argument.substr(0, equals));
    if (equals == std::string_view::npos || !column || *column == kKindColumn || *column == kIdColumn)
        return Error{ErrorKind::InvalidValue,
                     QuotedValue(argument) + " is not COLUMN=VALUE with a column other than kind and id"};
    return ColumnValue{*column, argument.substr(equals + 1)};
}

int RefuseCell(CommandContext& context, int column, int flagBits, const std::string& message) {
    const bool layout = IsFlagColumn(column) && FlagBitOf(column) >= flagBits;
    return context.Refuse(layout ? kExitFailure : kExitUsage, message);
}

int FinishEdits(CommandContext& context, const TileDataFile& file, std::span<const TileEdit> edits, bool dryRun) {
    const AppliedEdits applied = ApplyTileEdits(file, edits);
    if (dryRun) {
        std::string lines;
        for (std::size_t i = 0; i < applied.before.size(); ++i) AppendDifferences(lines, applied.before[i], applied.after[i]);
        context.out << lines;
        return kExitDone;
    }
    if (Status replaceable = CheckReplaceable(file.path()); !replaceable) return context.Fail(kExitFailure, replaceable.error());
    if (!applied.before.empty())
        if (Status written = ReplaceFileContents(file.path(), applied.bytes); !written)
            return context.Fail(kExitFailure, written.error());
    const std::size_t changed = applied.before.size();
    context.out << changed << (changed == 1 ? " record changed\n" : " records changed\n");
    return kExitDone;
}

Progress::Progress(CommandContext& context, std::string what, Style style)
    : context_(context), what_(std::move(what)), style_(style) {}

Progress::~Progress() {
    if (shown_ >= 0) context_.err << "\r\033[K" << std::flush;
}

void Progress::Show(std::size_t done, std::size_t total) {
    if (!context_.errIsTerminal) return;
    if (style_ == Style::Count) {
        context_.err << '\r' << what_ << ": " << done << " of " << total << " entries" << (done == total ? "\n" : "")
                     << std::flush;
        return;
    }
    if (total == 0) return;
    const int percent = static_cast<int>(done * 100 / total);
    if (percent == shown_) return;
    shown_ = percent;
    context_.err << '\r' << what_ << ' ' << percent << '%' << std::flush;
}

}  // namespace tilewright::cli
