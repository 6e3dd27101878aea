// The Qt test driver's stand-ins for the user and the desktop (see
// stand_ins.h), and the driver functions that feed and read them.
#include "media/qt/testing/stand_ins.h"

#include <QAbstractButton>
#include <QAction>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QEvent>
#include <QMenu>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>
#include <QUrl>

#include <algorithm>
#include <deque>
#include <string>
#include <vector>

#include "media/backend.h"
#include "media/core/core.h"
#include "media/core/sound_output.h"
#include "media/qt/qt_internal.h"
#include "media/qt/window_widget.h"
#include "media/testing.h"

namespace media::qt::standins {
namespace {

constexpr const char* documentSchemes[] = {"file", "http", "https", "mailto"};

struct MenuChoice {
  int menu = -1;
  int item = -1;
};

// What the tests queued and what the stand-ins saw. It lasts the whole run, as
// a test may start the toolkit more than once.
struct Records {
  std::deque<int> boxAnswers;
  std::vector<testing::ShownMessageBox> boxes;
  std::vector<std::string> documents;
  std::deque<MenuChoice> menuChoices;
  int mouseMoves = 0;
  int menuHoldMs = 0;
};

Records& records() {
  static Records instance;
  return instance;
}

// The back end gives each kind of box its own icon.
int kindOf(const QMessageBox& box) {
  if (box.icon() == QMessageBox::Critical) return BoxErrorOk;
  if (box.icon() == QMessageBox::Warning) return BoxWarningYesNo;
  return BoxInformationOk;
}

// The button the user presses: the next queued answer when the box has that
// button, else the safe one. A queued answer is used up either way.
QMessageBox::StandardButton buttonFor(int kind) {
  const bool yesNo = kind == BoxWarningYesNo;
  int answer = yesNo ? ButtonNo : ButtonOk;
  std::deque<int>& queued = records().boxAnswers;
  if (!queued.empty()) {
    const int wanted = queued.front();
    queued.pop_front();
    if (yesNo ? (wanted == ButtonYes || wanted == ButtonNo) : wanted == ButtonOk) answer = wanted;
  }
  if (answer == ButtonYes) return QMessageBox::Yes;
  if (answer == ButtonNo) return QMessageBox::No;
  return QMessageBox::Ok;
}

void answer(QMessageBox& box) {
  const int kind = kindOf(box);
  records().boxes.push_back({box.windowTitle().toStdString(), box.text().toStdString(), kind});
  const QMessageBox::StandardButton button = buttonFor(kind);
  // exec() enters the box's event loop once the box is shown: press from there.
  QTimer::singleShot(0, &box, [&box, button] {
    if (QAbstractButton* pressed = box.button(button))
      pressed->click();
    else
      box.reject();
  });
}

QAction* actionWithItem(const QMenu& menu, int item) {
  for (QAction* action : menu.actions())
    if (!action->isSeparator() && action->data().toInt() == item) return action;
  return nullptr;
}

void answer(QMenu& menu) {
  std::deque<MenuChoice>& choices = records().menuChoices;
  const auto choice = std::find_if(choices.begin(), choices.end(), [&](const MenuChoice& queued) {
    const MenuRecord* record = core::findMenu(queued.menu);
    return record && record->native == static_cast<QObject*>(&menu);
  });
  QPointer<QAction> chosen;
  if (choice != choices.end()) {
    chosen = actionWithItem(menu, choice->item);
    choices.erase(choice);
  }
  // Chosen from the event loop once the menu is shown. As a click on an item
  // does, the menu closes before the item triggers.
  QTimer::singleShot(records().menuHoldMs, &menu, [&menu, chosen] {
    menu.hide();
    if (chosen) chosen->trigger();
  });
}

// Watches every event of the application and takes the documents handed to
// the desktop.
class StandIns : public QObject {
  Q_OBJECT

 public:
  explicit StandIns(QObject* parent) : QObject(parent) {
    for (const char* scheme : documentSchemes) QDesktopServices::setUrlHandler(scheme, this, "takeDocument");
  }
  ~StandIns() override {
    for (const char* scheme : documentSchemes) QDesktopServices::unsetUrlHandler(scheme);
  }

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::MouseMove && dynamic_cast<WindowWidget*>(watched)) ++records().mouseMoves;
    if (event->type() == QEvent::Show && !event->spontaneous()) {
      if (auto* box = qobject_cast<QMessageBox*>(watched))
        answer(*box);
      else if (auto* menu = qobject_cast<QMenu*>(watched))
        answer(*menu);
    }
    return false;
  }

 public slots:
  void takeDocument(const QUrl& url) {
    const QString document = url.isLocalFile() ? url.toLocalFile() : url.toString();
    records().documents.push_back(document.toStdString());
  }
};

void install() {
  QCoreApplication* application = QCoreApplication::instance();
  application->installEventFilter(new StandIns(application));
  core::setSoundOutput(&openAlLoopbackOutput());
}

// Runs in the constructor of every QApplication of the test.
Q_COREAPP_STARTUP_FUNCTION(install)

}  // namespace

int windowMouseMoves() { return records().mouseMoves; }

void holdMenusOpen(int ms) { records().menuHoldMs = ms > 0 ? ms : 0; }

}  // namespace media::qt::standins

namespace media::testing {

using qt::standins::records;

void answerMessageBox(int button) { records().boxAnswers.push_back(button); }

std::vector<ShownMessageBox> shownMessageBoxes() { return records().boxes; }

std::vector<std::string> openedDocuments() { return records().documents; }

int chooseMenuItem(int menu, int item) {
  const MenuRecord* record = core::findMenu(menu);
  if (!record || item < 0) return 0;
  for (const MenuItem& entry : record->items)
    if (entry.item == item) {
      records().menuChoices.push_back({menu, item});
      return 1;
    }
  return 0;
}

}  // namespace media::testing

#include "stand_ins.moc"
