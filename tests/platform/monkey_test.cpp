// A monkey in the real window: a seeded, bounded stream of random clicks with
// every mouse button, menu choices, keys and record-panel actions, with every
// box and dialog answered at random. No action may keep the window busy for
// long, and the settings file and the saved records stay well-formed. When
// the monkey ends the program, the window opens again on the same folder.
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <array>
#include <fstream>
#include <iterator>
#include <random>

#include "fakes/file_shapes.h"
#include "platform/about_box.h"
#include "platform/promotion_dialog.h"
#include "rules/move_check.h"
#include "rules/position_check.h"
#include "window_fixture.h"

namespace velmora::platform::testing {
namespace {

constexpr int STEPS_PER_SEED = 150;
constexpr qint64 LONGEST_STEP_MS = 15000;  // a computer's turn with its animations takes well under this
const QString FILE_NAMES[] = {QStringLiteral("猿"), QStringLiteral("monkey"), QString()};

std::string read_file(const QString& path) {
  std::ifstream in(path.toStdString(), std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class MonkeyTest : public WindowTest, public ::testing::WithParamInterface<unsigned> {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    answerer->on_dialog = [this](QWidget* modal) { answer_dialog(modal); };
    stop_browser();
  }

  int pick(int count) { return std::uniform_int_distribution<int>(0, count - 1)(rng_); }

  void step() {
    answerer->yes_answers.push_back(pick(8) != 0);  // "No" now and then ends a match or the program
    const int roll = pick(10);
    if (roll < 2)
      click_somewhere();
    else if (roll < 4)
      play_a_move();
    else if (roll < 7)
      choose_somewhere();
    else if (roll == 7)
      press_a_key();
    else if (roll == 8)
      use_the_record_panel();
    else
      QTest::qWait(pick(150));  // Timer1 ticks meanwhile
  }

  // The program ended: a new window on the same folder, as the next start.
  void reopen_if_ended() {
    if (!game->program_ended) return;
    desktop = std::make_unique<DesktopGame>(folder.path(), display());
    game = &desktop->game();
    window = &desktop->window();
    desktop->open();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
    stop_browser();
  }

  void check_files_and_position() {
    const QString settings = folder.filePath(QStringLiteral("Velmora.ini"));
    if (const auto fault = velmora::testing::settings_file_fault(read_file(settings)))
      FAIL() << "Velmora.ini: " << *fault;
    for (const QString& name : QDir(folder.path()).entryList({QStringLiteral("*.棋譜")}, QDir::Files)) {
      if (const auto fault = velmora::testing::record_file_fault(read_file(folder.filePath(name))))
        FAIL() << name.toStdString() << ": " << *fault;
    }
    if (const PositionCheck checked = game->pos.check(); !checked) FAIL() << "position: " << checked.error().what;
  }

  std::mt19937 rng_{GetParam()};

 private:
  // The About box's home page stays closed: no browser starts in a test.
  void stop_browser() {
    desktop->dialogs().set_home_page_handler([] {});
  }

  void click_somewhere() {
    static const Qt::MouseButton buttons[] = {Qt::LeftButton, Qt::LeftButton, Qt::RightButton, Qt::MiddleButton};
    const Qt::MouseButton button = buttons[pick(4)];
    if (pick(4) == 0) {
      const QSize size = window->canvas().size();
      QTest::mouseClick(&window->canvas(), button, Qt::NoModifier, QPoint(pick(size.width()), pick(size.height())));
      return;
    }
    click_cell(pick(23) - 6, pick(11), button);  // the board, the hands and around them
  }

  // A move the rules allow the side to move, clicked as a person clicks it:
  // the piece, then its square, with the left or the right button. Without
  // a match, one is started.
  void play_a_move() {
    const int side = game->pos.turn == game->pos.chess_sign ? -1 : +1;
    std::vector<std::array<int, 4>> moves;
    for (int x = 1; x <= BOARD_SIZE; ++x)
      for (int y = 1; y <= BOARD_SIZE; ++y) {
        const int code = game->pos.board.at(x, y);
        if (sign_of(code) != side) continue;
        for (int tx = 1; tx <= BOARD_SIZE; ++tx)
          for (int ty = 1; ty <= BOARD_SIZE; ++ty)
            if (移動チェック(game->pos, {x, y}, {tx, ty}, code) == 1) moves.push_back({x, y, tx, ty});
      }
    if (game->pos.turn == 0 || moves.empty()) return choose(pick(2) == 0 ? MenuItem::MATCH_MAN : MenuItem::START2);
    const auto [x, y, tx, ty] = moves[pick(static_cast<int>(moves.size()))];
    const Qt::MouseButton button = pick(3) == 0 ? Qt::RightButton : Qt::LeftButton;
    click_cell(x, y, button);
    click_cell(tx, ty, button);
  }

  void choose_somewhere() {
    const std::span<const MenuEntry> entries = menu_entries();
    const MenuEntry& entry = entries[pick(static_cast<int>(entries.size()))];
    QAction* action = window->action(entry.item);
    if (QMenu* menu = action->menu()) {
      menu->popup(window->mapToGlobal(QPoint(0, 0)));  // opening a menu is an event of its own
      menu->close();
      return;
    }
    action->trigger();
  }

  void press_a_key() {
    static const Qt::Key keys[] = {Qt::Key_Escape, Qt::Key_Return, Qt::Key_Space, Qt::Key_Left,
                                   Qt::Key_Tab,    Qt::Key_A,      Qt::Key_F1,    Qt::Key_Delete};
    QWidget* target = pick(2) == 0 ? static_cast<QWidget*>(&window->canvas()) : window;
    QTest::keyClick(target, keys[pick(10) == 0 ? 0 : 1 + pick(7)]);  // Esc, which ends the program, now and then
  }

  void use_the_record_panel() {
    RecordPanel& panel = window->record_panel();
    if (panel.return_button()->isVisibleTo(window) && pick(2) == 0) {
      panel.text_field(1)->setText(FILE_NAMES[pick(3)]);
      panel.text_field(2)->setText(QStringLiteral("猿の対局"));
      QTest::mouseClick(panel.return_button(), Qt::LeftButton);
    } else if (panel.file_list()->isVisibleTo(window) && panel.file_list()->count() > 0) {
      QListWidgetItem* item = panel.file_list()->item(pick(panel.file_list()->count()));
      QTest::mouseClick(panel.file_list()->viewport(), Qt::LeftButton, Qt::NoModifier,
                        panel.file_list()->visualItemRect(item).center());
    } else {
      choose(pick(2) == 0 ? MenuItem::KIFU_READ : MenuItem::KIFU_WRITE);
    }
  }

  // A promotion dialog gets a random piece or is closed; the About box is
  // closed by either of its buttons.
  void answer_dialog(QWidget* modal) {
    if (auto* about = qobject_cast<AboutBox*>(modal)) {
      (pick(2) == 0 ? about->ok_button() : about->home_page_button())->click();
    } else if (auto* promotion = qobject_cast<PromotionDialog*>(modal); promotion && pick(5) != 0) {
      static const int kinds[] = {PORN, ROOK, KNIG, BISH, QEEN, KING};
      QTest::mouseClick(promotion->button_of(kinds[pick(6)]), Qt::LeftButton);
    } else {
      modal->close();
    }
  }
};

TEST_P(MonkeyTest, NoActionBlocksAndTheFilesStayWellFormed) {
  // A step still running after LONGEST_STEP_MS fails, and the box it waits in is closed.
  QTimer watchdog;
  watchdog.setSingleShot(true);
  QObject::connect(&watchdog, &QTimer::timeout, [] {
    ADD_FAILURE() << "the window was busy for " << LONGEST_STEP_MS << " ms";
    if (QWidget* modal = QApplication::activeModalWidget()) modal->close();
  });
  for (int n = 0; n < STEPS_PER_SEED; ++n) {
    watchdog.start(LONGEST_STEP_MS);
    step();
    watchdog.stop();
    check_files_and_position();
    if (HasFailure()) FAIL() << "at step " << n << " of seed " << GetParam();
    reopen_if_ended();
  }
}

INSTANTIATE_TEST_SUITE_P(Seeds, MonkeyTest, ::testing::Values(1u, 2u, 3u));

}  // namespace
}  // namespace velmora::platform::testing
