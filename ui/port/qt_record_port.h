#pragma once

#include "core/record_port.h"

namespace velmora::ui {

class QtPort;

// The history the desktop keeps of every text shown, with its headings and details.
class QtRecordPort final : public RecordPort {
 public:
  explicit QtRecordPort(QtPort& port) : port_(port) {}

  void seasonBegins() override;
  void gameLoaded(const std::string& path) override;
  void addToHistory(const std::string& text) override;
  bool keepsDetails() const override { return true; }
  void addDetail(const std::string& text) override;

 private:
  QtPort& port_;
};

}  // namespace velmora::ui
