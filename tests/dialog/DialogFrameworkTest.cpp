// The dialog framework on the in-memory back end, with a small dialog of its own: data
// exchange of radio groups, command routing, and the default and cancel commands.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/dialog/CDialog.h"
#include "platform/dialog/CommandTable.h"
#include "platform/testing/MemoryDialogBackEnd.h"

namespace {

using platform::ControlKind;
using platform::ControlTemplate;
using platform::IDCANCEL;
using platform::IDOK;
using platform::testing::MemoryDialogBackEnd;
using platform::testing::MemoryDialogWindow;

ControlTemplate Control(int id, ControlKind kind, bool startsGroup = false) {
  ControlTemplate control;
  control.id = id;
  control.kind = kind;
  control.startsGroup = startsGroup;
  control.tabStop = kind != ControlKind::Label && kind != ControlKind::RadioButton;
  return control;
}

// Radio group 10 (three buttons with a check box between them), radio group 20 (two), an edit,
// a push button, a label and the default button.
const platform::DialogTemplate& SmallTemplate() {
  static const platform::DialogTemplate t = [] {
    platform::DialogTemplate built;
    built.caption = "Small";
    built.width = 100;
    built.height = 50;
    built.controls = {
        Control(10, ControlKind::RadioButton, true),
        Control(11, ControlKind::RadioButton),
        Control(5, ControlKind::CheckBox),
        Control(12, ControlKind::RadioButton),
        Control(20, ControlKind::RadioButton, true),
        Control(21, ControlKind::RadioButton),
        Control(30, ControlKind::Edit, true),
        Control(40, ControlKind::PushButton),
        Control(50, ControlKind::Label),
        Control(IDOK, ControlKind::DefaultPushButton),
    };
    return built;
  }();
  return t;
}

class SmallDialog : public platform::CDialog {
 public:
  explicit SmallDialog(platform::DialogBackEnd& backEnd) : CDialog(SmallTemplate(), backEnd) {}

  int first = 0;
  int second = 1;
  int checked = 0;
  std::string text = "start";
  std::vector<std::string> calls;

  void DoDataExchange(platform::CDataExchange& dx) override {
    platform::DDX_Radio(dx, 10, first);
    platform::DDX_Radio(dx, 20, second);
    platform::DDX_Check(dx, 5, checked);
    platform::DDX_Text(dx, 30, text);
  }
  void OnPush() { calls.push_back("push"); }

 protected:
  bool OnCmdMsg(int controlId) override {
    static constexpr platform::CommandEntry<SmallDialog> kTable[] = {{40, &SmallDialog::OnPush}};
    return platform::RouteCommand(*this, kTable, controlId);
  }
};

TEST(DialogFramework, RadioIndexCountsOnlyRadioButtonsOfTheGroup) {
  MemoryDialogBackEnd backEnd;
  SmallDialog dialog(backEnd);
  MemoryDialogWindow& window = backEnd.Open(dialog);
  // Button 12 comes after a check box but is still the group's third radio button.
  ASSERT_TRUE(window.Press(12));
  ASSERT_TRUE(dialog.UpdateData(true));
  EXPECT_EQ(dialog.first, 2);
  EXPECT_EQ(dialog.second, 1);

  dialog.first = 1;
  dialog.second = 0;
  ASSERT_TRUE(dialog.UpdateData(false));
  EXPECT_EQ(window.CheckState(10), 0);
  EXPECT_EQ(window.CheckState(11), 1);
  EXPECT_EQ(window.CheckState(12), 0);
  EXPECT_EQ(window.CheckState(20), 1);
  EXPECT_EQ(window.CheckState(21), 0);
}

TEST(DialogFramework, RadioIndexOutsideTheGroupClearsItAndReadsBackAsMinusOne) {
  MemoryDialogBackEnd backEnd;
  SmallDialog dialog(backEnd);
  backEnd.Open(dialog);
  for (int outside : {-1, 3, 99}) {
    SCOPED_TRACE(outside);
    dialog.first = outside;
    dialog.UpdateData(false);
    dialog.first = 0;
    dialog.UpdateData(true);
    EXPECT_EQ(dialog.first, -1);
  }
}

TEST(DialogFramework, CheckRadioButtonClearsTheOthersInTheIdRange) {
  MemoryDialogBackEnd backEnd;
  SmallDialog dialog(backEnd);
  MemoryDialogWindow& window = backEnd.Open(dialog);
  window.Press(21);
  dialog.CheckRadioButton(10, 12, 11);
  EXPECT_EQ(window.CheckState(10), 0);
  EXPECT_EQ(window.CheckState(11), 1);
  EXPECT_EQ(window.CheckState(12), 0);
  EXPECT_EQ(window.CheckState(21), 1) << "a button outside the range keeps its check";
}

TEST(DialogFramework, CommandsRouteByControlIdAndTheDefaultButtonStores) {
  MemoryDialogBackEnd backEnd;
  SmallDialog dialog(backEnd);
  MemoryDialogWindow& window = backEnd.Open(dialog);
  EXPECT_EQ(window.FocusedControl(), 5) << "the focus starts on the first tab stop";
  window.Type(30, "typed");
  ASSERT_TRUE(window.Press(40));
  EXPECT_EQ(dialog.calls, std::vector<std::string>{"push"});
  EXPECT_TRUE(window.IsOpen());
  EXPECT_EQ(dialog.text, "start") << "a command alone stores nothing";

  ASSERT_TRUE(window.PressEnter());
  EXPECT_FALSE(window.IsOpen());
  EXPECT_EQ(window.Result(), IDOK);
  EXPECT_EQ(dialog.text, "typed");
  EXPECT_EQ(dialog.Window(), nullptr);
  EXPECT_FALSE(window.Press(40)) << "an ended dialog takes no more clicks";
}

TEST(DialogFramework, DoModalPlaysTheQueuedUserAndCancelsWhenLeftOpen) {
  MemoryDialogBackEnd backEnd;
  SmallDialog dialog(backEnd);
  backEnd.WhenNextDialogOpens([](MemoryDialogWindow& window) {
    window.Type(30, "first run");
    window.Press(IDOK);
  });
  EXPECT_EQ(dialog.DoModal(), IDOK);
  EXPECT_EQ(dialog.text, "first run");

  backEnd.WhenNextDialogOpens([](MemoryDialogWindow& window) { window.Type(30, "second run"); });
  EXPECT_EQ(dialog.DoModal(), IDCANCEL);
  EXPECT_EQ(dialog.text, "first run");
}

TEST(DialogFramework, WindowOperationsWithoutAWindowDoNothing) {
  MemoryDialogBackEnd backEnd;
  SmallDialog dialog(backEnd);
  EXPECT_FALSE(dialog.UpdateData(true));
  dialog.SetDlgItemText(30, "lost");
  EXPECT_EQ(dialog.GetDlgItemText(30), "");
  EXPECT_EQ(dialog.text, "start");
}

}  // namespace
