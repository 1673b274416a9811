#include "record/record_files.h"

namespace velmora {

void 描画_可視(Game& g, bool drive, bool folder, bool files) {
  g.ports.dialogs.set_record_lists_visible(drive, folder, files);
}

void 描画_棋譜_IO(Game& g, RecordPanelMode mode) {
  if (mode == RecordPanelMode::Write) {
    g.ports.dialogs.set_record_fields_visible(true);
    return;
  }
  g.ports.dialogs.set_record_fields(RecordFields{});
  g.ports.dialogs.set_record_fields_visible(false);
}

void close_record_panel(Game& g) {
  描画_可視(g, false, false, false);
  描画_棋譜_IO(g, RecordPanelMode::Read);
}

}  // namespace velmora
