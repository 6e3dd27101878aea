// Message boxes and documents on the Qt back end: a box is a modal
// QMessageBox with the icon and buttons of its kind, and a document goes to
// the desktop services as a URL, a relative path made absolute first.
#include <QApplication>
#include <QDir>
#include <QEvent>
#include <QMessageBox>

#include <vector>

#include "qt_test_support.h"

namespace media::qt::test {
namespace {

using DialogsOnQt = QtBackend;

// Notes how each message box looks as it is shown.
class BoxWatcher : public QObject {
 public:
  struct Seen {
    QString title, text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
    Qt::WindowModality modality = Qt::NonModal;
  };
  std::vector<Seen> seen;

  BoxWatcher() { QApplication::instance()->installEventFilter(this); }
  ~BoxWatcher() override { QApplication::instance()->removeEventFilter(this); }

  bool eventFilter(QObject* watched, QEvent* event) override {
    auto* box = qobject_cast<QMessageBox*>(watched);
    if (box && event->type() == QEvent::Show && !event->spontaneous())
      seen.push_back({box->windowTitle(), box->text(), box->icon(), box->standardButtons(), box->windowModality()});
    return false;
  }
};

TEST_F(DialogsOnQt, AMessageBoxIsModalWithTheIconAndButtonsOfItsKind) {
  BoxWatcher watcher;
  EXPECT_EQ(messageBox("Library Error", "Unable to import Images", BoxErrorOk), ButtonOk);
  EXPECT_EQ(messageBox("About", "Free Mirel!", BoxInformationOk), ButtonOk);
  testing::answerMessageBox(ButtonYes);
  EXPECT_EQ(messageBox("Quit", "Really?", BoxWarningYesNo), ButtonYes);
  ASSERT_EQ(watcher.seen.size(), 3u);
  EXPECT_EQ(watcher.seen[0].title, "Library Error");
  EXPECT_EQ(watcher.seen[0].text, "Unable to import Images");
  EXPECT_EQ(watcher.seen[0].icon, QMessageBox::Critical);
  EXPECT_EQ(watcher.seen[0].buttons, QMessageBox::Ok);
  EXPECT_EQ(watcher.seen[1].icon, QMessageBox::Information);
  EXPECT_EQ(watcher.seen[1].buttons, QMessageBox::Ok);
  EXPECT_EQ(watcher.seen[2].icon, QMessageBox::Warning);
  EXPECT_EQ(watcher.seen[2].buttons, QMessageBox::Yes | QMessageBox::No);
  for (const BoxWatcher::Seen& box : watcher.seen) EXPECT_EQ(box.modality, Qt::ApplicationModal);
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr) << "every box is gone once answered";
}

TEST_F(DialogsOnQt, ARelativePathIsHandedOverAsAnAbsoluteFile) {
  const std::size_t before = testing::openedDocuments().size();
  ASSERT_EQ(openDocument("docs/Help.pdf"), 1);
  const std::vector<std::string> opened = testing::openedDocuments();
  ASSERT_EQ(opened.size(), before + 1);
  EXPECT_EQ(opened.back(), QDir::current().absoluteFilePath("docs/Help.pdf").toStdString());
}

}  // namespace
}  // namespace media::qt::test
