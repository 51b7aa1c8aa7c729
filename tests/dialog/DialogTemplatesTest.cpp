// The dialog templates as data: what the windows and the data exchange rely on.
#include <gtest/gtest.h>

#include <set>

#include "resources/AboutDialogTemplate.h"
#include "resources/MainDialogTemplate.h"
#include "resources/ResourceIds.h"

namespace {

using platform::ControlKind;
using platform::DialogTemplate;

TEST(DialogTemplates, ControlsHaveUniqueIdsAndLieInsideTheirDialog) {
  for (const DialogTemplate* t : {&MainDialogTemplate(), &AboutDialogTemplate()}) {
    SCOPED_TRACE(t->caption);
    std::set<int> ids;
    int defaultButtons = 0;
    for (const platform::ControlTemplate& control : t->controls) {
      SCOPED_TRACE(control.caption);
      if (control.id != platform::kNoControlId) {
        EXPECT_TRUE(ids.insert(control.id).second) << control.id;
      }
      EXPECT_GE(control.rect.x, 0);
      EXPECT_GE(control.rect.y, 0);
      EXPECT_LE(control.rect.x + control.rect.width, t->width);
      EXPECT_LE(control.rect.y + control.rect.height, t->height);
      if (control.kind == ControlKind::DefaultPushButton) {
        ++defaultButtons;
        EXPECT_EQ(control.id, platform::IDOK);
      }
    }
    EXPECT_EQ(defaultButtons, 1);
  }
}

TEST(DialogTemplates, MainDialogRadioGroupsAreTheThreeChoices) {
  const DialogTemplate& t = MainDialogTemplate();
  std::vector<int> steps = platform::RadioGroupIds(t, kFirstStepRadio);
  ASSERT_EQ(steps.size(), 14u);
  for (int i = 0; i < 14; ++i) EXPECT_EQ(steps[static_cast<std::size_t>(i)], kFirstStepRadio + i);
  EXPECT_EQ(platform::RadioGroupIds(t, kOneColumnRadio),
            (std::vector<int>{kOneColumnRadio, kTwoColumnsRadio}));
  EXPECT_EQ(platform::RadioGroupIds(t, kDisplayFlatsRadio),
            (std::vector<int>{kDisplayFlatsRadio, kDisplaySharpsRadio}));
  EXPECT_EQ(platform::RadioGroupContaining(t, kLastStepRadio), steps);
  EXPECT_EQ(platform::RadioGroupContaining(t, kDisplaySharpsRadio),
            (std::vector<int>{kDisplayFlatsRadio, kDisplaySharpsRadio}));
}

TEST(DialogTemplates, MainDialogFirstTabStopIsSelectSongFileAndDoneIsTheDefault) {
  const DialogTemplate& t = MainDialogTemplate();
  const platform::ControlTemplate* first = nullptr;
  for (const platform::ControlTemplate& control : t.controls) {
    if (control.tabStop) {
      first = &control;
      break;
    }
  }
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(first->caption, "Select Song File");
  const platform::ControlTemplate* done = platform::FindControl(t, platform::IDOK);
  ASSERT_NE(done, nullptr);
  EXPECT_EQ(done->caption, "Done");
  EXPECT_EQ(done->kind, ControlKind::DefaultPushButton);
}

}  // namespace
