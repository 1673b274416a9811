// Every evaluation term fires in a row of data/evaluation_terms.txt at the
// amount written there, so that a change of any term's amount fails a row.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "com_protocol.h"
#include "com_test_support.h"
#include "computer/evaluation.h"
#include "computer/terms.h"
#include "ports/null_ports.h"

namespace velmora {
namespace {

using testing::amount_of;
using testing::ComGame;
using testing::fired;

struct TermRow {
  int line = 0;
  std::string term, candidate, amount, position;
};

std::vector<TermRow> read_rows() {
  std::ifstream in(std::string(VELMORA_TEST_DATA) + "/evaluation_terms.txt");
  EXPECT_TRUE(in) << "evaluation_terms.txt";
  std::vector<TermRow> rows;
  int number = 0;
  for (std::string text; std::getline(in, text);) {
    ++number;
    if (text.empty() || text[0] == '#') continue;
    std::vector<std::string> fields;
    for (size_t from = 0;;) {
      const size_t bar = text.find(" | ", from);
      fields.push_back(text.substr(from, bar - from));
      if (bar == std::string::npos) break;
      from = bar + 3;
    }
    EXPECT_EQ(fields.size(), 4u) << "line " << number;
    if (fields.size() == 4) rows.push_back({number, fields[0], fields[1], fields[2], fields[3]});
  }
  return rows;
}

std::optional<Term> term_named(const std::string& name) {
  for (int i = 0; i < TERM_COUNT; ++i)
    if (name == term_name(static_cast<Term>(i))) return static_cast<Term>(i);
  return std::nullopt;
}

// The terms of the search's evaluation of the row's candidate with the row's
// code on the destination; nullopt when the search made no such evaluation.
std::optional<EvalTrace> evaluated_terms(const TermRow& row) {
  const Result<AnalysisPosition, LineError> read = parse_position_line(row.position);
  EXPECT_TRUE(read) << "line " << row.line;
  const AnalysisPosition p = read ? *read : AnalysisPosition{};
  int sx = 0, sy = 0, tx = 0, ty = 0, code = 0;
  if (std::sscanf(row.candidate.c_str(), "%d,%d,%d,%d,%d", &sx, &sy, &tx, &ty, &code) != 5) return std::nullopt;
  NullPorts silent;
  Game g(silent.ports());
  set_up_position(g, p);
  SearchTrace trace{{sx, sy}, {tx, ty}, {}};
  com_search(g, &trace);
  for (const SearchTrace::Evaluation& ev : trace.evaluations)
    if (ev.code == code) return ev.terms;
  return std::nullopt;
}

// The computer's king never gains a guard by stepping: it takes its own guard
// of the destination away and frees at most the one line through its old
// square. A test of its own below pins the amount instead.
bool fires_in_no_search(Term term) { return term == Term::KingBetterGuarded; }

TEST(EvaluationTerms, EveryRowFiresItsTermAtItsAmount) {
  const std::vector<TermRow> rows = read_rows();
  ASSERT_FALSE(rows.empty());
  for (const TermRow& row : rows) {
    const std::optional<Term> term = term_named(row.term);
    ASSERT_TRUE(term) << "line " << row.line << ": no term '" << row.term << "'";
    const std::optional<EvalTrace> terms = evaluated_terms(row);
    ASSERT_TRUE(terms) << "line " << row.line << ": " << row.candidate << " is not evaluated";
    EXPECT_TRUE(fired(*terms, *term)) << "line " << row.line << ": " << row.term << " did not fire";
    EXPECT_EQ(format_score(amount_of(*terms, *term)), row.amount) << "line " << row.line << ": " << row.term;
  }
}

TEST(EvaluationTerms, EveryTermHasARowAndAName) {
  std::vector<int> rows_of(TERM_COUNT, 0);
  for (const TermRow& row : read_rows())
    if (const std::optional<Term> term = term_named(row.term)) ++rows_of[static_cast<int>(*term)];
  for (int i = 0; i < TERM_COUNT; ++i) {
    const Term term = static_cast<Term>(i);
    EXPECT_EQ(term_named(term_name(term)), term) << "two terms are named '" << term_name(term) << "'";
    EXPECT_TRUE(rows_of[i] > 0 || fires_in_no_search(term)) << "no row for '" << term_name(term) << "'";
  }
}

// The step 5,2 -> 4,3 scored against a count taken before as if nothing had
// guarded 4,3; the gold on 4,2 guards it now.
TEST(EvaluationTerms, AKingStepToABetterGuardedSquareEarnsATenth) {
  ComGame c({{4, 3, +OU}, {4, 2, +KIN}, {1, 9, -KING}});
  c.g.com.com_move_code = +OU;
  c.g.com.enemy_influence_before = Grid<int>{};
  EvalTrace trace;
  盤評価(c.g.pos, c.g.maps, c.g.com, EMPTY, +OU, 5, 2, 4, 3, &trace);
  EXPECT_EQ(amount_of(trace, Term::KingBetterGuarded), points(1));
}

}  // namespace
}  // namespace velmora
