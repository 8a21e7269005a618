// Course probe for scripts/benchmark: the chart 勢力推移 open beside a long game. A game's course
// is fed season by season as the desktop tests feed it (the state's season moved on, then
// recordSeasonStart), here with a province changing hands every few seasons. Prints, at the
// given number of seasons, what one season more costs the open chart with its repaint, both by
// appending it and by drawing the whole course again, and the memory the open chart takes.
//   velmora_course_probe [SEASONS]
#include <QApplication>
#include <QLabel>
#include <QTest>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "core/course.h"
#include "core/game.h"
#include "core/quiet_port.h"
#include "core/random.h"
#include "core/scenario.h"
#include "ui/app/app_setup.h"
#include "ui/windows/course_window.h"

namespace {

// Resident memory in KiB, from /proc.
long residentKiB() {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line)) {
    if (line.rfind("VmRSS:", 0) == 0) return std::atol(line.c_str() + 6);
  }
  return 0;
}

void nextSeason(velmora::Game& g, velmora::SeededRandom& rng) {
  velmora::GameState& s = g.state;
  if (s.season == 4) {
    s.season = 1;
    s.year += 1;
  } else {
    s.season += 1;
  }
  // Now and then a province goes to a neighbour's house.
  if (rng.next() < 0.3) {
    const int p = 1 + static_cast<int>(rng.next() * 10);
    const int q = 1 + static_cast<int>(rng.next() * 10);
    s.provinces[p].lord = s.provinces[q].lord;
  }
  velmora::recordSeasonStart(g);
}

double medianMs(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v[v.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  velmora::ui::setUpApplication(app);
  const int seasons = argc > 1 ? std::max(2, std::atoi(argv[1])) : 800;
  velmora::QuietPort port;
  velmora::SeededRandom rng(1);
  velmora::Game g(port, rng);
  velmora::newGame(g);
  while (static_cast<int>(g.course.size()) < seasons) nextSeason(g, rng);

  QStringList names;
  for (int n = 1; n <= 10; ++n) names << QString::fromStdString(g.state.nations[n].name);
  // The game's window has drawn its Japanese text before anyone opens the chart: the font's
  // pages are in memory already and are not the chart's.
  QLabel warmUp(names.join(QLatin1Char(' ')) + QString::fromUtf8(" 勢力推移 年 国数 0123456789"));
  warmUp.show();
  if (!QTest::qWaitForWindowExposed(&warmUp)) return 1;
  warmUp.repaint();
  const long before = residentKiB();
  velmora::ui::CourseWindow window(names, g.course);
  window.show();
  if (!QTest::qWaitForWindowExposed(&window)) return 1;
  window.repaint();
  QApplication::processEvents();
  const long open = residentKiB();

  using Clock = std::chrono::steady_clock;
  const auto timed = [&](auto&& update) {
    std::vector<double> ms;
    for (int i = 0; i < 15; ++i) {
      nextSeason(g, rng);
      const auto t0 = Clock::now();
      update();
      window.repaint();
      ms.push_back(std::chrono::duration<double, std::milli>(Clock::now() - t0).count());
    }
    return medianMs(ms);
  };
  const double appended = timed([&] { window.followCourse(names, g.course); });
  const double redrawn = timed([&] { window.setCourse(names, g.course); });
  std::printf("course chart at %d seasons: one season more %.1f ms appended, %.1f ms drawn anew\n",
              seasons, appended, redrawn);
  std::printf("course chart at %d seasons: the open chart takes %.1f MiB\n", seasons,
              (open - before) / 1024.0);
  return 0;
}
