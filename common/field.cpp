// The play field and the status band: one complete frame of picture, tiles and
// hover highlight per redraw, and the three status texts with the band of the
// window behind them repainted.
#include "common/app_state.h"
#include "common/board_value.h"
#include "common/common.h"
#include "common/ids.h"
#include "media/media.h"

namespace {

constexpr int StatusBandTop = 495;
constexpr int FieldRight = ids::FieldX + ids::FieldWidth - 1;    // 592
constexpr int FieldBottom = ids::FieldY + ids::FieldHeight - 1;  // 483

void SetFieldText(int control, std::string_view text) {
  if (!text.empty()) media::setControlText(control, text);
}

}  // namespace

bool CellOnBoard(Cell cell) {
  const Board& board = App.GameBoard;
  return cell.column >= 0 && cell.row >= 0 && cell.column < board.columns && cell.row < board.rows;
}

int BoardValueAt(Cell cell) {
  const Board& board = App.GameBoard;
  if (!CellOnBoard(cell) || App.CurrentStep < 0 || App.CurrentStep >= board.steps) return 0;
  return board.at(cell.column, cell.row, App.CurrentStep);
}

int TileSize() { return media::spriteWidth(ids::FirstTileSprite); }

Cell CellUnderPointer() {
  const int t = TileSize();
  const int mx = media::windowMouseX(ids::MainWindow);
  const int my = media::windowMouseY(ids::MainWindow);
  Cell cell{-1, -1};
  if (t > 0 && mx >= ids::FieldX && mx <= FieldRight && my >= ids::FieldY && my <= FieldBottom) {
    cell.column = static_cast<int>(static_cast<double>(mx - ids::FieldX) / t);
    cell.row = static_cast<int>(static_cast<double>(my - ids::FieldY) / t);
  }
  return cell;
}

int RedrawField() {
  const int t = TileSize();
  if (t <= 0) return 0;  // no tiles yet: there is no game to draw
  media::drawSprite(ids::PortraitSprite, 0, 0);
  for (int column = 0; column < ids::FieldWidth / t; ++column)
    for (int row = 0; row < ids::FieldHeight / t; ++row) {
      const int value = BoardValueAt({column, row});
      if (value != 0) media::drawSprite(value, column * t, row * t);
    }
  // The mouse lights tiles only; the arrow keys light a cleared cell too.
  if (BoardValueAt(App.HoverCell) != 0 || (App.HoverFromKeys && CellOnBoard(App.HoverCell)))
    media::drawSpriteBlended(ids::HoverSprite, App.HoverCell.column * t, App.HoverCell.row * t);
  media::present();
  return 0;
}

void DrawPauseCover() {
  media::drawSprite(ids::PauseCoverSprite, 0, 0);
  media::present();
}

void UpdateStatus(std::string_view steps, std::string_view tiles, std::string_view time) {
  SetFieldText(ids::StepsField, steps);
  SetFieldText(ids::TilesField, tiles);
  SetFieldText(ids::TimeField, time);
  const int width = media::windowWidth(ids::MainWindow);
  const int height = media::windowHeight(ids::MainWindow);
  media::invalidateWindow(ids::MainWindow, 0, StatusBandTop, width, height - StatusBandTop, 1);
}
