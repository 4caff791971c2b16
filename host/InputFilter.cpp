#include "host/InputFilter.h"

#include <QKeyEvent>
#include <QMouseEvent>

#include "host/CQuillet2App.h"
#include "platform/messages/WindowMessages.h"

namespace vantorel::host {

bool InputFilter::eventFilter(QObject* watched, QEvent* event) {
  switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
      if (static_cast<QMouseEvent*>(event)->button() == Qt::RightButton) return true;
      break;
    case QEvent::ContextMenu: return true;
    case QEvent::KeyPress: {
      const auto key = static_cast<QKeyEvent*>(event)->key();
      if ((key == Qt::Key_Return || key == Qt::Key_Enter) && app_.browseEditWindow &&
          watched == app_.browseEditWindow.data()) {
        messages::sendMessage(app_.browseViewWindow.data(), messages::kBrowseGo);
        return true;
      }
      break;
    }
    default: break;
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace vantorel::host
