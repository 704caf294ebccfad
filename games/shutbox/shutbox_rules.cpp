#include "games/shutbox/shutbox_rules.h"

namespace dakto::shutbox {
namespace {

// The open boxes other than `except`, in ascending order.
std::vector<int> Candidates(const BoxSet& open, int except) {
  std::vector<int> boxes;
  for (int n = 1; n <= 9; ++n) {
    if (open[n] && n != except) boxes.push_back(n);
  }
  return boxes;
}

// Can `count` distinct boxes of `boxes`, from index `from` on, add up to `total`?
bool SumOf(const std::vector<int>& boxes, std::size_t from, int count, int total) {
  if (count == 0) return total == 0;
  for (std::size_t i = from; i < boxes.size(); ++i) {
    if (boxes[i] > total) break;
    if (SumOf(boxes, i + 1, count - 1, total - boxes[i])) return true;
  }
  return false;
}

}  // namespace

bool MakesTotal(const BoxSet& open, int total, int except) {
  const std::vector<int> boxes = Candidates(open, except);
  for (int count = 1; count <= 4; ++count) {
    if (SumOf(boxes, 0, count, total)) return true;
  }
  return false;
}

bool MayShut(const BoxSet& open, int n, int diceTotal, int throwSum) {
  if (n < 1 || n > 9 || !open[n]) return false;
  if (throwSum == diceTotal || n > diceTotal - throwSum) return false;
  const int remainder = diceTotal - throwSum - n;
  return remainder == 0 || MakesTotal(open, remainder, n);
}

std::vector<int> ChooseBoxes(const BoxSet& open, int diceTotal) {
  const std::vector<int> v = Candidates(open, 0);
  const int k = static_cast<int>(v.size());
  if (diceTotal >= 1 && diceTotal <= 9 && open[diceTotal]) return {diceTotal};
  for (int i = k - 1; i >= 1; --i) {
    for (int j = i - 1; j >= 0; --j) {
      if (v[i] + v[j] == diceTotal) return {v[i], v[j]};
    }
  }
  for (int a = k - 1; a >= 2; --a) {
    for (int b = a - 1; b >= 1; --b) {
      for (int c = b - 1; c >= 0; --c) {
        if (v[a] + v[b] + v[c] == diceTotal) return {v[a], v[b], v[c]};
      }
    }
  }
  for (int a = k - 1; a >= 3; --a) {
    for (int b = a - 1; b >= 2; --b) {
      for (int c = b - 1; c >= 1; --c) {
        for (int d = c - 1; d >= 0; --d) {
          if (v[a] + v[b] + v[c] + v[d] == diceTotal) return {v[a], v[b], v[c], v[d]};
        }
      }
    }
  }
  return {};
}

}  // namespace dakto::shutbox
