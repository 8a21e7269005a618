#include "persistence/save_format.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>

#include "core/game_state.h"
#include "persistence/save_records.h"
#include "persistence/shift_jis.h"

namespace velmora {

namespace {

using save_records::Choices;
using save_records::FieldName;
using save_records::FloatingChoices;
using save_records::kLineCount;

constexpr std::string_view kLineEnd = "\r\n";
constexpr std::string_view kTrue = "#TRUE#";
constexpr std::string_view kFalse = "#FALSE#";

std::string nameOf(const FieldName& f) {
  std::string out = f.group;
  if (f.index > 0) out += std::to_string(f.index);
  if (*f.field != '\0') out += std::string("の") + f.field;
  return out;
}

bool hasForbiddenByte(std::string_view text) {
  return std::any_of(text.begin(), text.end(), [](char c) {
    const auto u = static_cast<unsigned char>(c);
    return c == '"' || u < 0x20 || u == 0x7F;
  });
}

// The shortest text that reads back to the same double, in plain decimal with "." (never an
// exponent, never the locale's comma).
std::string formatFloating(double v) {
  char buf[400];  // the longest fixed form of a double is about 330 characters
  auto r = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::fixed);
  if (r.ec != std::errc()) return "nan";  // not reachable for a finite double; reads back as bad
  return std::string(buf, r.ptr);
}

bool allDigits(std::string_view s) {
  return std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// -?digits, as the writer produces it.
bool looksInteger(std::string_view s) {
  if (!s.empty() && s.front() == '-') s.remove_prefix(1);
  return !s.empty() && allDigits(s);
}

// -?digits[.digits] with digits on at least one side of the point, so that both 0.4 and .4
// are taken.
bool looksDecimal(std::string_view s) {
  if (!s.empty() && s.front() == '-') s.remove_prefix(1);
  const auto dot = s.find('.');
  std::string_view whole = s.substr(0, dot);
  std::string_view fraction =
      dot == std::string_view::npos ? std::string_view() : s.substr(dot + 1);
  return allDigits(whole) && allDigits(fraction) && !(whole.empty() && fraction.empty());
}

bool storable(ShiftJisCodec& codec, const std::string& text) {
  if (hasForbiddenByte(text)) return false;
  std::optional<std::string> encoded = codec.encode(text);
  if (!encoded) return false;
  // Some characters map onto the code of another (〜 onto ～, ¥ onto \): they would come
  // back changed.
  std::optional<std::string> back = codec.decode(*encoded);
  return back && *back == text;
}

class Writer {
 public:
  explicit Writer(ShiftJisCodec& codec) : codec_(codec) {}

  void integer(const std::int32_t& v, FieldName, std::int32_t, std::int32_t) {
    line(std::to_string(v));
  }
  void floating(const double& v, FieldName, FloatingChoices) { line(formatFloating(v)); }
  void flag(const bool& v, FieldName) { line(v ? kTrue : kFalse); }
  void text(const std::string& v, FieldName name, Choices) {
    ++lineNumber_;
    std::optional<std::string> encoded;
    if (storable(codec_, v)) encoded = codec_.encode(v);
    if (!encoded) {
      if (!error_) {
        error_ = SaveFileError{lineNumber_, nameOf(name),
                               "「" + v +
                                   "」にはセーブファイルに書けない文字(\"、改行、"
                                   "Shift_JISにない文字など)があります"};
      }
      encoded = "";
    }
    out_ += '"';
    out_ += *encoded;
    out_ += '"';
    out_ += kLineEnd;
  }

  std::string& bytes() { return out_; }
  const std::optional<SaveFileError>& error() const { return error_; }

 private:
  void line(std::string_view content) {
    ++lineNumber_;
    out_ += content;
    out_ += kLineEnd;
  }

  ShiftJisCodec& codec_;
  std::string out_;
  int lineNumber_ = 0;
  std::optional<SaveFileError> error_;
};

class Reader {
 public:
  Reader(ShiftJisCodec& codec, std::string_view bytes) : codec_(codec), rest_(bytes) {}

  void integer(std::int32_t& v, FieldName name, std::int32_t min, std::int32_t max) {
    std::string_view s;
    if (!next(name, s)) return;
    if (!looksInteger(s)) return fail(name, "整数ではありません");
    std::int32_t value = 0;
    auto r = std::from_chars(s.data(), s.data() + s.size(), value);
    if (r.ec != std::errc() || r.ptr != s.data() + s.size()) {
      return fail(name, "32ビットの整数に収まりません");
    }
    if (value < min || value > max) {
      if (min == max) return fail(name, std::to_string(min) + "でなければなりません");
      return fail(name, std::to_string(value) + "は" + std::to_string(min) + "から" +
                            std::to_string(max) + "の範囲にありません");
    }
    v = value;
  }

  void floating(double& v, FieldName name, FloatingChoices choices) {
    std::string_view s;
    if (!next(name, s)) return;
    double value = 0;
    if (!looksDecimal(s)) return fail(name, "数値ではありません");
    auto r = std::from_chars(s.data(), s.data() + s.size(), value, std::chars_format::fixed);
    if (r.ec != std::errc() || r.ptr != s.data() + s.size() || !std::isfinite(value) ||
        value <= 0) {
      return fail(name, "0より大きい数値でなければなりません");
    }
    if (!choices.empty() && std::find(choices.begin(), choices.end(), value) == choices.end()) {
      std::string allowed;
      for (double c : choices) allowed += (allowed.empty() ? "" : "、") + formatFloating(c);
      return fail(name, allowed + "のどれかでなければなりません");
    }
    v = value;
  }

  void flag(bool& v, FieldName name) {
    std::string_view s;
    if (!next(name, s)) return;
    if (s == kTrue) {
      v = true;
    } else if (s == kFalse) {
      v = false;
    } else {
      fail(name, "#TRUE#か#FALSE#でなければなりません");
    }
  }

  void text(std::string& v, FieldName name, Choices choices) {
    std::string_view s;
    if (!next(name, s)) return;
    if (s.size() < 2 || s.front() != '"' || s.back() != '"') {
      return fail(name, "\"で囲まれた文字列ではありません");
    }
    s = s.substr(1, s.size() - 2);
    if (s.find('"') != std::string_view::npos) return fail(name, "文字列の中に\"があります");
    std::optional<std::string> decoded = codec_.decode(s);
    if (!decoded) return fail(name, "Shift_JISとして読めない文字があります");
    if (!storable(codec_, *decoded)) return fail(name, "セーブファイルに書けない文字があります");
    if (!choices.empty() && std::find(choices.begin(), choices.end(), *decoded) == choices.end()) {
      return fail(name, "「" + *decoded + "」は使える値ではありません");
    }
    v = std::move(*decoded);
  }

  // After the last record: nothing may follow the last line end.
  void finish() {
    if (!error_ && !rest_.empty()) {
      error_ = SaveFileError{kLineCount + 1, "",
                             std::to_string(kLineCount) + "行より後に余分なデータがあります"};
    }
  }

  void failAt(int line, FieldName name, std::string problem) {
    if (!error_) error_ = SaveFileError{line, nameOf(name), std::move(problem)};
  }

  const std::optional<SaveFileError>& error() const { return error_; }

 private:
  // The next line without its CR LF; false (with the error recorded) when there is none.
  bool next(FieldName name, std::string_view& content) {
    if (error_) return false;
    ++lineNumber_;
    if (rest_.empty()) {
      error_ =
          SaveFileError{lineNumber_, nameOf(name),
                        "ファイルが" + std::to_string(lineNumber_ - 1) + "行で終わっています(" +
                            std::to_string(kLineCount) + "行必要です)"};
      return false;
    }
    const auto lf = rest_.find('\n');
    std::string_view line = rest_.substr(0, lf);
    rest_ = lf == std::string_view::npos ? std::string_view() : rest_.substr(lf + 1);
    if (lf == std::string_view::npos || line.empty() || line.back() != '\r' ||
        line.find('\r') != line.size() - 1) {
      fail(name, "行末がCR LFではありません");
      return false;
    }
    content = line.substr(0, line.size() - 1);
    return true;
  }

  void fail(FieldName name, std::string problem) { failAt(lineNumber_, name, std::move(problem)); }

  ShiftJisCodec& codec_;
  std::string_view rest_;
  int lineNumber_ = 0;
  std::optional<SaveFileError> error_;
};

// Checks that need several lines: no two houses and no two provinces share a name (a lord's
// name, or a target picked from a list by name, would then mean either), every lord is a house, and
// the order of play is a permutation of 1..10 (or not drawn yet: all zero before the first turn is
// played).
void checkAcrossLines(const GameState& s, Reader& reader) {
  for (int n = 2; n <= kNationCount; ++n) {
    for (int m = 1; m < n; ++m) {
      if (s.nations[m].name == s.nations[n].name) {
        reader.failAt(save_records::nationLine(n, 1), {"家", n, "名前"},
                      "「" + s.nations[n].name + "」は家" + std::to_string(m) + "と同じ名前です");
        return;
      }
    }
  }
  for (int p = 2; p <= kProvinceCount; ++p) {
    for (int q = 1; q < p; ++q) {
      if (s.provinces[q].name == s.provinces[p].name) {
        reader.failAt(save_records::provinceLine(p, 1), {"国", p, "国名"},
                      "「" + s.provinces[p].name + "」は国" + std::to_string(q) + "と同じ名前です");
        return;
      }
    }
  }
  for (int p = 1; p <= kProvinceCount; ++p) {
    const bool known = std::any_of(s.nations.begin() + 1, s.nations.end(),
                                   [&](const Nation& n) { return n.name == s.provinces[p].lord; });
    if (!known) {
      reader.failAt(save_records::provinceLine(p, 2), {"国", p, "領主"},
                    "「" + s.provinces[p].lord + "」はどの家の名前でもありません");
      return;
    }
  }
  const auto& order = s.playOrder;
  if (std::all_of(order.begin() + 1, order.end(), [](std::int32_t v) { return v == 0; })) return;
  std::array<bool, kProvinceCount + 1> seen{};
  for (int k = 1; k <= kProvinceCount; ++k) {
    const std::int32_t p = order[k];
    if (p < 1 || seen[p]) {
      reader.failAt(save_records::playOrderLine(k), {"手番", k, ""},
                    "手番が1から10の並べ替えになっていません");
      return;
    }
    seen[p] = true;
  }
}

}  // namespace

std::string SaveFileError::describe() const {
  if (line == 0) return problem;
  std::string out = std::to_string(line) + "行目";
  if (!field.empty()) out += "(" + field + ")";
  return out + ": " + problem;
}

bool isStorableText(const std::string& text) {
  ShiftJisCodec codec;
  return storable(codec, text);
}

SaveOutcome<std::string> encodeSaveFile(const GameState& s) {
  ShiftJisCodec codec;
  Writer writer(codec);
  save_records::visit(s, writer);
  if (writer.error()) return {std::nullopt, *writer.error()};
  std::string bytes = std::move(writer.bytes());
  // A value the reader would refuse (a price of 0, an order of play with a gap) must not
  // reach the disk, or the game could write a file it cannot load.
  SaveOutcome<GameState> back = parseSaveFile(bytes);
  if (!back) {
    SaveFileError e = back.error;
    e.problem = "この値はセーブファイルに書けません(" + e.problem + ")";
    return {std::nullopt, e};
  }
  return {std::move(bytes), {}};
}

SaveOutcome<GameState> parseSaveFile(std::string_view bytes) {
  GameState s;
  ShiftJisCodec codec;
  Reader reader(codec, bytes);
  save_records::visit(s, reader);
  reader.finish();
  if (!reader.error()) checkAcrossLines(s, reader);
  if (reader.error()) return {std::nullopt, *reader.error()};
  s.orderPosition = 1;
  // Files are written only at the start of a turn; a false flag (a file made by hand) would
  // otherwise refuse to save or load until a turn had been played.
  s.turnStart = true;
  return {std::move(s), {}};
}

}  // namespace velmora
