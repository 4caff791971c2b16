#pragma once

#include <QPoint>
#include <QSize>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

#include "platform/com/Dispatch.h"
#include "platform/com/Variant.h"

// The command line of the control test container, as a list of actions run in order.
namespace vantorel::container {

struct MemberCall {
  QString name;  // member name, or empty when given by number
  int dispid = 0;
  com::InvokeKind kind = com::InvokeKind::Method;
  std::vector<com::Variant> args;  // for a put: the one value
};

struct Action {
  enum class Kind { Call, Move, Click, DoubleClick, Key, Wait, Grab, Answer, Clipboard, ClipboardImage };
  Kind kind = Kind::Call;
  MemberCall call;
  QPoint point;
  QString text;  // keys, file name, answer
  int milliseconds = 0;
};

struct Script {
  QString registryFile;
  QString classToCreate;  // ProgID or {CLSID}
  QSize size{400, 300};
  bool list = false;
  QString describe;  // ProgID or {CLSID} whose members to print
  std::vector<Action> actions;
};

struct ScriptParse {
  std::optional<Script> script;
  QString error;
};

[[nodiscard]] ScriptParse parseCommandLine(const QStringList& arguments);  // without the program name

// "Name(arg, ...)", "#12(arg, ...)" or a bare "Name"; arguments are integers, true/false,
// "strings" (with \" and \\ escapes), [1, 2, 3] (the address of a new block of 32-bit integers)
// and x"0a0b" (the address of a new byte block); such blocks live until the container ends. Nothing when malformed;
// `error` says why.
[[nodiscard]] std::optional<MemberCall> parseCall(const QString& text, QString* error);
// "Name=value" for a put.
[[nodiscard]] std::optional<MemberCall> parsePut(const QString& text, QString* error);
[[nodiscard]] std::optional<com::Variant> parseArgument(const QString& text);

}  // namespace vantorel::container
