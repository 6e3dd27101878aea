// The least a Qt 6 Widgets program does to show a 620 x 544 window: the start-up
// time of mirel is measured against it.
#include <QApplication>
#include <QWidget>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QWidget window;
  window.setWindowTitle("Minimal Qt Window");
  window.setFixedSize(620, 544);
  window.show();
  return app.exec();
}
