#include "ui/windows/nation_window.h"

#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QPainter>
#include <QStyledItemDelegate>

#include "core/game.h"
#include "ui/app/app_setup.h"
#include "ui/common/twips.h"
#include "ui/common/widgets_util.h"
#include "ui/windows/nation_lines.h"

namespace {

using velmora::ui::twRect;

// Half-width blanks and full-width characters must be exactly one and two cells wide for the
// columns of the list to line up.
QFont listFont() {
  QFont font(QStringLiteral("Noto Sans Mono CJK JP"));
  font.setStyleHint(QFont::Monospace);
  font.setPixelSize(10);  // the longest line, 107 cells, fits the list's width
  return font;
}

// The lines carry one tab each: the heading has it after the 2-character "国名", a house line
// after its name padded to 28 cells, so a stop every 7 cells lines both up.
constexpr int kTabStopCells = velmora::ui::kNationTabStopCells;

class TabStopDelegate : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;

  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override {
    QStyleOptionViewItem item = option;
    initStyleOption(&item, index);
    const QString text = item.text;
    item.text.clear();
    const QWidget* widget = item.widget;
    QStyle* style = widget ? widget->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &item, painter, widget);

    const QRect area = style->subElementRect(QStyle::SE_ItemViewItemText, &item, widget);
    QTextOption layout(Qt::AlignLeft | Qt::AlignVCenter);
    layout.setWrapMode(QTextOption::NoWrap);
    layout.setTabStopDistance(kTabStopCells * QFontMetricsF(item.font).horizontalAdvance(' '));
    painter->save();
    painter->setFont(item.font);
    painter->setPen(item.palette.color(
        item.state & QStyle::State_Selected ? QPalette::HighlightedText : QPalette::Text));
    painter->drawText(area, text, layout);
    painter->restore();
  }
};

// The heading line: its words stand over their columns of the house lines (see
// nationHeadingPlacement); the item's text is the heading as it is.
class HeadingDelegate : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;

  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override {
    QStyleOptionViewItem item = option;
    initStyleOption(&item, index);
    item.text.clear();
    const QWidget* widget = item.widget;
    QStyle* style = widget ? widget->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &item, painter, widget);

    const QRect area = style->subElementRect(QStyle::SE_ItemViewItemText, &item, widget);
    const qreal cell = QFontMetricsF(item.font).horizontalAdvance(' ');
    painter->save();
    painter->setFont(item.font);
    painter->setPen(item.palette.color(QPalette::Text));
    for (const velmora::ui::HeadingWord& word : velmora::ui::nationHeadingPlacement()) {
      const QRectF at(area.left() + word.cell * cell, area.top(), area.width(), area.height());
      painter->drawText(at, Qt::AlignLeft | Qt::AlignVCenter, QString::fromStdString(word.text));
    }
    painter->restore();
  }
};

QLabel* label(QWidget* parent, const char* name, const QString& text, const QRect& where,
              const QColor& background = QColor()) {
  auto* l = new QLabel(text, parent);
  l->setObjectName(QString::fromLatin1(name));
  l->setGeometry(where);
  if (background.isValid()) velmora::ui::setBackgroundWithBlackText(l, background);
  return l;
}

struct LegendEntry {
  const char* term;
  const char* explanation;
  int top;
};

// An explanation may wrap, up to the next column (the last one, up to the edge) and the next
// term below it.
void addLegendColumn(QWidget* parent, int left, int right, const char* heading,
                     const QColor& colour, std::initializer_list<LegendEntry> entries) {
  const QColor cyan(0, 255, 255);
  label(parent, "lblLegendHead", QString::fromUtf8(heading), twRect(left, 5160, 450, 255), cyan);
  for (auto e = entries.begin(); e != entries.end(); ++e) {
    label(parent, "lblLegendTerm", QString::fromUtf8(e->term), twRect(left, e->top, 450, 255),
          colour);
    const int bottom = std::next(e) != entries.end() ? std::next(e)->top : 7275;
    QLabel* text = label(parent, "lblLegendText", QString::fromUtf8(e->explanation),
                         twRect(left + 480, e->top, right - (left + 480), bottom - e->top));
    text->setWordWrap(true);
    text->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  }
}

}  // namespace

namespace velmora::ui {

NationWindow::NationWindow(velmora::Game& g, std::function<void(int)> scrollToProvince,
                           QWidget* parent)
    : QDialog(parent), game_(g), scrollToProvince_(std::move(scrollToProvince)) {
  setObjectName(QStringLiteral("frmNation"));
  setWindowTitle(QString::fromUtf8("国家情報"));
  velmora::ui::useGameFont(this);

  auto* menu = new QMenuBar(this);
  QAction* close = menu->addAction(QString::fromUtf8("閉じる(&C)"));
  close->setObjectName(QStringLiteral("mnuNationClose"));
  connect(close, &QAction::triggered, this, &QDialog::close);

  QWidget* client = fixedClientBelowMenu(this, menu, 8775, 7275);

  QLabel* title =
      label(client, "lblTitle", QString::fromUtf8("過去の戦闘データ"), twRect(4080, 0, 3135, 255));

  auto* delegate = new TabStopDelegate(this);
  heading_ = new QListWidget(client);
  heading_->setObjectName(QStringLiteral("LL"));
  // One fixed line: a list only so that it is drawn like the list below it.
  heading_->setGeometry(twRect(240, 240, 8415, 240).adjusted(0, 0, 0, 4));
  heading_->setFocusPolicy(Qt::NoFocus);
  heading_->setSelectionMode(QAbstractItemView::NoSelection);
  heading_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  heading_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

  houses_ = new QListWidget(client);
  houses_->setObjectName(QStringLiteral("lstName"));
  houses_->setGeometry(twRect(240, 600, 8415, 4560));
  houses_->setSelectionMode(QAbstractItemView::SingleSelection);
  QPalette white = houses_->palette();
  white.setColor(QPalette::Base, Qt::white);
  white.setColor(QPalette::Text, Qt::black);
  houses_->setPalette(white);
  // Screen readers name the list of houses by the title above it, the heading by its line.
  houses_->setAccessibleName(title->text());
  heading_->setAccessibleName(QString::fromStdString(nationHeadingLine()));

  for (QListWidget* list : {heading_, houses_}) list->setFont(listFont());
  houses_->setItemDelegate(delegate);
  heading_->setItemDelegate(new HeadingDelegate(this));

  addLegendColumn(client, 240, 2160, "政治", QColor(192, 192, 255),
                  {{"普通", "普通です", 5520},
                   {"戦争", "戦争が多いです", 5880},
                   {"内政", "富国政策中心", 6240}});
  addLegendColumn(client, 2160, 4200, "戦争", QColor(255, 255, 192),
                  {{"普通", "普通です", 5520},
                   {"猛進", "主に得意な戦闘", 5880},
                   {"慎重", "相手の過去データを読みます", 6240}});
  addLegendColumn(client, 4200, 8775, "戦闘", QColor(255, 192, 192),
                  {{"通常", "普通です", 5520},
                   {"突撃", "破壊力", 5880},
                   {"包囲", "敵の士気が低下しやすいが自軍兵力が1/2に", 6240},
                   {"射撃", "特に突撃に対して強い", 6600},
                   {"防御", "守るに適してる", 6960}});

  fillLists();
  // A click or a keyboard move both choose; the list's own focus cursor does not.
  connect(houses_, &QListWidget::itemSelectionChanged, this, &NationWindow::houseChosen);
  // No line is current either, so that the first Down chooses the first house.
  houses_->setCurrentIndex(QModelIndex());
  houses_->setFocus();
}

void NationWindow::fillLists() {
  heading_->addItem(QString::fromStdString(nationHeadingLine()));
  for (int i = 1; i <= velmora::kNationCount; ++i) {
    const velmora::Nation& nation = game_.state.nations[i];
    houses_->addItem(QString::fromStdString(nationLine(nation)));
    houseNames_.append(QString::fromStdString(nation.name));
  }
}

void NationWindow::houseChosen() {
  // The selection, not the focus cursor: the cursor moves only after the selection signal.
  const QList<QListWidgetItem*> selected = houses_->selectedItems();
  if (selected.isEmpty()) return;
  const int row = houses_->row(selected.first());
  if (row < 0 || row >= houseNames_.size()) return;
  // The name is kept per line rather than cut back out of the text, which would fail for a
  // name without padding or with a blank in it.
  const std::string house = houseNames_[row].toStdString();
  for (int p = 1; p <= velmora::kProvinceCount; ++p) {
    if (game_.state.provinces[p].lord == house && scrollToProvince_) scrollToProvince_(p);
  }
  close();
}

}  // namespace velmora::ui
