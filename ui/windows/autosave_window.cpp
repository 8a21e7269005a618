#include "ui/windows/autosave_window.h"

#include <QDateTime>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "game/autosave.h"
#include "ui/common/widgets_util.h"
#include "ui/windows/window_opening.h"

namespace velmora::ui {

AutosaveWindow::AutosaveWindow(const std::vector<AutosaveEntry>& entries, QWidget* parent)
    : QDialog(parent), list_(new QTreeWidget(this)) {
  setObjectName(QStringLiteral("frmAutosave"));
  setWindowTitle(QString::fromUtf8("オートセーブから再開"));
  list_->setObjectName(QStringLiteral("lstAutosave"));
  list_->setAccessibleName(QString::fromUtf8("オートセーブの一覧"));
  list_->setRootIsDecorated(false);
  list_->setUniformRowHeights(true);
  list_->setSelectionMode(QAbstractItemView::SingleSelection);
  list_->setHeaderLabels({QString::fromUtf8("季節"), QString::fromUtf8("プレイヤー"),
                          QString::fromUtf8("保存した時刻")});
  for (const AutosaveEntry& e : entries) {
    const QString written = QDateTime::fromSecsSinceEpoch(static_cast<qint64>(e.written))
                                .toString(QStringLiteral("yyyy/MM/dd HH:mm:ss"));
    auto* item = new QTreeWidgetItem(list_, {qs(e.caption), qs(e.player), written});
    item->setData(0, Qt::AccessibleTextRole,
                  qs(e.caption) + QLatin1Char(' ') + qs(e.player) + QLatin1Char(' ') + written);
    files_.push_back(e.file);
  }
  for (int c = 0; c < 3; ++c) {
    list_->resizeColumnToContents(c);
    list_->setColumnWidth(c, list_->columnWidth(c) + 12);  // room between the columns
  }
  if (list_->topLevelItemCount() > 0) list_->setCurrentItem(list_->topLevelItem(0));
  // Enter reaches OK, the default button; a double click takes its line at once.
  connect(list_, &QTreeWidget::itemDoubleClicked, this, [this] { accept(); });

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  QPushButton* ok = buttons->button(QDialogButtonBox::Ok);
  ok->setObjectName(QStringLiteral("cmdOkAutosave"));
  ok->setDefault(true);
  buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("cmdCancelAutosave"));
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(list_);
  layout->addWidget(buttons);
  const int width = list_->header()->length() + 40;
  resize(qMax(width, 360), 320);
  list_->setFocus();
}

std::optional<std::filesystem::path> AutosaveWindow::chosen() const {
  const int row = list_->indexOfTopLevelItem(list_->currentItem());
  if (result() != QDialog::Accepted || row < 0 || row >= static_cast<int>(files_.size())) {
    return std::nullopt;
  }
  return files_[static_cast<std::size_t>(row)];
}

std::optional<std::filesystem::path> AutosaveWindow::choose(
    const std::vector<AutosaveEntry>& entries, QWidget* parent) {
  AutosaveWindow window(entries, parent);
  openModal(window);
  return window.chosen();
}

}  // namespace velmora::ui
