// Controls on the Qt back end: labels honour the window's colour answer,
// picture buttons are exactly their pictures, the widgets follow the records
// (option groups, sliders, tabs, scrolling areas) and the user's changes come
// back as events.
#include <QAbstractButton>
#include <QApplication>
#include <QFrame>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSlider>
#include <QTabWidget>

#include <string>

#include "qt_test_support.h"

namespace media::qt::test {
namespace {

using ControlsOnQt = QtBackend;

constexpr int Blue = 255 * 65536;
constexpr int StatusField = 3;

std::intptr_t blueOnBackground(int, NativeMessage& message) {
  if (message.kind != MessageStaticColours || message.control != StatusField) return CallbackUnhandled;
  message.colours->transparentBackground = 1;
  message.colours->textColour = Blue;
  return 0;
}

// A window painted green with a status field on it.
void openGreenWindowWithField(int callbackWanted) {
  ASSERT_EQ(openWindow(0, 0, 0, 200, 60, "Status", WindowCaption, nullptr), 1);
  const int background = solidImage(QColor(0, 160, 0), 200, 60);
  ASSERT_GE(background, 0);
  ASSERT_EQ(setWindowBackgroundImage(0, background), 1);
  ASSERT_EQ(createTextLabel(StatusField, 10, 20, 180, 20, "Tiles: 128 / 128", LabelCentre), 1);
  if (callbackWanted) {
    ASSERT_EQ(setWindowCallback(blueOnBackground, 0), 1);
  }
}

TEST_F(ControlsOnQt, AStatusFieldIsBlueOnTheBackgroundPictureWhenTheCallbackAsks) {
  openGreenWindowWithField(1);
  const QImage window = painted(windowWidgetOf(0));
  int bluish = 0;
  for (int y = 20; y < 40; ++y)
    for (int x = 10; x < 190; ++x) {
      const QColor pixel = window.pixelColor(x, y);
      ASSERT_LT(pixel.red(), 40) << "no control background under the text at " << x << "," << y;
      if (pixel.blue() > 128 && pixel.green() < 100) ++bluish;
    }
  EXPECT_GT(bluish, 20) << "the text is drawn in blue";
}

TEST_F(ControlsOnQt, ALabelWithoutAnAnswerPaintsItsOwnBackground) {
  openGreenWindowWithField(0);
  EXPECT_EQ(painted(windowWidgetOf(0)).pixelColor(12, 22), QApplication::palette().color(QPalette::Window))
      << "unasked, a label on a picture is on the dialog face colour";
  ASSERT_EQ(setControlColours(StatusField, -1, 200 + 200 * 256 + 200 * 65536), 1);
  const QImage window = painted(windowWidgetOf(0));
  EXPECT_EQ(window.pixelColor(12, 22), QColor(200, 200, 200));
  EXPECT_EQ(window.pixelColor(5, 5), QColor(0, 160, 0)) << "the picture shows outside the label";
}

TEST_F(ControlsOnQt, ALabelKeepsItsLookWhileItsWindowIsDisabledButGreysWhenItIsDisabled) {
  openGreenWindowWithField(0);
  ASSERT_EQ(setControlColours(StatusField, 255, -1), 1);
  const QImage before = painted(controlWidgetOf(StatusField));
  ASSERT_EQ(disableWindow(0, 1), 1);
  EXPECT_EQ(painted(controlWidgetOf(StatusField)), before) << "a dialog disables the main window, not its texts";
  ASSERT_EQ(disableWindow(0, 0), 1);
  ASSERT_EQ(disableControl(StatusField, 1), 1);
  EXPECT_NE(painted(controlWidgetOf(StatusField)), before);
}

// Inside a frame the window shows, so labels on the window's colour sit in it seamlessly.
TEST_F(ControlsOnQt, AFrameIsALineAndACaptionOnTheWindowsColour) {
  const int colour = 225 + 225 * 256 + 225 * 65536;
  ASSERT_EQ(openWindow(0, 0, 0, 300, 200, "Options", WindowCaption, nullptr), 1);
  ASSERT_EQ(setWindowColour(0, colour), 1);
  ASSERT_EQ(createFrame(1, 10, 10, 200, 120, "Select Level"), 1);
  ASSERT_EQ(createTextLabel(2, 30, 40, 100, 20, "", LabelLeft), 1);
  ASSERT_EQ(createOptionButton(3, 30, 70, 100, 20, "Easy"), 1);
  const QImage window = painted(windowWidgetOf(0));
  EXPECT_EQ(window.pixelColor(100, 90), QColor(225, 225, 225)) << "inside the frame";
  EXPECT_EQ(window.pixelColor(40, 50), QColor(225, 225, 225)) << "an empty label on it";
  EXPECT_NE(window.pixelColor(10, 80), QColor(225, 225, 225)) << "the frame's left line";
  int captionInk = 0;
  for (int x = 18; x < 80; ++x)
    for (int y = 10; y < 24; ++y) captionInk += window.pixelColor(x, y).red() < 120;
  EXPECT_GT(captionInk, 10) << "the caption is written over the top line";
  ASSERT_EQ(testing::clickControl(3), 1) << "controls inside a frame take clicks";
  EXPECT_EQ(controlState(3), 1);
}

TEST_F(ControlsOnQt, APictureButtonIsExactlyItsPictureAndTheToggleShowsThePressedOne) {
  ASSERT_EQ(openWindow(0, 0, 0, 200, 100, "Buttons", WindowCaption, nullptr), 1);
  QImage face(96, 36, QImage::Format_RGB32);
  for (int y = 0; y < 36; ++y)
    for (int x = 0; x < 96; ++x) face.setPixelColor(x, y, QColor(x * 2, y * 7, 90));
  const QByteArray png = pngOf(face);
  const int released = loadImage(AnyNumber, png.constData(), static_cast<std::size_t>(png.size()));
  const int pressed = solidImage(QColor(250, 10, 10), 96, 36);
  ASSERT_EQ(createPictureButton(4, 10, 10, 96, 36, imageHandle(released), PictureToggle), 1);
  ASSERT_EQ(setControlAttribute(4, AttributePressedPicture, reinterpret_cast<std::intptr_t>(imageHandle(pressed))), 1);

  EXPECT_EQ(painted(controlWidgetOf(4)).convertToFormat(QImage::Format_RGB32), face);
  ASSERT_EQ(testing::clickControl(4), 1);
  ASSERT_EQ(waitEvent(0), EventControl);
  EXPECT_EQ(eventObject(), 4);
  EXPECT_EQ(controlState(4), 1);
  const QImage down = painted(controlWidgetOf(4));
  EXPECT_EQ(down.pixelColor(0, 0), QColor(250, 10, 10));
  EXPECT_EQ(down.pixelColor(95, 35), QColor(250, 10, 10));

  ASSERT_EQ(setControlState(4, 0), 1);
  EXPECT_FALSE(static_cast<QAbstractButton*>(controlWidgetOf(4))->isChecked());
  EXPECT_EQ(drain(EventControl), 0) << "the program's own change is not the user's";
}

// Held down, a picture button shows that it is pressed: its face one pixel
// down and to the right, as any button does.
TEST_F(ControlsOnQt, AHeldPictureButtonShowsItsFaceOnePixelDownAndRight) {
  ASSERT_EQ(openWindow(0, 0, 0, 200, 100, "Buttons", WindowCaption, nullptr), 1);
  QImage face(96, 36, QImage::Format_RGB32);
  for (int y = 0; y < 36; ++y)
    for (int x = 0; x < 96; ++x) face.setPixelColor(x, y, QColor(x * 2, y * 7, 90));
  const QByteArray png = pngOf(face);
  const int image = loadImage(AnyNumber, png.constData(), static_cast<std::size_t>(png.size()));
  ASSERT_EQ(createPictureButton(4, 10, 10, 96, 36, imageHandle(image), 0), 1);
  auto* button = static_cast<QAbstractButton*>(controlWidgetOf(4));
  button->setDown(true);
  const QImage held = painted(button).convertToFormat(QImage::Format_RGB32);
  button->setDown(false);
  EXPECT_EQ(held.pixelColor(1, 1), face.pixelColor(0, 0));
  EXPECT_EQ(held.pixelColor(95, 35), face.pixelColor(94, 34));
  EXPECT_EQ(held.pixelColor(40, 20), face.pixelColor(39, 19));
  EXPECT_EQ(painted(button).convertToFormat(QImage::Format_RGB32), face) << "released, it is its picture again";
}

TEST_F(ControlsOnQt, OptionButtonWidgetsFollowTheirGroupOnly) {
  ASSERT_EQ(openWindow(0, 0, 0, 300, 200, "Options", WindowCaption, nullptr), 1);
  ASSERT_EQ(createOptionButton(10, 10, 10, 80, 20, "Easy"), 1);
  ASSERT_EQ(createOptionButton(11, 10, 30, 80, 20, "Hard"), 1);
  ASSERT_EQ(createTextLabel(12, 10, 50, 80, 20, "Mode", LabelLeft), 1);
  ASSERT_EQ(createOptionButton(13, 10, 70, 80, 20, "Practice"), 1);
  ASSERT_EQ(createOptionButton(14, 10, 90, 80, 20, "Tournament"), 1);
  auto checked = [](int control) { return static_cast<QAbstractButton*>(controlWidgetOf(control))->isChecked(); };

  setControlState(10, 1);
  setControlState(14, 1);
  ASSERT_EQ(testing::clickControl(11), 1);
  EXPECT_FALSE(checked(10));
  EXPECT_TRUE(checked(11));
  EXPECT_TRUE(checked(14)) << "the other group is untouched";
  EXPECT_EQ(controlState(10), 0);
  EXPECT_EQ(controlState(11), 1);

  ASSERT_EQ(testing::clickControl(11), 1);
  EXPECT_TRUE(checked(11)) << "clicking the selected option keeps it selected";
  EXPECT_EQ(controlState(11), 1);
  EXPECT_EQ(drain(EventControl), 2);
}

TEST_F(ControlsOnQt, ATrackBarReportsTheUsersMovesOnly) {
  ASSERT_EQ(openWindow(0, 0, 0, 300, 100, "Slider", WindowCaption, nullptr), 1);
  ASSERT_EQ(createTrackBar(20, 10, 10, 100, 30, 3, 5, TrackTicks), 1);
  auto* slider = static_cast<QSlider*>(controlWidgetOf(20));
  EXPECT_EQ(slider->minimum(), 3);
  EXPECT_EQ(slider->maximum(), 5);
  EXPECT_NE(slider->tickPosition(), QSlider::NoTicks);

  ASSERT_EQ(setControlState(20, 4), 1);
  EXPECT_EQ(slider->value(), 4);
  EXPECT_EQ(drain(EventControl), 0);

  slider->setSliderDown(true);  // dragging: every step counts at once
  slider->setValue(5);
  ASSERT_EQ(waitEvent(0), EventControl);
  EXPECT_EQ(eventType(), 1);
  EXPECT_EQ(controlState(20), 5);
  slider->setSliderDown(false);
}

// A click on the track beside the thumb moves it one step, not a page of ten:
// the time limit's track has twelve positions, the volume's ten.
TEST_F(ControlsOnQt, AClickBesideTheThumbMovesItOneStep) {
  ASSERT_EQ(openWindow(0, 0, 0, 300, 100, "Slider", WindowCaption, nullptr), 1);
  ASSERT_EQ(createTrackBar(20, 10, 10, 200, 30, 1, 12, TrackTicks), 1);
  ASSERT_EQ(setControlState(20, 2), 1);
  auto* slider = static_cast<QSlider*>(controlWidgetOf(20));
  drain(EventRepaint);
  // Near the right end of the track, where the style draws it.
  QStyleOptionSlider option;
  option.initFrom(slider);
  option.orientation = slider->orientation();
  option.minimum = slider->minimum();
  option.maximum = slider->maximum();
  option.tickPosition = slider->tickPosition();
  option.tickInterval = slider->tickInterval();
  option.sliderPosition = option.sliderValue = slider->value();
  const QRect track = slider->style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderGroove, slider);
  const QPoint nearEnd(track.right() - 3, track.center().y());
  for (int expected : {3, 4}) {
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(nearEnd), QPointF(slider->mapToGlobal(nearEnd)),
                      Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(slider, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, QPointF(nearEnd), QPointF(slider->mapToGlobal(nearEnd)),
                        Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(slider, &release);
    EXPECT_EQ(controlState(20), expected);
  }
  EXPECT_EQ(drain(EventControl), 2);
}

TEST_F(ControlsOnQt, ControlsOfATabLiveOnItsPage) {
  ASSERT_EQ(openWindow(0, 0, 0, 330, 410, "Statistics", WindowCaption, nullptr), 1);
  ASSERT_EQ(createTabPanel(30, 20, 20, 290, 350), 1);
  ASSERT_EQ(addTab(30, "Easy"), 1);
  ASSERT_EQ(createTextLabel(31, 10, 10, 100, 20, "Won: ", LabelLeft), 1);
  ASSERT_EQ(addTab(30, "Hard"), 1);
  ASSERT_EQ(createTextLabel(32, 10, 10, 100, 20, "Won:", LabelLeft), 1);
  closeControlList();
  ASSERT_EQ(createPushButton(33, 20, 375, 80, 25, "Close"), 1);

  auto* tabs = static_cast<QTabWidget*>(controlWidgetOf(30));
  ASSERT_EQ(tabs->count(), 2);
  EXPECT_EQ(tabs->tabText(1), "Hard");
  EXPECT_EQ(controlWidgetOf(31)->parentWidget(), tabs->widget(0));
  EXPECT_EQ(controlWidgetOf(32)->parentWidget(), tabs->widget(1));
  EXPECT_EQ(controlWidgetOf(32)->pos(), QPoint(10, 10));
  EXPECT_EQ(controlWidgetOf(33)->parentWidget(), windowWidgetOf(0));
  EXPECT_EQ(drain(EventControl), 0) << "adding tabs is no user change";

  ASSERT_EQ(testing::changeControl(30, 1), 1);
  ASSERT_EQ(waitEvent(0), EventControl);
  EXPECT_EQ(eventObject(), 30);
  EXPECT_EQ(controlState(30), 1);
  ASSERT_EQ(setControlState(30, 0), 1);
  EXPECT_EQ(tabs->currentIndex(), 0);
  EXPECT_EQ(drain(EventControl), 0);
}

TEST_F(ControlsOnQt, AScrollingAreaHasItsInnerSizeAndArrowStep) {
  ASSERT_EQ(openWindow(0, 0, 0, 400, 300, "Collection", WindowCaption, nullptr), 1);
  ASSERT_EQ(createScrollArea(40, 25, 30, 350, 195, 980, 170, 8), 1);
  ASSERT_EQ(createCheckBox(41, 900, 150, 60, 18, "12", 0), 1);
  closeControlList();
  auto* area = static_cast<QScrollArea*>(controlWidgetOf(40));
  EXPECT_EQ(area->widget()->size(), QSize(980, 170));
  EXPECT_EQ(controlWidgetOf(41)->parentWidget(), area->widget());
  EXPECT_EQ(area->horizontalScrollBar()->singleStep(), 8);
  ASSERT_EQ(setControlAttribute(40, AttributeScrollStep, 3), 1);
  EXPECT_EQ(area->verticalScrollBar()->singleStep(), 3);
  EXPECT_NE(area->frameShadow(), QFrame::Plain);
}

TEST_F(ControlsOnQt, APictureControlHasATwoPixelSunkenBorderAndReportsClicks) {
  ASSERT_EQ(openWindow(0, 0, 0, 300, 200, "Thumbs", WindowCaption, nullptr), 1);
  const int picture = solidImage(QColor(10, 20, 200), 60, 90);
  ASSERT_EQ(createPictureControl(50, 5, 5, 10, 10, imageHandle(picture), PictureSunken), 1);
  auto* frame = static_cast<QFrame*>(controlWidgetOf(50));
  EXPECT_EQ(frame->size(), QSize(64, 94));
  EXPECT_EQ(frame->frameWidth(), 2);
  EXPECT_EQ(frame->frameShadow(), QFrame::Sunken);
  EXPECT_EQ(painted(frame).pixelColor(2, 2), QColor(10, 20, 200)) << "the picture starts inside the border";
  ASSERT_EQ(testing::clickControl(50), 1);
  ASSERT_EQ(waitEvent(0), EventControl);
  EXPECT_EQ(eventObject(), 50);
}

TEST_F(ControlsOnQt, AHyperlinkUsesItsHoverColourHandCursorAndUnderline) {
  ASSERT_EQ(openWindow(0, 0, 0, 300, 100, "About", WindowCaption, nullptr), 1);
  const int red = 255;
  ASSERT_EQ(createHyperlink(60, 10, 10, 200, 20, "WWWWWWWW", red, LinkUnderline), 1);
  QWidget* link = controlWidgetOf(60);
  EXPECT_EQ(link->cursor().shape(), Qt::PointingHandCursor);
  EXPECT_TRUE(link->font().underline());
  auto reddish = [](const QImage& image) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x)
        if (image.pixelColor(x, y).red() > 150 && image.pixelColor(x, y).green() < 90) ++count;
    return count;
  };
  EXPECT_EQ(reddish(painted(link)), 0);
  ASSERT_EQ(testing::moveMouse(0, 20, 15), 1);
  EXPECT_GT(reddish(painted(link)), 10) << "drawn in the hover colour while the mouse is over it";
  ASSERT_EQ(testing::moveMouse(0, 250, 60), 1);
  EXPECT_EQ(reddish(painted(link)), 0) << "and in its normal colour again once it left";
  drain(EventRepaint);
  ASSERT_EQ(testing::clickControl(60), 1);
  EXPECT_EQ(nextEventButMoves(), EventControl);
}

TEST_F(ControlsOnQt, ARichTextBoxAppendsLinesAndIsReadOnly) {
  ASSERT_EQ(openWindow(0, 0, 0, 300, 200, "Licence", WindowCaption, nullptr), 1);
  ASSERT_EQ(createRichText(70, 10, 10, 280, 180, RichReadOnly | RichWordWrap), 1);
  addRichTextLine(70, "first line");
  addRichTextLine(70, "second line");
  auto* edit = static_cast<QPlainTextEdit*>(controlWidgetOf(70));
  EXPECT_EQ(edit->toPlainText(), "first line\nsecond line");
  EXPECT_TRUE(edit->isReadOnly());
  EXPECT_EQ(edit->lineWrapMode(), QPlainTextEdit::WidgetWidth);
  setControlText(70, "replaced");
  EXPECT_EQ(edit->toPlainText(), "replaced");
}

TEST_F(ControlsOnQt, ARichTextBoxFilledWithMoreThanItShowsStillOpensAtItsFirstLine) {
  ASSERT_EQ(openWindow(0, 0, 0, 300, 200, "Licence", WindowCaption, nullptr), 1);
  ASSERT_EQ(createRichText(70, 10, 10, 280, 80, RichReadOnly | RichWordWrap), 1);
  for (int i = 0; i < 60; ++i) addRichTextLine(70, "line " + std::to_string(i));
  QApplication::processEvents();
  const QScrollBar* bar = static_cast<QPlainTextEdit*>(controlWidgetOf(70))->verticalScrollBar();
  ASSERT_GT(bar->maximum(), 0) << "the box must hold more lines than it shows";
  EXPECT_EQ(bar->value(), 0);
}

TEST_F(ControlsOnQt, AFontHasThePixelHeightOfItsPointsAndWeight) {
  const int dpi = QGuiApplication::primaryScreen()->logicalDotsPerInchY();
  ASSERT_EQ(loadFont(0, "Tahoma", 10, FontBold), 1);
  ASSERT_EQ(loadFont(1, "Tahoma", 16, 0), 1);
  EXPECT_EQ(fontPixelHeight(0), (10 * dpi + 36) / 72);
  const auto* bold = reinterpret_cast<const QFont*>(fontHandle(0));
  const auto* regular = reinterpret_cast<const QFont*>(fontHandle(1));
  EXPECT_EQ(bold->weight(), 700);
  EXPECT_EQ(regular->weight(), 400);
  EXPECT_EQ(regular->pixelSize(), (16 * dpi + 36) / 72);

  ASSERT_EQ(openWindow(0, 0, 0, 200, 100, "Fonts", WindowCaption, nullptr), 1);
  ASSERT_EQ(createTextLabel(1, 0, 0, 100, 20, "x", LabelLeft), 1);
  ASSERT_EQ(setControlFont(1, 0), 1);
  EXPECT_EQ(controlWidgetOf(1)->font().pixelSize(), fontPixelHeight(0));
  EXPECT_EQ(controlWidgetOf(1)->font().weight(), 700);
}

}  // namespace
}  // namespace media::qt::test
