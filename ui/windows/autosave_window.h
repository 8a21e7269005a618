#pragma once

#include <QDialog>
#include <filesystem>
#include <optional>
#include <vector>

class QTreeWidget;

namespace velmora {
struct AutosaveEntry;
}  // namespace velmora

namespace velmora::ui {

// オートセーブから再開: the autosaves, newest first and the newest chosen, one line each with
// the season, the player's house and when it was written. OK, Enter or a double click takes
// the line chosen; Cancel or Esc takes none.
class AutosaveWindow : public QDialog {
 public:
  AutosaveWindow(const std::vector<AutosaveEntry>& entries, QWidget* parent = nullptr);

  // The file of the line chosen, once the window was accepted.
  std::optional<std::filesystem::path> chosen() const;

  // Opens the window modally; the file chosen, or none.
  static std::optional<std::filesystem::path> choose(const std::vector<AutosaveEntry>& entries,
                                                     QWidget* parent);

 private:
  QTreeWidget* list_;
  std::vector<std::filesystem::path> files_;
};

}  // namespace velmora::ui
