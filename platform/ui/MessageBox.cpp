#include "platform/ui/MessageBox.h"

#include <QMessageBox>
#include <QPushButton>

namespace vantorel::ui {
namespace {

class DialogMessageBoxes : public MessageBoxService {
 public:
  Answer show(QWidget* parent, const QString& text, const QString& caption, Buttons buttons, Icon icon) override {
    QMessageBox box(parent);
    box.setWindowTitle(caption);
    box.setText(text);
    switch (icon) {
      case Icon::None: box.setIcon(QMessageBox::NoIcon); break;
      case Icon::Information: box.setIcon(QMessageBox::Information); break;
      case Icon::Warning: box.setIcon(QMessageBox::Warning); break;
      case Icon::Error: box.setIcon(QMessageBox::Critical); break;
      case Icon::Question: box.setIcon(QMessageBox::Question); break;
    }
    // Greek captions on the buttons, as the rest of the interface.
    auto add = [&](const QString& label, QMessageBox::ButtonRole role, Answer answer) {
      QPushButton* b = box.addButton(label, role);
      b->setProperty("answer", static_cast<int>(answer));
      return b;
    };
    QPushButton* first = nullptr;
    switch (buttons) {
      case Buttons::Ok: first = add(u"OK"_qs, QMessageBox::AcceptRole, Answer::Ok); break;
      case Buttons::OkCancel:
        first = add(u"OK"_qs, QMessageBox::AcceptRole, Answer::Ok);
        add(u"Άκυρο"_qs, QMessageBox::RejectRole, Answer::Cancel);
        break;
      case Buttons::YesNo:
        first = add(u"Ναι"_qs, QMessageBox::YesRole, Answer::Yes);
        add(u"Όχι"_qs, QMessageBox::NoRole, Answer::No);
        break;
      case Buttons::YesNoCancel:
        first = add(u"Ναι"_qs, QMessageBox::YesRole, Answer::Yes);
        add(u"Όχι"_qs, QMessageBox::NoRole, Answer::No);
        add(u"Άκυρο"_qs, QMessageBox::RejectRole, Answer::Cancel);
        break;
      case Buttons::RetryCancel:
        first = add(u"Επανάληψη"_qs, QMessageBox::AcceptRole, Answer::Retry);
        add(u"Άκυρο"_qs, QMessageBox::RejectRole, Answer::Cancel);
        break;
    }
    box.setDefaultButton(first);
    box.exec();
    auto* clicked = box.clickedButton();
    if (!clicked) return buttons == Buttons::Ok ? Answer::Ok : buttons == Buttons::YesNo ? Answer::No : Answer::Cancel;
    return static_cast<Answer>(clicked->property("answer").toInt());
  }
};

MessageBoxService*& installed() {
  static MessageBoxService* service = nullptr;
  return service;
}

}  // namespace

MessageBoxService::~MessageBoxService() = default;

Answer MessageBoxService::showCustom(QWidget*, const QString&, const QString&, const std::function<Answer()>& dialog) {
  return dialog ? dialog() : Answer::Ok;
}

MessageBoxService& messageBoxes() {
  static DialogMessageBoxes dialogs;
  return installed() ? *installed() : dialogs;
}

void setMessageBoxService(MessageBoxService* service) {
  installed() = service;
}

Answer messageBox(const QString& text, const QString& caption, Buttons buttons, Icon icon, QWidget* parent) {
  return messageBoxes().show(parent, text, caption, buttons, icon);
}

Answer customMessage(QWidget* parent, const QString& text, const QString& caption,
                     const std::function<Answer()>& dialog) {
  return messageBoxes().showCustom(parent, text, caption, dialog);
}

Answer defaultAnswer(Buttons buttons) {
  switch (buttons) {
    case Buttons::Ok:
    case Buttons::OkCancel: return Answer::Ok;
    case Buttons::YesNo:
    case Buttons::YesNoCancel: return Answer::Yes;
    case Buttons::RetryCancel: return Answer::Retry;
  }
  return Answer::Ok;
}

RecordingMessageBoxes::RecordingMessageBoxes() : previous_(installed()) {
  setMessageBoxService(this);
}

RecordingMessageBoxes::~RecordingMessageBoxes() {
  setMessageBoxService(previous_);
}

Answer RecordingMessageBoxes::show(QWidget*, const QString& text, const QString& caption, Buttons buttons, Icon icon) {
  shown_.push_back({text, caption, buttons, icon});
  if (answers_.empty()) return defaultAnswer(buttons);
  const Answer a = answers_.front();
  answers_.pop_front();
  return a;
}

}  // namespace vantorel::ui

namespace vantorel::ui {

Answer RecordingMessageBoxes::showCustom(QWidget* parent, const QString& text, const QString& caption,
                                         const std::function<Answer()>&) {
  return show(parent, text, caption, Buttons::Ok, Icon::None);
}

}  // namespace vantorel::ui
