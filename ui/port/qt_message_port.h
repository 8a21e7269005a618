#pragma once

#include "core/message_port.h"

namespace velmora::ui {

class QtPort;

// The message lines of the main window, held as the game asks, and the game's boxes.
class QtMessagePort final : public MessagePort {
 public:
  explicit QtMessagePort(QtPort& port) : port_(port) {}

  void showLine1(const std::string& text, double holdSeconds) override;
  void showLine2(const std::string& text, double holdSeconds) override;
  void showLine3(const std::string& text, double holdSeconds) override;
  BoxResult messageBox(const MessageBoxRequest& request) override;

 private:
  void line(int n, const std::string& text, double holdSeconds);

  QtPort& port_;
};

}  // namespace velmora::ui
