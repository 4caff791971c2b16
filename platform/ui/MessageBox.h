#pragma once

#include <QString>
#include <deque>
#include <functional>
#include <vector>

class QWidget;

// The message-box service. Every message box of the system goes through it, so that tests can
// read what was shown and give answers without a modal loop.
namespace vantorel::ui {

enum class Buttons { Ok, OkCancel, YesNo, YesNoCancel, RetryCancel };
enum class Icon { None, Information, Warning, Error, Question };
// The platform's answer codes.
enum class Answer { Ok = 1, Cancel = 2, Retry = 4, Yes = 6, No = 7 };

class MessageBoxService {
 public:
  virtual ~MessageBoxService();
  virtual Answer show(QWidget* parent, const QString& text, const QString& caption, Buttons buttons, Icon icon) = 0;
  // A message in a dialog of the caller's own design; the real service runs `dialog`.
  virtual Answer showCustom(QWidget* parent, const QString& text, const QString& caption,
                            const std::function<Answer()>& dialog);
};

// The service in use: the real dialogs unless a test or tool installed another.
[[nodiscard]] MessageBoxService& messageBoxes();
// Installs `service` (not owned); null puts the real dialogs back.
void setMessageBoxService(MessageBoxService* service);

// Shortcut through the service in use.
Answer messageBox(const QString& text, const QString& caption, Buttons buttons = Buttons::Ok, Icon icon = Icon::None,
                  QWidget* parent = nullptr);
// A message that a component shows in a dialog of its own: `dialog` runs it and gives the
// answer. Through the service, so that tests record it like any other box.
Answer customMessage(QWidget* parent, const QString& text, const QString& caption,
                     const std::function<Answer()>& dialog);

// A service that shows nothing: it records each box and answers from a queue (or with the
// first button when the queue is empty). Installs itself while it lives.
class RecordingMessageBoxes : public MessageBoxService {
 public:
  struct Shown {
    QString text;
    QString caption;
    Buttons buttons;
    Icon icon;
  };

  RecordingMessageBoxes();
  ~RecordingMessageBoxes() override;
  Answer show(QWidget* parent, const QString& text, const QString& caption, Buttons buttons, Icon icon) override;
  // Recorded as an OK box; the dialog itself is not shown.
  Answer showCustom(QWidget* parent, const QString& text, const QString& caption,
                    const std::function<Answer()>& dialog) override;

  void queueAnswer(Answer answer) { answers_.push_back(answer); }
  [[nodiscard]] const std::vector<Shown>& shown() const { return shown_; }
  void clear() { shown_.clear(); }

 private:
  MessageBoxService* previous_;
  std::vector<Shown> shown_;
  std::deque<Answer> answers_;
};

// The first button of a set, the answer Enter gives.
[[nodiscard]] Answer defaultAnswer(Buttons buttons);

}  // namespace vantorel::ui
