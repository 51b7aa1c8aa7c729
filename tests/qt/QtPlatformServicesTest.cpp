// The window's platform services: shown text, the warning box, the desktop opener and the Open
// file dialog.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QLineEdit>
#include <QListView>
#include <QMessageBox>
#include <QObject>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QUrl>
#include <string>

#include "QtDialogRun.h"
#include "TestFiles.h"
#include "app/CMelvaneDlg.h"
#include "platform/AbsolutePath.h"
#include "platform/Messages.h"
#include "platform/testing/MemorySettingsStore.h"
#include "qt/DesktopServicesOpener.h"
#include "qt/DisplayText.h"
#include "qt/WarningMessageBox.h"

namespace {

TEST(DisplayText, DecodesUtf8AndReadsInvalidBytesAsWindows1252) {
  EXPECT_EQ(ToDisplayText("caf\xC3\xA9"), QString::fromUtf8("caf\xC3\xA9"));
  EXPECT_EQ(ToDisplayText("caf\xE9"), QString::fromUtf8("caf\xC3\xA9"));
  EXPECT_EQ(ToDisplayText("\x80 \x93x\x94"), QString::fromUtf8("\xE2\x82\xAC \xE2\x80\x9Cx\xE2\x80\x9D"));
  EXPECT_EQ(ToDisplayText("\xF0\x9F\x8E\xB5"), QString::fromUtf8("\xF0\x9F\x8E\xB5")) << "beyond the BMP";
  EXPECT_EQ(FromDisplayText(QString::fromUtf8("\xC3\xA9")), "\xC3\xA9");
}

TEST(WarningMessageBox, IsAModalWarningWithOneOkAndTheProgramNameAsCaption) {
  QString title;
  QString text;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  int buttons = 0;
  Qt::TextFormat format = Qt::AutoText;
  QTimer::singleShot(0, [&] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    ASSERT_NE(box, nullptr);
    title = box->windowTitle();
    text = box->text();
    icon = box->icon();
    buttons = static_cast<int>(box->buttons().size());
    format = box->textFormat();
    box->button(QMessageBox::Ok)->click();
  });
  ShowWarningMessageBox("Error opening file /songs/<b>&amp.txt for reading");
  EXPECT_EQ(title, QString::fromStdString(platform::ProgramName()));
  EXPECT_EQ(text, QStringLiteral("Error opening file /songs/<b>&amp.txt for reading"));
  EXPECT_EQ(icon, QMessageBox::Warning);
  EXPECT_EQ(buttons, 1);
  EXPECT_EQ(format, Qt::PlainText);
}

// Stands in for the desktop: receives what would go to the user's default program.
class UrlCatcher : public QObject {
  Q_OBJECT
 public:
  QList<QUrl> urls;
 public slots:
  void Open(const QUrl& url) { urls << url; }
};

TEST(DesktopServicesOpener, OpensPathsAsLocalFilesAndWebAddressesAsTheyAre) {
  UrlCatcher catcher;
  QDesktopServices::setUrlHandler("file", &catcher, "Open");
  QDesktopServices::setUrlHandler("http", &catcher, "Open");
  OpenWithDesktopServices({"/songs/Amazing Grace #2.rtf", "/songs"});
  OpenWithDesktopServices({"http://quorrin.example/MelvaneHelp.php", "/opt/melvane"});
  OpenWithDesktopServices({"relative song.txt", ""});
  QDesktopServices::unsetUrlHandler("file");
  QDesktopServices::unsetUrlHandler("http");
  ASSERT_EQ(catcher.urls.size(), 3);
  EXPECT_EQ(catcher.urls[0].toLocalFile(), QStringLiteral("/songs/Amazing Grace #2.rtf"));
  EXPECT_EQ(catcher.urls[1].toString(), QStringLiteral("http://quorrin.example/MelvaneHelp.php"));
  EXPECT_EQ(catcher.urls[2].toLocalFile(),
            QString::fromStdString(platform::MakeAbsolutePath("relative song.txt")));
}

class OpenFileDialog : public ::testing::Test {
 protected:
  testsupport::TempFolder folder;
  QtDialogRun run;
  platform::testing::MemorySettingsStore settings;
  CMelvaneDlg owner{run.backEnd, settings};
  platform::OpenFileRequest request{"", " Files (*.txt)", "txt"};
};

TEST_F(OpenFileDialog, ShowsTheFilterWithoutRegardToCaseAndTakesANewNameWithTheDefaultExtension) {
  folder.Write("lower.txt", "x");
  folder.Write("UPPER.TXT", "x");
  folder.Write("other.rtf", "x");
  request.initialPath = folder / "lower.txt";
  QStringList listed;
  QString filterShown;
  run.backEnd.SetFileDialogHandler([&](QFileDialog& fileDialog) {
    EXPECT_TRUE(fileDialog.testOption(QFileDialog::DontUseNativeDialog));
    filterShown = fileDialog.nameFilters().join('|');
    EXPECT_EQ(fileDialog.defaultSuffix(), QStringLiteral("txt"));
    auto* model = fileDialog.findChild<QFileSystemModel*>();
    auto* view = fileDialog.findChild<QListView*>("listView");
    ASSERT_NE(model, nullptr);
    ASSERT_NE(view, nullptr);
    // The file system model fills itself from a thread. Files the filter turns away are
    // either left out or shown disabled; neither can be chosen.
    auto offered = [&] {
      QStringList names;
      QModelIndex root = view->rootIndex();
      for (int row = 0; row < model->rowCount(root); ++row) {
        QModelIndex index = model->index(row, 0, root);
        if (model->flags(index) & Qt::ItemIsEnabled) names << index.data().toString();
      }
      names.sort();
      return names;
    };
    EXPECT_TRUE(QTest::qWaitFor([&] { return offered().size() >= 2; }, 5000));
    QTest::qWait(100);
    listed = offered();
    auto* name = fileDialog.findChild<QLineEdit*>("fileNameEdit");
    ASSERT_NE(name, nullptr);
    name->setText("newsong");
    QMetaObject::invokeMethod(&fileDialog, "accept");
  });
  std::string chosen = "unchanged";
  EXPECT_EQ(owner.ShowOpenFileDialog(request, chosen), platform::IDOK);
  // Qt trims the blank that the empty file kind leaves in front.
  EXPECT_EQ(filterShown, QStringLiteral("Files (*.txt)"));
  EXPECT_EQ(listed, (QStringList{"UPPER.TXT", "lower.txt"}));
  EXPECT_EQ(chosen, folder / "newsong.txt");
}

TEST_F(OpenFileDialog, CancelLeavesThePathAlone) {
  run.backEnd.SetFileDialogHandler([](QFileDialog& fileDialog) { fileDialog.reject(); });
  std::string chosen = "unchanged";
  EXPECT_EQ(owner.ShowOpenFileDialog(request, chosen), platform::IDCANCEL);
  EXPECT_EQ(chosen, "unchanged");
}

}  // namespace

#include "QtPlatformServicesTest.moc"
