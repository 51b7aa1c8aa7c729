// The Qt back end of the dialog framework with a small dialog of its own: clicks and keys reach
// the command table, and texts keep their bytes across the window.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <string>
#include <vector>

#include "QtDialogRun.h"
#include "platform/dialog/CDialog.h"
#include "platform/dialog/CommandTable.h"

namespace {

using platform::ControlKind;
using platform::ControlTemplate;

ControlTemplate Control(int id, ControlKind kind, const char* caption, platform::DialogRect rect) {
  ControlTemplate control;
  control.id = id;
  control.kind = kind;
  control.caption = caption;
  control.rect = rect;
  control.tabStop = kind != ControlKind::Label;
  return control;
}

const platform::DialogTemplate& ProbeTemplate() {
  static const platform::DialogTemplate t = [] {
    platform::DialogTemplate built;
    built.caption = "Probe";
    built.width = 200;
    built.height = 60;
    built.controls = {
        Control(10, ControlKind::Edit, "", {4, 4, 100, 14}),
        Control(20, ControlKind::PushButton, "First", {4, 24, 60, 14}),
        Control(30, ControlKind::PushButton, "Second", {70, 24, 60, 14}),
        Control(platform::IDOK, ControlKind::DefaultPushButton, "OK", {140, 4, 50, 14}),
    };
    return built;
  }();
  return t;
}

class ProbeDialog : public platform::CDialog {
 public:
  explicit ProbeDialog(platform::DialogBackEnd& backEnd) : CDialog(ProbeTemplate(), backEnd) {}
  std::vector<int> calls;
  std::string text;
  void OnFirst() { calls.push_back(20); }
  void OnSecond() { calls.push_back(30); }
  void DoDataExchange(platform::CDataExchange& dx) override { platform::DDX_Text(dx, 10, text); }

 protected:
  bool OnCmdMsg(int controlId) override {
    static constexpr platform::CommandEntry<ProbeDialog> kTable[] = {{20, &ProbeDialog::OnFirst},
                                                                     {30, &ProbeDialog::OnSecond}};
    return platform::RouteCommand(*this, kTable, controlId);
  }
};

TEST(QtDialogFramework, PressingAButtonRunsItsHandler) {
  QtDialogRun run;
  ProbeDialog dialog(run.backEnd);
  run.Then([&dialog](QtDialogWindow& window) {
    QTest::mouseClick(window.Control(30), Qt::LeftButton);
    EXPECT_EQ(dialog.calls, std::vector<int>{30});
    // Space on the focused button, as the keyboard presses it.
    window.Control(20)->setFocus();
    QTest::keyClick(window.Control(20), Qt::Key_Space);
    EXPECT_EQ(dialog.calls, (std::vector<int>{30, 20}));
    EXPECT_FALSE(window.HasEnded());
  });
  EXPECT_EQ(dialog.DoModal(), platform::IDCANCEL);
}

TEST(QtDialogFramework, EnterOnAFocusedPushButtonPressesThatButtonNotTheDefault) {
  QtDialogRun run;
  ProbeDialog dialog(run.backEnd);
  run.Then([&dialog](QtDialogWindow& window) {
    window.Control(30)->setFocus();
    QTest::keyClick(window.Control(30), Qt::Key_Return);
    EXPECT_EQ(dialog.calls, std::vector<int>{30});
    EXPECT_FALSE(window.HasEnded());
  });
  dialog.DoModal();
}

TEST(QtDialogFramework, TextsKeepTheirBytesUnlessTheUserChangesThem) {
  QtDialogRun run;
  ProbeDialog dialog(run.backEnd);
  dialog.text = "caf\xE9 \xC3\xA9 \x80";  // a Windows-1252 byte, UTF-8, and a lone byte
  run.Then([&dialog](QtDialogWindow& window) {
    auto* edit = qobject_cast<QLineEdit*>(window.Control(10));
    EXPECT_EQ(edit->text(), QString::fromUtf8("caf\xC3\xA9 \xC3\xA9 \xE2\x82\xAC"));
    dialog.UpdateData(true);
    EXPECT_EQ(dialog.text, "caf\xE9 \xC3\xA9 \x80") << "unchanged text reads back as the same bytes";
    edit->end(false);
    QTest::keyClicks(edit, "!");
    dialog.UpdateData(true);
    EXPECT_EQ(dialog.text, "caf\xC3\xA9 \xC3\xA9 \xE2\x82\xAC!") << "typed text reads back as UTF-8";
  });
  dialog.DoModal();
}

}  // namespace
