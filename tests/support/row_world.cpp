#include "tests/support/row_world.h"
#include "game/board/board.h"
#include "game/board/column_stacks.h"
#include "game/board/level_set.h"
#include "game/board/piece.h"

namespace wispwood::test {

Level& SelectTestLevel(int width, int colours, Ref<Level> level) {
    if (!level) level = New<Level>();
    level->_Width = width;
    level->Colors = {colours};
    level->PieceWidth = level->PieceHeight = 48;
    CurrentLevelSet = New<LevelSet>();
    CurrentLevelSet->Levels.push_back(level);
    SelectLevel(0);
    ResetBoardGrid(width, 32);
    ResetColumnStacks(width);
    return *level;
}

Text RowColours(int y) {
    Text line;
    for (int x = 0; x < BoardWidth; ++x) {
        Ref<Piece> p = PieceAt(x, y);
        line += !p ? '.' : p->Normal() ? static_cast<char>('0' + p->Color) : '*';
    }
    return line;
}

} // namespace wispwood::test
