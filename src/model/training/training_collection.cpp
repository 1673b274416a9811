#include "training/training_collection.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <map>
#include <sstream>

#include "engine/squares.h"
#include "notation/move_line.h"

namespace velmora {
namespace {

constexpr std::string_view BOARD_KEY = "board=";

std::int64_t wait_of(int box) { return BOX_WAIT_SECONDS[std::clamp(box, 1, LEITNER_BOXES) - 1]; }

// The fields that tell one position from another: its board, hands and side
// to move, and the answer.
std::string identity(const TrainingPosition& p) {
  return record_line_of(p.setup) + std::to_string(p.setup.side_to_move) + move_field(p.answer);
}

template <class Number>
std::optional<Number> number_of(std::string_view text) {
  Number value{};
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc{} || end != text.data() + text.size()) return std::nullopt;
  return value;
}

std::vector<std::string_view> split(std::string_view text, char separator) {
  std::vector<std::string_view> parts;
  for (std::size_t start = 0;;) {
    const std::size_t end = text.find(separator, start);
    parts.push_back(text.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start));
    if (end == std::string_view::npos) return parts;
    start = end + 1;
  }
}

std::string line_field(const std::vector<SearchMove>& line) {
  std::string text;
  for (const SearchMove m : line) {
    if (!text.empty()) text += ';';
    text += move_field(m);
  }
  return text;
}

const char* mark_field(Mark mark) { return mark == Mark::Blunder ? "??" : "?"; }

std::string entry_line(const TrainingEntry& e) {
  const TrainingPosition& p = e.position;
  char margin[32];
  std::snprintf(margin, sizeof margin, "%.4f", p.margin);
  std::ostringstream out;
  out << "box=" << e.box << " due=" << e.due << " solved=" << e.solved << " missed=" << e.missed
      << " number=" << p.number << " mark=" << mark_field(p.mark) << " army=" << (p.main_army ? "main" : "chess")
      << " lineup=" << (p.nippon ? "nippon" : "kankoku") << " drop=" << (p.drop ? 1 : 0)
      << " side=" << p.setup.side_to_move << " chess=" << p.setup.chess_sign
      << " drops=" << (p.setup.chess_drops ? 1 : 0) << " last=" << p.setup.last.x << ',' << p.setup.last.y << ','
      << p.setup.last_code << " margin=" << margin << " played=" << move_field(p.played)
      << " answer=" << move_field(p.answer) << " line=" << line_field(p.line) << ' ' << BOARD_KEY
      << record_line_of(p.setup) << '\n';
  return out.str();
}

// The fields before the board, by key.
std::map<std::string_view, std::string_view> fields_of(std::string_view text) {
  std::map<std::string_view, std::string_view> fields;
  for (const std::string_view token : split(text, ' ')) {
    const std::size_t equals = token.find('=');
    if (equals != std::string_view::npos) fields[token.substr(0, equals)] = token.substr(equals + 1);
  }
  return fields;
}

// Reads one position line; none when a field is missing or wrong.
std::optional<TrainingEntry> read_entry(std::string_view text) {
  const std::size_t board_at = text.find(BOARD_KEY);
  if (board_at == std::string_view::npos) return std::nullopt;
  const ReadMoveLine board = read_move_line(text.substr(board_at + BOARD_KEY.size()));
  if (!board.well_formed) return std::nullopt;
  auto fields = fields_of(text.substr(0, board_at));
  auto number = [&](const char* key) { return number_of<long long>(fields[key]); };
  const auto box = number("box"), due = number("due"), solved = number("solved"), missed = number("missed"),
             move_number = number("number"), side = number("side"), chess = number("chess"), drops = number("drops");
  const auto margin = number_of<double>(fields["margin"]);
  const auto played = read_move_field(fields["played"]), answer = read_move_field(fields["answer"]);
  const std::vector<std::string_view> last = split(fields["last"], ',');
  if (!box || *box < 1 || *box > LEITNER_BOXES || !due || !solved || !missed || !move_number || !side ||
      (*side != 1 && *side != -1) || !chess || (*chess != 1 && *chess != -1) || !drops || !margin || !played ||
      !answer || answer->is_none() || last.size() != 3)
    return std::nullopt;
  const auto last_x = number_of<int>(last[0]), last_y = number_of<int>(last[1]), last_code = number_of<int>(last[2]);
  if (!last_x || !last_y || !last_code) return std::nullopt;
  TrainingEntry e;
  e.box = static_cast<int>(*box);
  e.due = *due;
  e.solved = static_cast<int>(*solved);
  e.missed = static_cast<int>(*missed);
  TrainingPosition& p = e.position;
  p.setup.board = board.position.board;
  p.setup.hand_own = board.position.hand_own;
  p.setup.hand_enemy = board.position.hand_enemy;
  p.setup.side_to_move = static_cast<int>(*side);
  p.setup.chess_sign = static_cast<int>(*chess);
  p.setup.chess_drops = *drops != 0;
  p.setup.last = Cell{*last_x, *last_y};
  p.setup.last_code = *last_code;
  p.number = static_cast<int>(*move_number);
  p.played = *played;
  p.answer = *answer;
  for (const std::string_view m : split(fields["line"], ';')) {
    const auto move = read_move_field(m);
    if (!move) return std::nullopt;
    p.line.push_back(*move);
  }
  p.margin = *margin;
  p.mark = fields["mark"] == "??" ? Mark::Blunder : Mark::Mistake;
  p.main_army = fields["army"] != "chess";
  p.nippon = fields["lineup"] != "kankoku";
  p.drop = p.answer.is_drop();
  return e;
}

// Orders the due positions: the lowest box, then the one due longest.
bool asked_before(const TrainingEntry& a, const TrainingEntry& b) {
  if (a.box != b.box) return a.box < b.box;
  return a.due < b.due;
}

}  // namespace

bool passes(const TrainingEntry& entry, const TrainingFilter& filter) {
  const TrainingPosition& p = entry.position;
  if (filter.army != TrainingArmy::Both && (filter.army == TrainingArmy::Main) != p.main_army) return false;
  if (filter.drops == TrainingFilter::Drops::Only) return p.drop;
  if (filter.drops == TrainingFilter::Drops::Without) return !p.drop;
  return true;
}

int add_positions(TrainingCollection& collection, const std::vector<TrainingPosition>& positions) {
  int added = 0;
  for (const TrainingPosition& p : positions) {
    const std::string key = identity(p);
    const bool known = std::any_of(collection.entries.begin(), collection.entries.end(),
                                   [&](const TrainingEntry& e) { return identity(e.position) == key; });
    if (known) continue;
    collection.entries.push_back(TrainingEntry{p});
    ++added;
  }
  return added;
}

std::optional<std::size_t> next_due(const TrainingCollection& collection, const TrainingFilter& filter,
                                    std::int64_t now) {
  std::optional<std::size_t> next;
  for (std::size_t i = 0; i < collection.entries.size(); ++i) {
    const TrainingEntry& e = collection.entries[i];
    if (e.due > now || !passes(e, filter)) continue;
    if (!next || asked_before(e, collection.entries[*next])) next = i;
  }
  return next;
}

void record_answer(TrainingEntry& entry, bool solved, std::int64_t now) {
  entry.box = solved ? std::min(entry.box + 1, LEITNER_BOXES) : 1;
  ++(solved ? entry.solved : entry.missed);
  entry.due = now + wait_of(entry.box);
}

TrainingCounts training_counts(const TrainingCollection& collection, const TrainingFilter& filter, std::int64_t now) {
  TrainingCounts counts;
  for (const TrainingEntry& e : collection.entries) {
    if (!passes(e, filter)) continue;
    ++counts.positions;
    counts.solved += e.solved;
    counts.missed += e.missed;
    if (e.due <= now) ++counts.due;
  }
  return counts;
}

std::string format_collection(const TrainingCollection& collection) {
  std::string text = std::string(TRAINING_FORMAT) + " " + std::to_string(TRAINING_VERSION) + "\n";
  for (const TrainingEntry& e : collection.entries) text += entry_line(e);
  return text;
}

Result<TrainingCollection, CollectionError> parse_collection(std::string_view text) {
  const std::vector<std::string_view> lines = split(text, '\n');
  const std::string_view first = lines[0];
  const std::string_view format = first.substr(0, first.find(' '));
  if (format != TRAINING_FORMAT || first.size() <= format.size())
    return Failure{CollectionError{"the first line does not name the training collection"}};
  const auto version = number_of<int>(first.substr(format.size() + 1));
  if (!version || *version < 1 || *version > TRAINING_VERSION)
    return Failure{CollectionError{"a version of the collection this program cannot read"}};
  TrainingCollection collection;
  for (std::size_t i = 1; i < lines.size(); ++i)
    if (const std::optional<TrainingEntry> entry = read_entry(lines[i])) collection.entries.push_back(*entry);
  return collection;
}

std::string record_line_of(const PositionSetup& p) {
  return format_position_move_line(p.board, p.hand_own, p.hand_enemy);
}

std::string move_field(SearchMove m) {
  const int fx = m.is_drop() ? 0 : column_of(m.from()), fy = m.is_drop() ? m.hand_index() : row_of(m.from());
  return std::to_string(fx) + ',' + std::to_string(fy) + ',' + std::to_string(column_of(m.to())) + ',' +
         std::to_string(row_of(m.to())) + ',' + std::to_string(m.code()) + ',' + std::to_string(m.final_code());
}

std::optional<SearchMove> read_move_field(std::string_view text) {
  const std::vector<std::string_view> parts = split(text, ',');
  if (parts.size() != 6) return std::nullopt;
  int v[6];
  for (int i = 0; i < 6; ++i) {
    const auto n = number_of<int>(parts[i]);
    if (!n) return std::nullopt;
    v[i] = *n;
  }
  const auto on_board = [](int x, int y) { return x >= 1 && x <= 9 && y >= 1 && y <= 9; };
  if (!on_board(v[2], v[3]) || !is_piece(v[4]) || !is_piece(v[5])) return std::nullopt;
  if (v[0] == 0) {
    if (v[1] < 1 || v[1] >= HAND_SIZE) return std::nullopt;
    return SearchMove::drop(v[1], square_of(v[2], v[3]), v[4]);
  }
  if (!on_board(v[0], v[1])) return std::nullopt;
  return SearchMove(square_of(v[0], v[1]), square_of(v[2], v[3]), v[4], v[5]);
}

}  // namespace velmora
