// The checks every table of edits gets, whatever its format: each row names
// its kind and the id of a record the file holds, no record twice, and each
// cell fits its column. Refusals name the input file, line and field.
#pragma once

#include <array>
#include <functional>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "error.h"
#include "tileedit.h"

namespace tilewright {

class EditCollector {
public:
    // `exact`: the table restores records (see EditReading::exact).
    EditCollector(std::string inputName, const TileDataFile& file, bool exact = false);

    int flagBits() const { return flagBits_; }
    bool exact() const { return exact_; }
    // "edits.csv:14:7: " and "edits.csv:14: ", to start a message with.
    std::string At(std::uint32_t line, std::uint32_t field) const;
    std::string At(std::uint32_t line) const;

    void BeginRow(std::uint32_t line);
    // An empty cell of the name column makes the name empty; any other
    // empty cell keeps the file's value.
    void AddCell(int column, std::string_view text, std::uint32_t line, std::uint32_t field);
    // Checks the row and keeps its edit; the first refusal is returned.
    Status EndRow();

    std::vector<TileEdit> TakeEdits() { return std::move(edits_); }

private:
    struct Cell {
        int column = 0;
        std::size_t begin = 0;  // the text in rowText_
        std::size_t length = 0;
        std::uint32_t line = 0;
        std::uint32_t field = 0;
    };
    std::string_view Text(const Cell& cell) const { return std::string_view(rowText_).substr(cell.begin, cell.length); }
    const Cell* Find(int column) const;
    Error Refuse(const Cell& cell, const std::string& reason) const;

    std::string inputName_;
    const TileDataFile& file_;
    int flagBits_;
    bool exact_;
    std::uint32_t rowLine_ = 0;
    std::vector<Cell> cells_;  // the row's cells, their texts one after another
    std::string rowText_;
    std::array<std::vector<std::uint32_t>, 2> firstLine_;  // per kind and id: the line of its row, 0 for none yet
    std::vector<TileEdit> edits_;
};

}  // namespace tilewright

namespace tilewright {

// The two formats, each feeding `collector`; the first refusal is returned.
Status ReadCsvEdits(std::string_view text, EditCollector& collector, const std::function<void(std::size_t)>& progress);
Status ReadJsonEdits(std::string_view text, EditCollector& collector);

}  // namespace tilewright
