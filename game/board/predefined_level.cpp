#include "game/board/predefined_level.h"
#include "engine/io/text_routines.h"

namespace wispwood {

const char* const kEmptyCellCode = "  ";

int PredefinedLevel::IsEmpty() {
    for (const auto& row : Pieces)
        for (const Text& cell : row)
            if (!TrimText(cell).empty()) return 0;
    return 1;
}

Text PredefinedLevel::GetPiece(int col, int row) {
    if (row < 0 || row >= static_cast<int>(Pieces.size())) return kEmptyCellCode;
    const auto& cells = Pieces[row];
    if (col < 0 || col >= static_cast<int>(cells.size())) return kEmptyCellCode;
    return cells[col];
}

namespace {

bool IsVineCode(const Text& code) {
    return !code.empty() && (code[0] == 'v' || code[0] == 'c');
}

} // namespace

void PrepareVines(PredefinedLevel& level) {
    if (level._Processed) return;
    level._Processed = 1;
    // Neighbours are read from the layout as drawn, so the order in which
    // cells are rewritten does not matter.
    const auto drawn = level.Pieces;
    auto vineAt = [&](int col, int row) {
        if (row < 0 || row >= static_cast<int>(drawn.size())) return false;
        if (col < 0 || col >= static_cast<int>(drawn[row].size())) return false;
        return IsVineCode(drawn[row][col]);
    };
    // Directions k: 0 below, 1 left, 2 above, 3 right.
    static const int dx[4] = {0, -1, 0, 1};
    static const int dy[4] = {1, 0, -1, 0};
    static const char heads[4] = {'d', 'l', 'u', 'r'};
    static const char bends[4] = {'6', '7', '4', '5'};
    for (int row = 0; row < static_cast<int>(drawn.size()); ++row)
        for (int col = 0; col < static_cast<int>(drawn[row].size()); ++col) {
            const Text& code = drawn[row][col];
            if (!IsVineCode(code)) continue;
            bool has[4];
            int count = 0;
            for (int k = 0; k < 4; ++k) count += (has[k] = vineAt(col + dx[k], row + dy[k])) ? 1 : 0;
            Text first(1, code[0]);
            Text result = kEmptyCellCode;
            if (count == 1) {
                for (int k = 0; k < 4; ++k)
                    if (has[k]) result = first + heads[k];
            } else if (count == 4) {
                result = first + "3";
            } else if (count == 2) {
                for (int k = 0; k < 4; ++k)
                    if (has[k] && has[(k + 1) % 4]) result = first + bends[k];
                if (has[0] && has[2]) result = first + "1";
                if (has[1] && has[3]) result = first + "2";
            }
            level.Pieces[row][col] = result;
        }
}

} // namespace wispwood
