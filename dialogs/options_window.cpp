// The options window: seven game options of the group "Settings", each written
// into the open configuration file the moment its control changes. The file
// reaches the disk when ConfirmQuit closes the window and the file.
#include "dialogs/options_window.h"

#include <algorithm>
#include <string>

#include "common/common.h"
#include "common/dialog_window.h"
#include "common/ids.h"
#include "dialogs/dialogs.h"
#include "media/media.h"
#include "settings/config_file.h"
#include "settings/keys.h"

OptionsWindow Options;

namespace {

constexpr const char* Title = "Settings";
constexpr int Width = 250;
constexpr int Height = 490;
constexpr int TimeStep = 300;  // seconds per time-slider position
constexpr int VolumeStep = 10;  // percent per volume-slider position

// The change handler's private copy of the seven stored values.
struct StoredOptions {
  int colours = 0;
  int size = 0;
  std::string mode;
  int time = 0;
  int undo = 0;
  int sound = 0;
  int volume = 0;
};

std::string colourLabelText(int colours) { return "Tile Colors: " + std::to_string(colours); }
std::string timeLabelText(int seconds) { return "Time Limit: " + std::to_string(seconds / 60) + " min."; }
std::string volumeLabelText(int volume) { return "Volume: " + std::to_string(volume) + "%"; }

// A stored value outside the slider's range puts the thumb at the nearest end.
void setSlider(int slider, int position, int minimum, int maximum) {
  media::setControlState(slider, std::clamp(position, minimum, maximum));
}

void enableTimeControls(int enabled) {
  media::disableControl(Options.timeLabel, !enabled);
  media::disableControl(Options.timeSlider, !enabled);
}

void enableVolumeControls(int enabled) {
  media::disableControl(Options.volumeLabel, !enabled);
  media::disableControl(Options.volumeSlider, !enabled);
}

void createControls() {
  using namespace media;
  OptionsWindow& o = Options;
  o.levelFrame = createFrame(AnyNumber, 20, 20, 210, 90, "");
  o.levelLabel = createTextLabel(AnyNumber, 30, 40, 80, 20, "Select Level", LabelLeft);
  o.easy = createOptionButton(AnyNumber, 30, 60, 80, 20, "Easy");
  o.hard = createOptionButton(AnyNumber, 30, 80, 80, 20, "Hard");
  o.colourSlider = createTrackBar(AnyNumber, 130, 70, 70, 20, 3, 5, TrackTicks);
  o.colourLabel = createTextLabel(AnyNumber, 130, 40, 80, 20, "Tile Colors: 3", LabelLeft);
  o.modeFrame = createFrame(AnyNumber, 20, 130, 210, 160, "");
  o.modeLabel = createTextLabel(AnyNumber, 30, 150, 190, 20, "Select Game Mode", LabelCentre);
  o.practice = createOptionButton(AnyNumber, 30, 170, 80, 20, "Practice");
  o.tournament = createOptionButton(AnyNumber, 120, 170, 90, 20, "Tournament");
  o.timeLabel = createTextLabel(AnyNumber, 30, 200, 190, 20, "Time Limit: 60 min.", LabelCentre);
  o.timeSlider = createTrackBar(AnyNumber, 30, 220, 180, 20, 1, 12, TrackTicks);
  o.undoBox = createCheckBox(AnyNumber, 40, 260, 160, 20, "Unlimited Undo's", CheckTextRight);
  o.soundFrame = createFrame(AnyNumber, 20, 320, 210, 110, "");
  o.soundBox = createCheckBox(AnyNumber, 40, 340, 160, 20, "Sound", CheckTextRight);
  o.volumeLabel = createTextLabel(AnyNumber, 30, 370, 190, 20, "Volume: 90%", LabelCentre);
  o.volumeSlider = createTrackBar(AnyNumber, 30, 390, 180, 20, 1, 10, TrackTicks);
  o.close = createPushButton(AnyNumber, 20, 450, 210, 20, "Close");
}

// Shows the stored values, each with the fallback the window opens with.
void showStoredValues() {
  const OptionsWindow& o = Options;
  media::setControlState(ConfigFile::readInt(keys::Size, 36) == 36 ? o.easy : o.hard, 1);

  const bool practice = ConfigFile::readString(keys::Mode, "P") == "P";
  media::setControlState(practice ? o.practice : o.tournament, 1);
  enableTimeControls(!practice);

  const int colours = ConfigFile::readInt(keys::Colors, 4);
  setSlider(o.colourSlider, colours, 3, 5);
  media::setControlText(o.colourLabel, colourLabelText(colours));

  const int time = ConfigFile::readInt(keys::Time, 3600);
  setSlider(o.timeSlider, time / TimeStep, 1, 12);
  media::setControlText(o.timeLabel, timeLabelText(time));

  media::setControlState(o.undoBox, ConfigFile::readInt(keys::Undo, 1) != 0);

  const int sound = ConfigFile::readInt(keys::Sound, 1) != 0;
  media::setControlState(o.soundBox, sound);
  enableVolumeControls(sound);

  const int volume = ConfigFile::readInt(keys::Vol, 100);
  setSlider(o.volumeSlider, volume / VolumeStep, 1, 10);
  media::setControlText(o.volumeLabel, volumeLabelText(volume));
}

StoredOptions readStoredOptions() {
  StoredOptions s;
  s.colours = ConfigFile::readInt(keys::Colors, 3);
  s.size = ConfigFile::readInt(keys::Size, 36);
  s.mode = ConfigFile::readString(keys::Mode, "P");
  s.time = ConfigFile::readInt(keys::Time, 3600);
  s.undo = ConfigFile::readInt(keys::Undo, 1);
  s.sound = ConfigFile::readInt(keys::Sound, 1);
  s.volume = ConfigFile::readInt(keys::Vol, 100);
  return s;
}

// Writes what the control now shows when it differs from the stored value.
// An option button counts only when it is the selected one of its pair.
void handleChange(int control) {
  const OptionsWindow& o = Options;
  const StoredOptions stored = readStoredOptions();
  const int state = media::controlState(control);
  if (control == o.easy || control == o.hard) {
    const int size = control == o.easy ? 36 : 24;
    if (state == 1 && stored.size != size) ConfigFile::writeInt(keys::Size, size);
  } else if (control == o.practice || control == o.tournament) {
    const std::string mode = control == o.practice ? "P" : "T";
    if (state == 1 && stored.mode != mode) {
      ConfigFile::writeString(keys::Mode, mode);
      enableTimeControls(mode == "T");
    }
  } else if (control == o.colourSlider) {
    if (state != stored.colours) {
      ConfigFile::writeInt(keys::Colors, state);
      media::setControlText(o.colourLabel, colourLabelText(state));
    }
  } else if (control == o.timeSlider) {
    const int time = state * TimeStep;
    if (time != stored.time) {
      ConfigFile::writeInt(keys::Time, time);
      media::setControlText(o.timeLabel, timeLabelText(time));
    }
  } else if (control == o.undoBox) {
    ConfigFile::writeInt(keys::Undo, state);
  } else if (control == o.soundBox) {
    ConfigFile::writeInt(keys::Sound, state);
    enableVolumeControls(state);
  } else if (control == o.volumeSlider) {
    const int volume = state * VolumeStep;
    if (volume != stored.volume) {
      ConfigFile::writeInt(keys::Vol, volume);
      media::setControlText(o.volumeLabel, volumeLabelText(volume));
    }
  }
}

}  // namespace

void openOptionsWindowSteps() {
  Options = {};
  media::disableWindow(ids::MainWindow, 1);
  dialogs::openDialogWindow(ids::OptionsWindow, Width, Height, Title, ids::MainWindow);
  createControls();
  ConfigFile::open(ids::ConfigFileName);
  ConfigFile::selectGroup(keys::Settings);
  showStoredValues();
}

int optionsWindowPass() {
  const int kind = dialogs::waitDialogEvent(ids::OptionsWindow);
  const bool closing = kind == media::EventCloseWindow ||
                       (kind == media::EventControl && media::eventObject() == Options.close);
  if (closing) {
    ConfirmQuit();
    return 0;
  }
  if (kind == media::EventControl) handleChange(media::eventObject());
  return 1;
}

void openOptionsWindow() {
  openOptionsWindowSteps();
  while (optionsWindowPass()) {
  }
}
