#include "core/messages.h"

namespace velmora {

void showBox(Game& g, const std::string& text) {
  MessageBoxRequest box;
  box.text = text;
  g.ui.messageBox(box);
}

bool askOkCancel(Game& g, const std::string& text, BoxResult defaultButton,
                 const std::string& caption) {
  MessageBoxRequest box;
  box.text = text;
  box.buttons = BoxButtons::OkCancel;
  box.defaultButton = defaultButton;
  box.caption = caption;
  return g.ui.messageBox(box) == BoxResult::Ok;
}

}  // namespace velmora
