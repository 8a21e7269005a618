#pragma once

#include <string>

namespace velmora {

// The record of the game the screen keeps: its history of texts and the figures behind them.
class RecordPort {
 public:
  virtual ~RecordPort() = default;

  // A season begins (the port reads which from the game, so that a screen that keeps no
  // record builds nothing); a saved game was loaded (from where), just before it replaces the
  // running one.
  virtual void seasonBegins() = 0;
  virtual void gameLoaded(const std::string& path) = 0;
  // A text for the record alone, shown nowhere else (an autosave failure after the first).
  virtual void addToHistory(const std::string& /*text*/) {}
  // The figures behind the game's lines ("・尾張 兵 10→15 金 32→12"), for the record alone.
  // Only a screen that keeps them says so: elsewhere the game copies no value and builds no
  // text for them.
  virtual bool keepsDetails() const { return false; }
  virtual void addDetail(const std::string& /*text*/) {}
};

}  // namespace velmora
