// Every text of every window fits its control, measured on the Qt back end
// with the fonts the program really gets on this machine: the main window's
// status texts at their longest, the options, image collection, statistics
// (with the largest and the negative figures), About and licence windows.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QFontInfo>
#include <QFontMetrics>
#include <QStyle>
#include <QWidget>

#include <string>

#include "common/app_state.h"
#include "common/common.h"
#include "common/ids.h"
#include "common/statistics.h"
#include "dialogs/about_window.h"
#include "dialogs/collection_window.h"
#include "dialogs/notices.h"
#include "dialogs/options_window.h"
#include "dialogs/statistics_window.h"
#include "media/backend.h"
#include "media/media.h"
#include "shell/shell.h"
#include "tests/support/game_scene.h"
#include "tests/support/records.h"

namespace {

constexpr const char* Config =
    "\xEF\xBB\xBF\r\n[Settings]\r\nColors = 4\r\nSize = 36\r\nMode = P\r\nTime = 3600\r\nUndo = 1\r\n"
    "Sound = 0\r\nVol = 50\r\nCollection = 111111111111\r\n"
    "[Lvl-Lo]\r\nOA_Won = 2147483647\r\nOA_Lost = -2147483648\r\nST_Won = 2147483647\r\nST_Lost = -2147483648\r\n"
    "[Lvl-Hi]\r\nOA_Won = -2147483648\r\nOA_Lost = 2147483647\r\nST_Won = -2147483648\r\nST_Lost = 2147483647\r\n";

QWidget* widgetOf(const media::ControlRecord& control) { return static_cast<QWidget*>(control.native); }

// The width the control needs to show its whole text; 0 for a control without one.
int neededWidth(const media::ControlRecord& control) {
  QWidget* widget = widgetOf(control);
  const QString text = QString::fromStdString(control.text).trimmed();
  if (!widget || text.isEmpty()) return 0;
  const QFontMetrics metrics(widget->font());
  const QStyle* style = widget->style();
  switch (control.kind) {
    case media::ControlTextLabel:
    case media::ControlHyperlink:
      return control.flags & media::LabelWrap ? 0 : metrics.horizontalAdvance(text);
    case media::ControlCheckBox:
    case media::ControlOptionButton: return widget->sizeHint().width();
    case media::ControlPushButton:
      return metrics.horizontalAdvance(text) + style->pixelMetric(QStyle::PM_ButtonMargin, nullptr, widget) +
             2 * style->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, widget);
    case media::ControlFrame: return metrics.horizontalAdvance(text) + 12;  // the caption sits 8 pixels in
    default: return 0;
  }
}

// A word-wrapped label must hold all its lines.
int neededHeight(const media::ControlRecord& control) {
  QWidget* widget = widgetOf(control);
  if (!widget || !(control.flags & media::LabelWrap) || control.kind != media::ControlTextLabel) return 0;
  const QFontMetrics metrics(widget->font());
  return metrics
      .boundingRect(QRect(0, 0, control.rect.width, 10000), Qt::TextWordWrap | Qt::AlignHCenter,
                    QString::fromStdString(control.text))
      .height();
}

int checked = 0;

void expectTextsFit(int window) {
  for (int number : test_support::findControls([&](const media::ControlRecord& c) { return c.window == window; })) {
    const media::ControlRecord& control = *media::core::findControl(number);
    const int width = neededWidth(control);
    if (width > 0) ++checked;
    EXPECT_LE(width, control.rect.width) << "\"" << control.text << "\" in window " << window << " is cut, font "
                                         << QFontInfo(widgetOf(control)->font()).family().toStdString() << " "
                                         << QFontInfo(widgetOf(control)->font()).pixelSize() << " px";
    EXPECT_LE(neededHeight(control), control.rect.height) << "\"" << control.text << "\"";
  }
}

class TextFit : public ::testing::Test {
 protected:
  void SetUp() override {
    test_support::startUp(Config);
    ASSERT_TRUE(media::windowExists(ids::MainWindow));
  }
  test_support::GameScene scene_;
};

TEST_F(TextFit, TheMainWindowsStatusTextsAtTheirLongest) {
  UpdateStatus("Steps: 216", "100% - Congratulations: you won!", "Time used: 59:59");
  expectTextsFit(ids::MainWindow);
  UpdateStatus("Steps: 9999", "99.99% - Game over ...", "Time left: 60:00");
  expectTextsFit(ids::MainWindow);
  UpdateStatus("", "Tiles: 216 / 216", "");
  expectTextsFit(ids::MainWindow);
}

TEST_F(TextFit, EveryDialogWindowWithTheLargestAndTheNegativeFigures) {
  checked = 0;
  openOptionsWindowSteps();
  expectTextsFit(ids::OptionsWindow);
  media::closeWindow(ids::OptionsWindow);

  openCollectionWindowSteps();
  ASSERT_EQ(Collection.boxes.size(), 12u) << "the asset library's twelve portraits";
  expectTextsFit(ids::CollectionWindow);
  media::closeWindow(ids::CollectionWindow);

  for (GameStatistics& level : App.Statistics) {
    level.wonSinceStart = 2147483647;
    level.lostSinceStart = -2147483647 - 1;
    level.currentLossStreak = -2147483647 - 1;
  }
  openStatisticsWindowSteps();
  for (int tab = 0; tab < 2; ++tab) {
    media::setControlState(StatisticsControls.tabPanel, tab);
    expectTextsFit(ids::StatisticsWindow);
  }
  media::closeWindow(ids::StatisticsWindow);

  App.ComponentNotices = ComponentNoticeLines;
  openAboutWindowSteps();
  expectTextsFit(ids::AboutWindow);
  openLicenseWindowSteps();
  expectTextsFit(ids::LicenseWindow);
  EXPECT_GT(checked, 60) << "every window's texts were measured";
}

}  // namespace
