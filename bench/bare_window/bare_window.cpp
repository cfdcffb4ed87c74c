// The start-up benchmark's anchors: a minimal Qt program that shows a bare
// window of the main menu's size, or with "--text" the same window with one
// line of text in it (Qt then loads its fonts, which any window with text
// pays for). Once its first paint has reached the screen it says "shown" on
// the standard output and ends.
#include <QApplication>
#include <QLabel>
#include <QVBoxLayout>
#include <QWidget>

#include <cstdio>
#include <cstring>

namespace {

class BareWindow : public QWidget {
 protected:
  void paintEvent(QPaintEvent*) override {
    if (shown_) return;
    shown_ = true;
    QMetaObject::invokeMethod(
        this,
        [] {
          std::puts("shown");
          std::fflush(stdout);
          QCoreApplication::exit(0);
        },
        Qt::QueuedConnection);
  }

 private:
  bool shown_ = false;
};

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  BareWindow w;
  w.resize(1160, 700);
  if (argc > 1 && std::strcmp(argv[1], "--text") == 0) (new QVBoxLayout(&w))->addWidget(new QLabel("Select Mode", &w));
  w.show();
  return app.exec();
}
