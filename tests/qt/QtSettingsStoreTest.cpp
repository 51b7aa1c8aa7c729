// The remembered path in the user's settings, kept in a temporary folder for the test.
#include <gtest/gtest.h>
#include <sys/resource.h>

#include <QSettings>
#include <csignal>
#include <string>

#include "TestFiles.h"
#include "qt/QtSettingsStore.h"

namespace {

class QtSettingsStoreTest : public ::testing::Test {
 protected:
  void SetUp() override {
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                       QString::fromStdString(folder.Path().string()));
  }
  testsupport::TempFolder folder;
  QtSettingsStore store;
};

TEST_F(QtSettingsStoreTest, PathBytesComeBackExactlyWhateverTheirLength) {
  const std::string paths[] = {
      "/songs/Grace.txt",
      "/songs/" + std::string(600, 'a') + ".txt",
      "/songs/caf\xE9 \xC3\xA9 \x80\xFF.txt",
      "/songs/odd = ; \" \\ % @ # [x]\nsecond line.txt",
      "",
  };
  for (const std::string& path : paths) {
    SCOPED_TRACE(testsupport::Visible(path.substr(0, 40)));
    ASSERT_EQ(store.StorePath(path), platform::kOk);
    std::string loaded = "unchanged";
    ASSERT_EQ(QtSettingsStore().LoadPath(loaded), platform::kOk);
    EXPECT_EQ(loaded, path);
  }
}

TEST_F(QtSettingsStoreTest, LivesUnderTheOrganisationApplicationAndKey) {
  ASSERT_EQ(store.StorePath("/songs/Grace.txt"), platform::kOk);
  QSettings settings(QSettings::NativeFormat, QSettings::UserScope, "Quorrin", "SongMelvane");
  EXPECT_EQ(settings.value("Settings/MelvanePath").toByteArray(), QByteArray("/songs/Grace.txt"));
  EXPECT_TRUE(testsupport::FileExists(folder.Path() / "Quorrin" / "SongMelvane.conf"));
}

TEST_F(QtSettingsStoreTest, MissingValueFailsAndLeavesThePathAlone) {
  std::string path = "/songs/from-the-command-line.txt";
  EXPECT_NE(store.LoadPath(path), platform::kOk);
  EXPECT_EQ(path, "/songs/from-the-command-line.txt");
}

// Writing files larger than a few bytes fails for as long as the object lives, as on a full
// disk; reading still works.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) : previousSignal_(std::signal(SIGXFSZ, SIG_IGN)) {
    getrlimit(RLIMIT_FSIZE, &previous_);
    rlimit limit = previous_;
    limit.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &limit);
  }
  ~FileSizeLimit() {
    setrlimit(RLIMIT_FSIZE, &previous_);
    std::signal(SIGXFSZ, previousSignal_);
  }

 private:
  rlimit previous_{};
  void (*previousSignal_)(int);
};

TEST_F(QtSettingsStoreTest, FailedStoreReportsAndTheOlderPathStaysRemembered) {
  ASSERT_EQ(store.StorePath("/songs/older.txt"), platform::kOk);
  {
    FileSizeLimit fullDisk(16);
    EXPECT_NE(store.StorePath("/songs/" + std::string(100, 'n') + ".txt"), platform::kOk);
  }
  // Qt keeps unwritten values in memory for the rest of the process; the failed one must not
  // come back from a load in this run, nor from the file in the next.
  std::string loaded;
  ASSERT_EQ(QtSettingsStore().LoadPath(loaded), platform::kOk);
  EXPECT_EQ(loaded, "/songs/older.txt");
  EXPECT_NE(testsupport::ReadFileBytes(folder.Path() / "Quorrin" / "SongMelvane.conf").find("older"),
            std::string::npos);
}

TEST_F(QtSettingsStoreTest, FailedFirstStoreLeavesNothingRemembered) {
  {
    FileSizeLimit fullDisk(16);
    EXPECT_NE(store.StorePath("/songs/" + std::string(100, 'n') + ".txt"), platform::kOk);
  }
  std::string loaded = "/songs/from-the-command-line.txt";
  EXPECT_NE(QtSettingsStore().LoadPath(loaded), platform::kOk);
  EXPECT_EQ(loaded, "/songs/from-the-command-line.txt");
}

}  // namespace
