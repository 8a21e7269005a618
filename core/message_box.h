#pragma once

#include <string>

namespace velmora {

enum class BoxButtons { Ok, OkCancel };
enum class BoxResult { Ok, Cancel };

// A modal message box: its text, its buttons (and which is the default), its icon and caption.
struct MessageBoxRequest {
  std::string text;
  BoxButtons buttons = BoxButtons::Ok;
  BoxResult defaultButton = BoxResult::Ok;
  bool warning = false;
  std::string caption = "Velmora";
};

}  // namespace velmora
