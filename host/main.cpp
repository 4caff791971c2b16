// Pelorin, the host program. Until its application object arrives this is a small window that
// shows which components are installed beside it.
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QVBoxLayout>
#include <QWidget>

#include "platform/com/VersionResource.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QWidget window;
  window.setWindowTitle(u"Vantorel - Pelorin"_qs);
  auto* layout = new QVBoxLayout(&window);
  auto* title = new QLabel(u"<h2>Vantorel</h2><p>Διαδραστική χημεία για το σχολείο</p>"_qs);
  layout->addWidget(title);
  const QDir components(QCoreApplication::applicationDirPath() + u"/ActiveX"_qs);
  QString list = u"<p>Συστατικά:</p><ul>"_qs;
  for (const QString& file : components.entryList({u"*.ocx"_qs}, QDir::Files, QDir::Name)) {
    const auto v = vantorel::com::readFileVersion(components.filePath(file).toStdString());
    list += u"<li>%1 — %2.%3.%4.%5</li>"_qs.arg(file)
                .arg(v.high >> 16)
                .arg(v.high & 0xFFFF)
                .arg(v.low >> 16)
                .arg(v.low & 0xFFFF);
  }
  layout->addWidget(new QLabel(list + u"</ul>"_qs));
  window.resize(640, 480);
  window.show();
  return app.exec();
}
