#include "ui/main/province_panel.h"

#include "core/province.h"
#include "ui/common/twips.h"
#include "ui/windows/rules_text.h"

namespace velmora::ui {

namespace {

QString indexed(const char* name, int index) {
  return QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(index);
}

QLabel* valueLabel(QWidget* parent, const char* name, int number, int left, int top) {
  auto* label = new QLabel(parent);
  label->setObjectName(indexed(name, number));
  label->setGeometry(twRect(left, top, 375, 255));
  setBackground(label, Qt::white);
  return label;
}

}  // namespace

ProvincePanel::ProvincePanel(int number, QWidget* parent) : QFrame(parent), number_(number) {
  setObjectName(indexed("pic", number));
  setFrameStyle(QFrame::Box | QFrame::Plain);
  setLineWidth(1);
  setButtonFace(this);

  lblNum = new ClickableLabel(this);
  lblNum->setObjectName(indexed("lblNum", number));
  lblNum->setGeometry(twRect(120, 120, 240, 240));
  lblNum->setAlignment(Qt::AlignCenter);
  lblKuni = new ClickableLabel(this);
  lblKuni->setObjectName(indexed("lblKuni", number));
  lblKuni->setGeometry(twRect(360, 120, 1440, 240));
  lblRyoshu = new QLabel(this);
  lblRyoshu->setObjectName(indexed("lblRyoshu", number));
  lblRyoshu->setGeometry(twRect(120, 360, 1695, 255));
  setBackground(lblRyoshu, kMessageColour);

  lblKokuryoku = valueLabel(this, "lblKokuryoku", number, 600, 600);
  lblKin = valueLabel(this, "lblKin", number, 1440, 600);
  lblmachi = valueLabel(this, "lblmachi", number, 600, 840);
  lblHei = valueLabel(this, "lblHei", number, 1440, 840);
  lblSiro = valueLabel(this, "lblSiro", number, 600, 1080);
  lblBusou = valueLabel(this, "lblBusou", number, 1440, 1080);
  lblKome = valueLabel(this, "lblKome", number, 600, 1320);
  lblMindo = valueLabel(this, "lblMindo", number, 1440, 1320);

  // The caption array's order within a province, and where each caption stands.
  struct Caption {
    const char* text;
    int left;
    int top;
  };
  const Caption kCaptions[8] = {{"国力", 120, 600},  {"城", 120, 1080},  {"兵", 960, 840},
                                {"金", 960, 600},    {"町", 120, 840},   {"食料", 120, 1320},
                                {"武装", 960, 1080}, {"民度", 960, 1320}};
  for (int i = 0; i < 8; ++i) {
    auto* caption = new QLabel(QString::fromUtf8(kCaptions[i].text), this);
    caption->setObjectName(indexed("lbl", 8 * number + i));
    caption->setGeometry(twRect(kCaptions[i].left, kCaptions[i].top, 495, 240));
    captions[i] = caption;
  }
  // Values come after their captions so that a wide caption never covers a figure.
  for (QLabel* v : {lblKokuryoku, lblKin, lblmachi, lblHei, lblSiro, lblBusou, lblKome, lblMindo})
    v->raise();
  // Each value and its caption say what the value does and how it is raised.
  const std::array<QLabel*, 8> figures = figuresByCaption();
  for (size_t i = 0; i < figures.size(); ++i) {
    const QString rules = provinceValueRules(captions[i]->text());
    describe(captions[i], rules);
    describe(figures[i], rules);
  }
  describe(lblNum, provinceHeadingRules());
  describe(lblKuni, provinceHeadingRules());
  describe(lblRyoshu, provinceLordRules());

  const PanelPlace place = kPanelPlaces[number];
  move(tw(place.left), tw(place.top));
  setHeightTwips(kClosedHeight);

  connect(lblNum, &ClickableLabel::clicked, this, &ProvincePanel::toggle);
  connect(lblKuni, &ClickableLabel::clicked, this, &ProvincePanel::toggle);
}

void ProvincePanel::redraw(const Province& p, bool highlighted) {
  for (QLabel* label : {static_cast<QLabel*>(lblNum), static_cast<QLabel*>(lblKuni)}) {
    if (highlighted) {
      setBackground(label, kPlayerColour);
    } else {
      setButtonFace(label);
    }
  }
  lblNum->setText(QString::number(p.number));
  lblKuni->setText(qs(p.name));
  lblRyoshu->setText(qs(p.lord));
  // Each figure is read with its caption, and the panel as a whole with all of them, also
  // while it is closed.
  const std::array<QLabel*, 8> figures = figuresByCaption();
  const std::array<int, 8> values{p.power, p.castle, p.troops, p.gold,
                                  p.town,  p.food,   p.arms,   p.morale};
  QStringList spoken{QString::number(p.number), qs(p.name), qs(p.lord)};
  for (size_t i = 0; i < figures.size(); ++i) {
    setFigure(figures[i], captions[i]->text(), QString::number(values[i]));
    spoken << figures[i]->accessibleName();
  }
  setAccessibleName(spoken.join(QLatin1Char(' ')));
}

std::array<QLabel*, 8> ProvincePanel::figuresByCaption() const {
  return {lblKokuryoku, lblSiro, lblHei, lblKin, lblmachi, lblKome, lblBusou, lblMindo};
}

void ProvincePanel::toggle() { setHeightTwips(heightTwips_ >= 1000 ? kClosedHeight : kOpenHeight); }

void ProvincePanel::setOpen(bool open) { setHeightTwips(open ? kOpenHeight : kClosedHeight); }

void ProvincePanel::setHeightTwips(int h) {
  heightTwips_ = h;
  resize(tw(kWidth), tw(h));
  // A closed panel shows number, name and lord only, not the top of the first value row.
  const bool open = isOpen();
  for (QLabel* v : {lblKokuryoku, lblKin, lblmachi, lblHei, lblSiro, lblBusou, lblKome, lblMindo})
    v->setVisible(open);
  for (QLabel* c : captions) c->setVisible(open);
}

}  // namespace velmora::ui
