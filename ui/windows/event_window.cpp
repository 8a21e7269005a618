#include "ui/windows/event_window.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "ui/app/app_setup.h"
#include "ui/common/widgets_util.h"

namespace velmora::ui {

EventWindow::EventWindow(const std::vector<std::string>& lines, std::function<void()> onOk,
                         QWidget* parent)
    : QDialog(parent), onOk_(std::move(onOk)) {
  setObjectName(QStringLiteral("frmEvent"));
  setWindowTitle(QString::fromUtf8("イベント"));
  setModal(true);
  useGameFont(this);
  lst = new QListWidget(this);
  lst->setObjectName(QStringLiteral("lst"));
  lst->setAccessibleName(windowTitle());  // the event's lines
  // White with black text, also under a dark desktop theme.
  QPalette white = lst->palette();
  white.setColor(QPalette::Base, Qt::white);
  white.setColor(QPalette::Text, Qt::black);
  lst->setPalette(white);
  for (const auto& line : lines) lst->addItem(qs(line));
  Command1 = new QPushButton(QStringLiteral("OK"), this);
  Command1->setObjectName(QStringLiteral("Command1"));
  Command1->setDefault(true);
  connect(Command1, &QPushButton::clicked, this, &EventWindow::pressOk);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(Command1);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(lst);
  layout->addLayout(buttons);
  resize(420, 300);
  Command1->setFocus();
}

void EventWindow::pressOk() {
  if (closing_) return;
  closing_ = true;
  if (onOk_) onOk_();
  lst->clear();
  accept();
}

void EventWindow::closeEvent(QCloseEvent* e) {
  if (closing_) {
    e->accept();
  } else {
    e->ignore();
  }
}

}  // namespace velmora::ui
