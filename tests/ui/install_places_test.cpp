// Where the installed game finds its save file and its page.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>

#include "ui/app/home_page.h"
#include "ui/app/save_location.h"

namespace velmora::ui {
namespace {

namespace fs = std::filesystem;

TEST(SaveLocation, BesideAMarkedProgramElseInThePlayersDataFolder) {
  const fs::path program = "/usr/games";
  const char* account = "/home/acct";
  // A marked program folder wins over everything else.
  EXPECT_EQ(chooseSaveDirectory(program, true, "/x/data", "/home/p", account), program);
  // Otherwise XDG_DATA_HOME, then HOME's default data folder.
  EXPECT_EQ(chooseSaveDirectory(program, false, "/x/data", "/home/p", account), "/x/data/velmora");
  EXPECT_EQ(chooseSaveDirectory(program, false, nullptr, "/home/p", account),
            "/home/p/.local/share/velmora");
  // Empty or relative values are ignored, as the XDG rules ask.
  EXPECT_EQ(chooseSaveDirectory(program, false, "", "/home/p", account),
            "/home/p/.local/share/velmora");
  EXPECT_EQ(chooseSaveDirectory(program, false, "data", "/home/p", account),
            "/home/p/.local/share/velmora");
  // Without a usable HOME (env -i), the account's home; never the program's folder, where
  // root could write a save that the package's removal leaves behind.
  EXPECT_EQ(chooseSaveDirectory(program, false, nullptr, nullptr, account),
            "/home/acct/.local/share/velmora");
  EXPECT_EQ(chooseSaveDirectory(program, false, "", "home", account),
            "/home/acct/.local/share/velmora");
  EXPECT_EQ(chooseSaveDirectory(program, false, nullptr, nullptr, nullptr), fs::path());
  EXPECT_EQ(chooseSaveDirectory(program, false, nullptr, "", "relative"), fs::path());
}

// Sets an environment variable for one scope and puts the old value back.
class ScopedEnv {
 public:
  ScopedEnv(const char* name, const std::string& value) : name_(name) {
    if (const char* old = std::getenv(name)) old_ = old;
    setenv(name, value.c_str(), 1);
  }
  ~ScopedEnv() {
    if (old_) {
      setenv(name_, old_->c_str(), 1);
    } else {
      unsetenv(name_);
    }
  }

 private:
  const char* name_;
  std::optional<std::string> old_;
};

TEST(SaveLocation, OnlyTheMarkerKeepsTheSaveBesideTheProgram) {
  QTemporaryDir tmp;
  ASSERT_TRUE(tmp.isValid());
  const fs::path root = tmp.path().toStdString();
  const fs::path program = root / "bin";
  fs::create_directory(program);
  const ScopedEnv data("XDG_DATA_HOME", (root / "data").string());

  // A folder the player (or root) can write to is not enough: an install under a system
  // prefix saves into the data folder, left for the first save to make.
  EXPECT_EQ(saveDirectoryFor(program), root / "data" / "velmora");
  EXPECT_FALSE(fs::exists(root / "data"));

  // A folder of the marker's name is no marker.
  fs::create_directory(program / kPortableMarkerFile);
  EXPECT_EQ(saveDirectoryFor(program), root / "data" / "velmora");
  fs::remove(program / kPortableMarkerFile);

  // The build folder and the portable install carry the marker: the save stays beside the
  // program, nothing is made.
  std::ofstream(program / kPortableMarkerFile) << "\n";
  EXPECT_EQ(saveDirectoryFor(program), program);
  EXPECT_FALSE(fs::exists(root / "data"));
}

void writePage(const QString& folder) {
  ASSERT_TRUE(QDir().mkpath(folder));
  QFile page(QDir(folder).filePath(QLatin1String(kHomePageFile)));
  ASSERT_TRUE(page.open(QIODevice::WriteOnly));
  page.write("<html></html>");
}

TEST(HomePage, FoundBesideTheProgramThenInTheDebianLayoutThenInTheDataFolders) {
  QTemporaryDir tmp;
  ASSERT_TRUE(tmp.isValid());
  const QDir root(tmp.path());
  const QString games = root.filePath("usr/games");
  const QString data = root.filePath("data");
  QDir().mkpath(games);

  EXPECT_EQ(homePageFolders(games, {data, data + "/"}),
            QStringList({games, root.filePath("usr/share/games/velmora"),
                         root.filePath("data/games/velmora")}));
  EXPECT_TRUE(findHomePage(games, {data}).isEmpty());

  writePage(root.filePath("data/games/velmora"));
  EXPECT_EQ(findHomePage(games, {data}), root.filePath("data/games/velmora/velmora.html"));
  writePage(root.filePath("usr/share/games/velmora"));
  EXPECT_EQ(findHomePage(games, {data}), root.filePath("usr/share/games/velmora/velmora.html"));
  writePage(games);
  EXPECT_EQ(findHomePage(games, {data}), root.filePath("usr/games/velmora.html"));

  // A folder of that name is not the page.
  QTemporaryDir other;
  QDir(other.path()).mkdir(QLatin1String(kHomePageFile));
  EXPECT_TRUE(findHomePage(other.path(), {}).isEmpty());
}

}  // namespace
}  // namespace velmora::ui
