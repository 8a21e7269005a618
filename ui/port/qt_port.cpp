#include "ui/port/qt_port.h"

#include <QApplication>
#include <QDesktopServices>
#include <QMessageBox>
#include <QPushButton>

#include "core/game_view.h"
#include "ui/app/home_page.h"
#include "ui/common/widgets_util.h"
#include "ui/main/main_window.h"

namespace velmora::ui {

BoxResult showQtMessageBox(QWidget* parent, const MessageBoxRequest& request) {
  QMessageBox box(parent);
  box.setWindowTitle(qs(request.caption));
  box.setText(qs(request.text));
  box.setIcon(request.warning ? QMessageBox::Warning : QMessageBox::NoIcon);
  QPushButton* ok = box.addButton(QMessageBox::Ok);
  QPushButton* cancel = nullptr;
  if (request.buttons == BoxButtons::OkCancel) {
    cancel = box.addButton(QMessageBox::Cancel);
    box.setEscapeButton(cancel);
  } else {
    box.setEscapeButton(ok);
  }
  box.setDefaultButton(request.defaultButton == BoxResult::Cancel && cancel ? cancel : ok);
  box.exec();
  return box.clickedButton() == ok ? BoxResult::Ok : BoxResult::Cancel;
}

QtPort::QtPort()
    : boxHandler_(showQtMessageBox),
      terminateAction_([] {
        for (QWidget* w : QApplication::topLevelWidgets()) w->close();
        QCoreApplication::exit(0);  // leaves nested event loops as well
      }),
      urlOpener_([](const QUrl& url) { return QDesktopServices::openUrl(url); }) {}

void QtPort::attach(MainWindow* form) { form_ = form; }

MainWindow* QtPort::form() const { return form_; }

QWidget* QtPort::boxParent() const {
  if (QWidget* modal = QApplication::activeModalWidget()) return modal;
  if (form_) return form_;
  return QApplication::activeWindow();
}

BoxResult QtPort::ask(const MessageBoxRequest& request) {
  if (terminated_) return BoxResult::Cancel;
  history_.add(request.text);
  return boxHandler_(boxParent(), request);
}

void QtPort::showInfo(const QString& text) {
  MessageBoxRequest box;
  box.text = ss(text);
  ask(box);
}

void QtPort::openHomePage() {
  const QUrl url = homePageUrl();
  if (url.isEmpty()) {
    showInfo(homePageMissingText());
    return;
  }
  // With no browser or launcher the desktop only writes to stderr, which the player never sees.
  if (!urlOpener_(url)) showInfo(homePageFailedText(url));
}

QStringList QtPort::houseNames() const {
  QStringList names;
  if (game_ == nullptr) return names;
  for (int n = 1; n <= kNationCount; ++n) names.append(qs(houseName(*game_, n)));
  return names;
}

void QtPort::terminate() {
  if (terminated_) return;
  terminated_ = true;
  if (form_) {
    form_->setAutoPressTimer(false);
    form_->setLockTimer(false);
  }
  terminateAction_();
}

}  // namespace velmora::ui
