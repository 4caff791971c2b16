#include "tools/container/ContainerWindow.h"

#include <QApplication>
#include <QClipboard>
#include <QEventLoop>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QSaveFile>
#include <QTimer>

#include "platform/com/Blocks.h"
#include "platform/com/Creation.h"
#include "platform/messages/WindowMessages.h"

namespace vantorel::container {
namespace {

constexpr int kControlChildId = 1;

QString memberLabel(const com::Control* control, const MemberCall& call, int dispid) {
  if (const auto* info = control->dispatchTable().find(dispid)) return QString::fromStdString(info->name);
  return call.name.isEmpty() ? u"#"_qs + QString::number(dispid) : call.name;
}

// The window as a person sees it: drop-down lists and other pop-ups are windows of their own,
// drawn over the control.
QPixmap screenOf(QWidget* window) {
  QPixmap shot = window->grab();
  QPainter painter(&shot);
  for (QWidget* w : QApplication::topLevelWidgets()) {
    if (w != window && w->isVisible() && w->windowType() == Qt::Popup)
      painter.drawPixmap(window->mapFromGlobal(w->mapToGlobal(QPoint(0, 0))), w->grab());
  }
  return shot;
}

void settle() {
  QCoreApplication::processEvents(QEventLoop::AllEvents);
  QCoreApplication::sendPostedEvents();
  QCoreApplication::processEvents(QEventLoop::AllEvents);
}

// A value as printed; an address of a block that the block service knows prints the block.
QString displayed(const com::Variant& value) {
  if (value.type() != com::Variant::Type::Address) return value.display();
  const auto kind = com::blockKind(value.toAddress());
  if (!kind) return value.display();
  QStringList parts;
  if (*kind == com::BlockKind::Ints) {
    for (int32_t v : com::readIntBlock(value.toAddress()).value_or(std::vector<int32_t>{})) parts << QString::number(v);
    return u'[' + parts.join(u", "_qs) + u']';
  }
  const std::string bytes = com::readByteBlock(value.toAddress()).value_or(std::string());
  return u"x\""_qs + QString::fromLatin1(QByteArray::fromStdString(bytes).toHex()) + u'"';
}

}  // namespace

bool ControlSite::event(QEvent* event) {
  if (const auto* m = messages::asWindowMessage(event)) {
    out_ << "window-message 0x" << QString::number(m->message(), 16).rightJustified(4, u'0') << "(" << m->wParam()
         << ", " << m->lParam() << ")\n";
    out_.flush();
    return true;
  }
  return QWidget::event(event);
}

ContainerWindow::ContainerWindow(QTextStream& out, QTextStream& err) : out_(out), err_(err) {
  // Controls that look for the program's frame by its title find this one.
  setWindowTitle(u"Vantorel - control container"_qs);
  site_ = new ControlSite(this, out_);
}

ContainerWindow::~ContainerWindow() = default;

bool ContainerWindow::create(const QString& classIdOrProgId, const QSize& size) {
  const com::CreateResult result = com::createControl(classIdOrProgId.toStdString());
  if (!result.control) {
    err_ << "cannot create " << classIdOrProgId << ": " << result.error << "\n";
    return false;
  }
  control_ = result.control;
  resize(size);
  site_->setGeometry(0, 0, size.width(), size.height());
  messages::setChildId(site_, 1);
  control_->advise([this](int dispid, std::vector<com::Variant>& args) {
    const auto* info = control_ ? control_->findEvent(dispid) : nullptr;
    out_ << "event " << (info ? QString::fromStdString(info->name) : u"#"_qs + QString::number(dispid)) << "(";
    for (size_t i = 0; i < args.size(); ++i) out_ << (i ? ", " : "") << args[i].display();
    out_ << ")\n";
    out_.flush();
  });
  control_->createWindow(site_, kControlChildId, QRect(QPoint(0, 0), size), true);
  show();
  activateWindow();
  QApplication::setActiveWindow(this);
  settle();
  return true;
}

bool ContainerWindow::runCall(const MemberCall& call) {
  if (!control_) {
    err_ << "the control is gone\n";
    return false;
  }
  int dispid = call.dispid;
  if (!call.name.isEmpty()) {
    const auto* info = control_->dispatchTable().findByName(call.name.toStdString());
    if (!info) {
      err_ << call.name << " -> error: unknown member\n";
      return false;
    }
    dispid = info->dispid;
  }
  const com::InvokeResult result = control_->invoke(dispid, call.kind, call.args);
  const QString label = memberLabel(control_, call, dispid);
  if (!result.ok()) {
    err_ << label << " -> error: " << com::statusText(result.status) << "\n";
    return false;
  }
  // A put shows the value it stored, as the member's declared type.
  com::Variant shown = result.value;
  if (call.kind == com::InvokeKind::PropertyPut) {
    const auto* info = control_->dispatchTable().find(dispid);
    shown = info ? call.args[0].convertedTo(info->result).value_or(call.args[0]) : call.args[0];
  }
  out_ << label << " -> " << displayed(shown) << "\n";
  out_.flush();
  return true;
}

void ContainerWindow::sendMouse(const QPoint& point, bool press, bool doubleClick) {
  QWidget* target = site_->childAt(point);
  if (!target) target = control_ ? static_cast<QWidget*>(control_) : site_;
  const QPointF local = target->mapFrom(site_, point);
  const QPointF global = site_->mapToGlobal(point);
  if (!press) {
    QMouseEvent move(QEvent::MouseMove, local, global, Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(target, &move);
    return;
  }
  // A real click gives the keyboard focus to a widget that takes it by clicking.
  if (target->focusPolicy() & Qt::ClickFocus) target->setFocus(Qt::MouseFocusReason);
  QPointer<QWidget> guard(target);
  QMouseEvent down(QEvent::MouseButtonPress, local, global, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(target, &down);
  if (guard) {
    QMouseEvent up(QEvent::MouseButtonRelease, local, global, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(target, &up);
  }
  if (doubleClick && guard) {
    QMouseEvent dbl(QEvent::MouseButtonDblClick, local, global, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &dbl);
    if (guard) {
      QMouseEvent up(QEvent::MouseButtonRelease, local, global, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
      QApplication::sendEvent(target, &up);
    }
  }
}

void ContainerWindow::sendKeys(const QString& keys) {
  static const std::pair<const char16_t*, Qt::Key> kNamed[] = {
      {u"{Enter}", Qt::Key_Return},        {u"{Tab}", Qt::Key_Tab},     {u"{Esc}", Qt::Key_Escape},
      {u"{Backspace}", Qt::Key_Backspace}, {u"{Up}", Qt::Key_Up},       {u"{Down}", Qt::Key_Down},
      {u"{Left}", Qt::Key_Left},           {u"{Right}", Qt::Key_Right}, {u"{Delete}", Qt::Key_Delete}};
  auto send = [](Qt::Key key, const QString& text) {
    QWidget* target = QApplication::focusWidget();
    if (!target) return;
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    if (QApplication::focusWidget() == target) QApplication::sendEvent(target, &release);
  };
  for (qsizetype i = 0; i < keys.size();) {
    bool named = false;
    for (const auto& [name, key] : kNamed) {
      const QString n = QString::fromUtf16(name);
      if (keys.mid(i, n.size()) == n) {
        send(key, key == Qt::Key_Return ? u"\r"_qs : QString());
        i += n.size();
        named = true;
        break;
      }
    }
    if (named) continue;
    const QChar c = keys[i++];
    send(static_cast<Qt::Key>(c.toUpper().unicode()), QString(c));
  }
}

bool ContainerWindow::run(const Action& action) {
  bool ok = true;
  switch (action.kind) {
    case Action::Kind::Call: ok = runCall(action.call); break;
    case Action::Kind::Move: sendMouse(action.point, false, false); break;
    case Action::Kind::Click: sendMouse(action.point, true, false); break;
    case Action::Kind::DoubleClick: sendMouse(action.point, true, true); break;
    case Action::Kind::Key: sendKeys(action.text); break;
    case Action::Kind::Wait: {
      QEventLoop loop;
      QTimer::singleShot(action.milliseconds, &loop, &QEventLoop::quit);
      loop.exec();
      break;
    }
    case Action::Kind::Grab: {
      settle();
      if (!screenOf(this).save(action.text, "PNG")) {
        err_ << "cannot write " << action.text << "\n";
        ok = false;
      }
      break;
    }
    case Action::Kind::Answer: break;  // handled by the message-box service
    case Action::Kind::Clipboard: {
      const QString text = QGuiApplication::clipboard()->text();
      for (const QString& line : text.split(u'\n')) {
        if (!line.isEmpty() || text.isEmpty()) out_ << "clipboard: " << QString(line).remove(u'\r') << "\n";
      }
      out_.flush();
      break;
    }
    case Action::Kind::ClipboardImage: {
      const QImage image = QGuiApplication::clipboard()->image();
      QSaveFile file(action.text);
      if (image.isNull()) {
        err_ << "the clipboard holds no image\n";
        ok = false;
      } else if (!file.open(QIODevice::WriteOnly) || !image.save(&file, "PNG") || !file.commit()) {
        err_ << "cannot write " << action.text << "\n";
        ok = false;
      }
      break;
    }
  }
  settle();
  return ok;
}

}  // namespace vantorel::container
