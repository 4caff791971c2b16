#include "tools/container/ContainerScript.h"

#include <QStringList>

#include "platform/com/Blocks.h"

namespace vantorel::container {
namespace {

std::optional<QPoint> parsePoint(const QString& text) {
  const QStringList parts = text.split(u',');
  if (parts.size() != 2) return std::nullopt;
  bool okX = false, okY = false;
  const int x = parts[0].trimmed().toInt(&okX);
  const int y = parts[1].trimmed().toInt(&okY);
  if (!okX || !okY) return std::nullopt;
  return QPoint(x, y);
}

std::optional<QSize> parseSize(const QString& text) {
  const QStringList parts = text.toLower().split(u'x');
  if (parts.size() != 2) return std::nullopt;
  bool okW = false, okH = false;
  const int w = parts[0].toInt(&okW);
  const int h = parts[1].toInt(&okH);
  if (!okW || !okH || w <= 0 || h <= 0 || w > 8000 || h > 8000) return std::nullopt;
  return QSize(w, h);
}

// Splits "a, "b,c", [1, 2], 3" at top-level commas, leaving quoted and bracketed commas alone.
std::optional<QStringList> splitArguments(const QString& text) {
  QStringList out;
  QString current;
  bool quoted = false;
  int depth = 0;
  for (qsizetype i = 0; i < text.size(); ++i) {
    const QChar c = text[i];
    if (quoted && c == u'\\' && i + 1 < text.size()) {
      current += c;
      current += text[++i];
      continue;
    }
    if (c == u'"') quoted = !quoted;
    if (!quoted && c == u'[') ++depth;
    if (!quoted && c == u']') --depth;
    if (c == u',' && !quoted && depth == 0) {
      out << current.trimmed();
      current.clear();
      continue;
    }
    current += c;
  }
  if (quoted || depth != 0) return std::nullopt;
  if (!current.trimmed().isEmpty() || !out.isEmpty()) out << current.trimmed();
  return out;
}

bool setMemberName(const QString& name, MemberCall& call) {
  if (name.startsWith(u'#')) {
    bool ok = false;
    call.dispid = name.mid(1).toInt(&ok);
    return ok;
  }
  if (name.isEmpty()) return false;
  for (QChar c : name) {
    if (!c.isLetterOrNumber() && c != u'_') return false;
  }
  call.name = name;
  return true;
}

// "[2, 0, 5]": a new block of 32-bit integers, by address.
std::optional<com::Variant> intBlock(const QString& inner) {
  std::vector<int32_t> values;
  if (!inner.trimmed().isEmpty()) {
    for (const QString& part : inner.split(u',')) {
      bool ok = false;
      const qlonglong n = part.trimmed().toLongLong(&ok, 0);
      if (!ok || n < INT32_MIN || n > INT32_MAX) return std::nullopt;
      values.push_back(static_cast<int32_t>(n));
    }
  }
  const intptr_t address = com::newIntBlock(values);
  if (!address) return std::nullopt;
  return com::Variant::fromAddress(address);
}

// x"0a0b0c": a new byte block, by address.
std::optional<com::Variant> byteBlock(const QString& hex) {
  if (hex.size() % 2 != 0) return std::nullopt;
  std::string bytes;
  for (qsizetype i = 0; i < hex.size(); i += 2) {
    bool ok = false;
    const int byte = hex.mid(i, 2).toInt(&ok, 16);
    if (!ok || hex[i] == u'+' || hex[i] == u'-') return std::nullopt;
    bytes += static_cast<char>(byte);
  }
  const intptr_t address = com::newByteBlock(bytes);
  if (!address) return std::nullopt;
  return com::Variant::fromAddress(address);
}

}  // namespace

std::optional<com::Variant> parseArgument(const QString& raw) {
  const QString text = raw.trimmed();
  if (text.startsWith(u'[') && text.endsWith(u']')) return intBlock(text.mid(1, text.size() - 2));
  if (text.size() >= 3 && text.startsWith(u"x\""_qs) && text.endsWith(u'"'))
    return byteBlock(text.mid(2, text.size() - 3));
  if (text == u"true"_qs) return com::Variant::fromBool(true);
  if (text == u"false"_qs) return com::Variant::fromBool(false);
  if (text.size() >= 2 && text.startsWith(u'"') && text.endsWith(u'"')) {
    QString s;
    for (qsizetype i = 1; i + 1 < text.size(); ++i) {
      if (text[i] == u'\\' && i + 2 < text.size()) ++i;
      s += text[i];
    }
    return com::Variant::fromString(s);
  }
  bool ok = false;
  const qlonglong n = text.toLongLong(&ok, 0);
  if (!ok) return std::nullopt;
  if (n >= INT32_MIN && n <= INT32_MAX) return com::Variant::fromLong(static_cast<int32_t>(n));
  return com::Variant::fromAddress(static_cast<intptr_t>(n));
}

std::optional<MemberCall> parseCall(const QString& raw, QString* error) {
  const QString text = raw.trimmed();
  MemberCall call;
  const qsizetype open = text.indexOf(u'(');
  const QString name = open < 0 ? text : text.left(open).trimmed();
  if (!setMemberName(name, call)) {
    if (error) *error = u"bad member name in: "_qs + raw;
    return std::nullopt;
  }
  if (open < 0) return call;
  if (!text.endsWith(u')')) {
    if (error) *error = u"missing ')' in: "_qs + raw;
    return std::nullopt;
  }
  const auto parts = splitArguments(text.mid(open + 1, text.size() - open - 2));
  if (!parts) {
    if (error) *error = u"unterminated string in: "_qs + raw;
    return std::nullopt;
  }
  for (const QString& p : *parts) {
    auto v = parseArgument(p);
    if (!v) {
      if (error) *error = u"bad argument '"_qs + p + u"' in: "_qs + raw;
      return std::nullopt;
    }
    call.args.push_back(*v);
  }
  return call;
}

std::optional<MemberCall> parsePut(const QString& raw, QString* error) {
  const qsizetype eq = raw.indexOf(u'=');
  MemberCall call;
  call.kind = com::InvokeKind::PropertyPut;
  if (eq < 0 || !setMemberName(raw.left(eq).trimmed(), call)) {
    if (error) *error = u"expected Name=value, got: "_qs + raw;
    return std::nullopt;
  }
  auto v = parseArgument(raw.mid(eq + 1));
  if (!v) {
    if (error) *error = u"bad value in: "_qs + raw;
    return std::nullopt;
  }
  call.args.push_back(*v);
  return call;
}

ScriptParse parseCommandLine(const QStringList& args) {
  Script script;
  auto fail = [](const QString& message) { return ScriptParse{std::nullopt, message}; };
  for (qsizetype i = 0; i < args.size(); ++i) {
    const QString& option = args[i];
    if (option == u"--list"_qs) {
      script.list = true;
      continue;
    }
    if (option == u"--clipboard"_qs) {
      if (script.classToCreate.isEmpty()) return fail(option + u" comes before --create"_qs);
      Action action;
      action.kind = Action::Kind::Clipboard;
      script.actions.push_back(action);
      continue;
    }
    if (i + 1 >= args.size()) return fail(option + u" needs a value"_qs);
    const QString value = args[++i];
    QString error;
    Action action;
    if (option == u"--registry"_qs) {
      script.registryFile = value;
      continue;
    } else if (option == u"--describe"_qs) {
      script.describe = value;
      continue;
    } else if (option == u"--create"_qs) {
      script.classToCreate = value;
      continue;
    } else if (option == u"--size"_qs) {
      auto size = parseSize(value);
      if (!size) return fail(u"--size wants WxH, got: "_qs + value);
      script.size = *size;
      continue;
    } else if (option == u"--call"_qs || option == u"--get"_qs || option == u"--put"_qs) {
      auto call = option == u"--put"_qs ? parsePut(value, &error) : parseCall(value, &error);
      if (!call) return fail(error);
      if (option == u"--get"_qs) {
        if (!call->args.empty()) return fail(u"--get takes a bare name: "_qs + value);
        call->kind = com::InvokeKind::PropertyGet;
      }
      action.kind = Action::Kind::Call;
      action.call = *call;
    } else if (option == u"--move"_qs || option == u"--click"_qs || option == u"--dblclick"_qs) {
      auto point = parsePoint(value);
      if (!point) return fail(option + u" wants X,Y, got: "_qs + value);
      action.kind = option == u"--move"_qs    ? Action::Kind::Move
                    : option == u"--click"_qs ? Action::Kind::Click
                                              : Action::Kind::DoubleClick;
      action.point = *point;
    } else if (option == u"--key"_qs) {
      action.kind = Action::Kind::Key;
      action.text = value;
    } else if (option == u"--wait"_qs) {
      bool ok = false;
      action.milliseconds = value.toInt(&ok);
      if (!ok || action.milliseconds < 0) return fail(u"--wait wants milliseconds, got: "_qs + value);
      action.kind = Action::Kind::Wait;
    } else if (option == u"--clipboard-image"_qs) {
      action.kind = Action::Kind::ClipboardImage;
      action.text = value;
    } else if (option == u"--grab"_qs) {
      action.kind = Action::Kind::Grab;
      action.text = value;
    } else if (option == u"--answer"_qs) {
      const QString a = value.toLower();
      if (a != u"ok"_qs && a != u"cancel"_qs && a != u"yes"_qs && a != u"no"_qs && a != u"retry"_qs)
        return fail(u"--answer wants ok, cancel, yes, no or retry, got: "_qs + value);
      action.kind = Action::Kind::Answer;
      action.text = a;
    } else {
      return fail(u"unknown option: "_qs + option);
    }
    if (script.classToCreate.isEmpty()) return fail(option + u" comes before --create"_qs);
    script.actions.push_back(action);
  }
  if (!script.list && script.describe.isEmpty() && script.classToCreate.isEmpty())
    return fail(u"nothing to do: give --create, --describe or --list"_qs);
  return ScriptParse{script, {}};
}

}  // namespace vantorel::container
