#include "core/messages.h"
#include "core/message_port.h"

namespace velmora {

void showBox(Game& g, const std::string& text) {
  MessageBoxRequest box;
  box.text = text;
  g.ui.messages.messageBox(box);
}

bool askOkCancel(Game& g, const std::string& text, BoxResult defaultButton,
                 const std::string& caption) {
  MessageBoxRequest box;
  box.text = text;
  box.buttons = BoxButtons::OkCancel;
  box.defaultButton = defaultButton;
  box.caption = caption;
  return g.ui.messages.messageBox(box) == BoxResult::Ok;
}

}  // namespace velmora
