// The peer of the window start-up benchmark: a Qt Widgets program that does
// nothing but show a window of Arvento's size holding 136 plain widgets.

#include <QApplication>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QApplication::setStyle("Fusion");
  QWidget window;
  window.setWindowTitle("Bare window");
  window.resize(793, 562);
  auto* grid = new QGridLayout(&window);
  constexpr int kWidgets = 136;
  constexpr int kColumns = 8;
  for (int i = 0; i < kWidgets; ++i) {
    QWidget* widget = nullptr;
    switch (i % 3) {
      case 0:
        widget = new QLabel(QString("Label %1").arg(i));
        break;
      case 1:
        widget = new QPushButton(QString("Button %1").arg(i));
        break;
      default:
        widget = new QLineEdit(QString::number(i));
        break;
    }
    grid->addWidget(widget, i / kColumns, i % kColumns);
  }
  window.show();
  return application.exec();
}
