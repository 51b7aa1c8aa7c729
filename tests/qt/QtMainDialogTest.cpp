// The main dialog in its Qt window (offscreen): every control of the template with its caption,
// kind, group and place; the tab order; the opening focus; Enter, Escape and the close box; the
// context menu's About box.
#include <gtest/gtest.h>

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QContextMenuEvent>
#include <QFontMetrics>
#include <QFontMetricsF>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "QtDialogRun.h"
#include "app/CMelvaneDlg.h"
#include "platform/testing/MemorySettingsStore.h"
#include "resources/MainDialogTemplate.h"
#include "resources/ResourceIds.h"

namespace {

using platform::ControlKind;
using platform::ControlTemplate;
using platform::IDCANCEL;
using platform::IDOK;

class QtMainDialog : public ::testing::Test {
 protected:
  QtDialogRun run;
  platform::testing::MemorySettingsStore settings;
  CMelvaneDlg dialog{run.backEnd, settings};

  int RunWith(QtDialogRun::User user) {
    run.Then(std::move(user));
    return dialog.DoModal();
  }
};

int IdOf(const QtDialogWindow& window, const QWidget* widget) {
  for (const ControlTemplate& control : MainDialogTemplate().controls) {
    if (control.id != platform::kNoControlId && window.Control(control.id) == widget) return control.id;
  }
  return platform::kNoControlId;
}

TEST_F(QtMainDialog, EveryControlExistsWithItsCaptionKindAndGroup) {
  RunWith([](QtDialogWindow& window) {
    // With the focus in an edit no other push button stands in for the default one.
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    window.Control(kSetListNameEdit)->setFocus();
    const auto& controls = MainDialogTemplate().controls;
    for (std::size_t i = 0; i < controls.size(); ++i) {
      const ControlTemplate& control = controls[i];
      SCOPED_TRACE(std::to_string(control.id) + " " + std::string(control.caption));
      QWidget* widget = window.ControlAt(i);
      ASSERT_NE(widget, nullptr);
      if (control.id != platform::kNoControlId) {
        EXPECT_EQ(window.Control(control.id), widget);
      }
      QString caption =
          QString::fromUtf8(control.caption.data(), static_cast<qsizetype>(control.caption.size()));
      switch (control.kind) {
        case ControlKind::PushButton:
        case ControlKind::DefaultPushButton: {
          auto* button = qobject_cast<QPushButton*>(widget);
          ASSERT_NE(button, nullptr);
          EXPECT_EQ(button->text(), caption);
          EXPECT_EQ(button->isDefault(), control.kind == ControlKind::DefaultPushButton);
          break;
        }
        case ControlKind::RadioButton:
          ASSERT_NE(qobject_cast<QRadioButton*>(widget), nullptr);
          EXPECT_EQ(qobject_cast<QRadioButton*>(widget)->text(), caption);
          break;
        case ControlKind::CheckBox:
          ASSERT_NE(qobject_cast<QCheckBox*>(widget), nullptr);
          EXPECT_EQ(qobject_cast<QCheckBox*>(widget)->text(), caption);
          break;
        case ControlKind::Edit:
          ASSERT_NE(qobject_cast<QLineEdit*>(widget), nullptr);
          EXPECT_TRUE(qobject_cast<QLineEdit*>(widget)->hasFrame());
          break;
        case ControlKind::Label: {
          auto* label = qobject_cast<QLabel*>(widget);
          ASSERT_NE(label, nullptr);
          if (control.id != kStatusLine) {
            EXPECT_EQ(label->text(), caption);
          }
          EXPECT_EQ(label->textFormat(), Qt::PlainText);
          bool right = control.alignment == platform::TextAlignment::Right;
          EXPECT_EQ(bool(label->alignment() & Qt::AlignRight), right);
          EXPECT_EQ(bool(label->alignment() & Qt::AlignVCenter), control.verticallyCentred);
          break;
        }
        case ControlKind::GroupBox:
          ASSERT_NE(qobject_cast<QGroupBox*>(widget), nullptr);
          EXPECT_EQ(qobject_cast<QGroupBox*>(widget)->title(), caption);
          break;
        case ControlKind::Picture:
          ASSERT_NE(qobject_cast<QLabel*>(widget), nullptr);
          EXPECT_FALSE(qobject_cast<QLabel*>(widget)->pixmap().isNull());
          break;
      }
      EXPECT_TRUE(widget->isVisible());
      EXPECT_TRUE(widget->isEnabled());
    }

    struct Group {
      int first;
      int last;
    };
    for (Group group : {Group{kFirstStepRadio, kLastStepRadio}, Group{kOneColumnRadio, kTwoColumnsRadio},
                        Group{kDisplayFlatsRadio, kDisplaySharpsRadio}}) {
      SCOPED_TRACE(group.first);
      QButtonGroup* buttons = window.RadioGroup(group.first);
      ASSERT_NE(buttons, nullptr);
      EXPECT_TRUE(buttons->exclusive());
      EXPECT_EQ(buttons->buttons().size(), group.last - group.first + 1);
      for (int id = group.first; id <= group.last; ++id) {
        EXPECT_EQ(window.RadioGroup(id), buttons) << id;
      }
    }
    EXPECT_NE(window.RadioGroup(kFirstStepRadio), window.RadioGroup(kDisplayFlatsRadio));
  });
}

TEST_F(QtMainDialog, ControlsArePlacedByDialogUnitsOfTheDefaultFont) {
  RunWith([](QtDialogWindow& window) {
    // Computed here from the font, independently of the window's own mapping.
    double averageWidth =
        QFontMetricsF(window.font())
            .horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz")) /
        52;
    int height = QFontMetrics(window.font()).height();
    auto x = [&](int units) { return static_cast<int>(std::lround(units * averageWidth / 4)); };
    auto y = [&](int units) { return static_cast<int>(std::lround(units * height / 8.0)); };
    EXPECT_GT(averageWidth, 3);
    EXPECT_EQ(window.size(), QSize(x(396), y(279)));
    EXPECT_EQ(window.minimumSize(), window.maximumSize()) << "fixed size";

    const auto& controls = MainDialogTemplate().controls;
    for (std::size_t i = 0; i < controls.size(); ++i) {
      const platform::DialogRect& r = controls[i].rect;
      SCOPED_TRACE(std::string(controls[i].caption) + " " + std::to_string(controls[i].id));
      QRect expected(QPoint(x(r.x), y(r.y)), QPoint(x(r.x + r.width) - 1, y(r.y + r.height) - 1));
      EXPECT_EQ(window.ControlAt(i)->geometry(), expected);
    }
  });
}

TEST_F(QtMainDialog, CaptionsFitTheirControlsAtTheDefaultFont) {
  RunWith([](QtDialogWindow& window) {
    const auto& controls = MainDialogTemplate().controls;
    for (std::size_t i = 0; i < controls.size(); ++i) {
      QWidget* widget = window.ControlAt(i);
      SCOPED_TRACE(std::string(controls[i].caption));
      QFontMetrics metrics(widget->font());
      QStyle* style = widget->style();
      int textWidth = metrics.horizontalAdvance(
          QString::fromUtf8(controls[i].caption.data(), static_cast<qsizetype>(controls[i].caption.size())));
      switch (controls[i].kind) {
        case ControlKind::PushButton:
        case ControlKind::DefaultPushButton:
          EXPECT_LE(textWidth + 2 * style->pixelMetric(QStyle::PM_ButtonMargin, nullptr, widget),
                    widget->width());
          EXPECT_LE(metrics.height(), widget->height());
          break;
        case ControlKind::RadioButton:
        case ControlKind::CheckBox: {
          // The text's share of the button, beside the indicator.
          QStyleOptionButton option;
          option.initFrom(widget);
          option.text = qobject_cast<QAbstractButton*>(widget)->text();
          QRect text = style->subElementRect(controls[i].kind == ControlKind::CheckBox
                                                 ? QStyle::SE_CheckBoxContents
                                                 : QStyle::SE_RadioButtonContents,
                                             &option, widget);
          EXPECT_LE(textWidth, text.width());
          EXPECT_LE(metrics.height(), widget->height());
          break;
        }
        case ControlKind::Label:
          EXPECT_LE(widget->sizeHint().width(), widget->width());
          EXPECT_LE(metrics.height(), widget->height());
          break;
        case ControlKind::Edit:
          EXPECT_LE(metrics.height() + 2 * style->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, widget),
                    widget->height());
          break;
        case ControlKind::GroupBox:
          EXPECT_LE(textWidth, widget->width());
          break;
        case ControlKind::Picture:
          break;
      }
    }
  });
}

TEST_F(QtMainDialog, OpensWithTheFocusOnSelectSongFile) {
  RunWith([](QtDialogWindow& window) {
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    EXPECT_EQ(QApplication::focusWidget(), window.Control(kSelectSongFileButton));
  });
}

TEST_F(QtMainDialog, TabVisitsTheTabStopsInTemplateOrderWithOneStopPerRadioGroup) {
  dialog.stepChoice = 0;
  RunWith([](QtDialogWindow& window) {
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    // Expected from the template: every tab stop in order; a radio group counts once, at its
    // checked button, and a group whose first button is no tab stop is passed by.
    std::vector<int> expected;
    bool groupIsTabStop = false;
    for (const ControlTemplate& control : MainDialogTemplate().controls) {
      if (control.kind == ControlKind::RadioButton) {
        if (control.startsGroup) groupIsTabStop = control.tabStop;
        if (groupIsTabStop && window.CheckState(control.id)) expected.push_back(control.id);
      } else if (control.tabStop) {
        expected.push_back(control.id);
      }
    }
    ASSERT_EQ(expected.front(), kSelectSongFileButton);
    EXPECT_EQ(std::count(expected.begin(), expected.end(), kOneColumnRadio), 0);

    std::vector<int> visited{IdOf(window, QApplication::focusWidget())};
    for (std::size_t step = 0; step < expected.size(); ++step) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
      visited.push_back(IdOf(window, QApplication::focusWidget()));
    }
    expected.push_back(kSelectSongFileButton);  // and round again
    EXPECT_EQ(visited, expected);
  });
}

TEST_F(QtMainDialog, EnterInAnEditPressesDone) {
  for (int edit : {kFileNameAdditionEdit, kLineHeightEdit, kAppendEdit}) {
    SCOPED_TRACE(edit);
    QtDialogRun freshRun;
    CMelvaneDlg fresh(freshRun.backEnd, settings);
    freshRun.Then([edit](QtDialogWindow& window) {
      ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
      auto* field = qobject_cast<QLineEdit*>(window.Control(edit));
      ASSERT_NE(field, nullptr);
      field->setFocus();
      field->clear();
      QTest::keyClicks(field, "7x");
      QTest::keyClick(field, Qt::Key_Return);
      EXPECT_TRUE(window.HasEnded());
    });
    EXPECT_EQ(fresh.DoModal(), IDOK);
    std::string typed = edit == kFileNameAdditionEdit ? fresh.fileNameAddition
                        : edit == kLineHeightEdit     ? fresh.lineHeightText
                                                      : fresh.appendText;
    EXPECT_EQ(typed, "7x");
  }
}

TEST_F(QtMainDialog, EscapeAndTheCloseBoxCloseWithoutStoring) {
  for (bool closeBox : {false, true}) {
    SCOPED_TRACE(closeBox ? "close box" : "Escape");
    QtDialogRun freshRun;
    CMelvaneDlg fresh(freshRun.backEnd, settings);
    freshRun.Then([closeBox](QtDialogWindow& window) {
      qobject_cast<QLineEdit*>(window.Control(kSetListNameEdit))->setText("Sunday");
      QTest::mouseClick(window.Control(kTwoColumnsRadio), Qt::LeftButton);
      if (closeBox) {
        window.close();
      } else {
        QTest::keyClick(window.Control(kSetListNameEdit), Qt::Key_Escape);
      }
      EXPECT_TRUE(window.HasEnded());
      EXPECT_FALSE(window.isVisible());
    });
    EXPECT_EQ(fresh.DoModal(), IDCANCEL);
    EXPECT_EQ(fresh.setListName, "SetList");
    EXPECT_EQ(fresh.columnChoice, 0);
  }
}

TEST_F(QtMainDialog, ClickingDoneStoresTheControls) {
  int result = RunWith([](QtDialogWindow& window) {
    QTest::mouseClick(window.Control(kFirstStepRadio + 9), Qt::LeftButton);  // "-3"
    QTest::mouseClick(window.Control(kAutomaticCheck), Qt::LeftButton);
    QTest::mouseClick(window.Control(IDOK), Qt::LeftButton);
  });
  EXPECT_EQ(result, IDOK);
  EXPECT_EQ(dialog.stepChoice, 9);
  EXPECT_EQ(dialog.automaticCheck, 1);
}

TEST_F(QtMainDialog, OpeningShowsTitleIconAndRememberedPath) {
  settings.value = "/songs/caf\xE9.txt";
  RunWith([](QtDialogWindow& window) {
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Song Melvane 1.08"));
    EXPECT_FALSE(window.windowIcon().isNull());
    auto* status = qobject_cast<QLabel*>(window.Control(kStatusLine));
    EXPECT_EQ(status->text(), QString::fromUtf8("/songs/caf\xC3\xA9.txt"))
        << "an invalid byte shows as Windows-1252";
    EXPECT_EQ(qobject_cast<QLineEdit*>(window.Control(kLinesInColumnEdit))->text(), QStringLiteral("44"));
  });
  EXPECT_EQ(dialog.songPath, "/songs/caf\xE9.txt");
}

TEST_F(QtMainDialog, ContextMenuOpensTheAboutBox) {
  QStringList menuTexts;
  QString aboutTitle;
  QStringList aboutTexts;
  run.Then([&](QtDialogWindow& window) {
    // The menu runs its own loop: choose the entry by its mnemonic once it is up.
    QTimer::singleShot(0, [&menuTexts] {
      auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
      ASSERT_NE(menu, nullptr);
      for (QAction* action : menu->actions()) menuTexts << action->text();
      QTest::keyClick(menu, Qt::Key_A);
    });
    QPoint inside(window.width() / 2, window.height() - 4);
    QContextMenuEvent event(QContextMenuEvent::Mouse, inside, window.mapToGlobal(inside));
    QApplication::sendEvent(&window, &event);
    EXPECT_FALSE(window.HasEnded()) << "the main dialog stays open";
  });
  run.Then([&](QtDialogWindow& about) {
    aboutTitle = about.windowTitle();
    for (QLabel* label : about.findChildren<QLabel*>()) {
      if (!label->text().isEmpty()) aboutTexts << label->text();
    }
    QTest::keyClick(&about, Qt::Key_Return);
    EXPECT_TRUE(about.HasEnded());
  });
  dialog.DoModal();
  EXPECT_EQ(menuTexts, QStringList{QStringLiteral("&About Melvane...")});
  EXPECT_EQ(aboutTitle, QStringLiteral("About Melvane"));
  ASSERT_EQ(aboutTexts.size(), 2);
  EXPECT_TRUE(aboutTexts.contains(QStringLiteral("Melvane Version 1.0")));
}

}  // namespace
