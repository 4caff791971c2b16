#include "platform/com/Variant.h"

#include <QDebug>
#include <limits>

namespace vantorel::com {
namespace {

std::optional<int64_t> asInteger(const Variant& v) {
  switch (v.type()) {
    case Variant::Type::Short: return v.toShort();
    case Variant::Type::Long: return v.toLong();
    case Variant::Type::Bool: return v.toBool() ? -1 : 0;  // the platform's truth value
    case Variant::Type::String: {
      bool ok = false;
      const qlonglong n = v.toString().trimmed().toLongLong(&ok);
      if (ok) return n;
      const QString t = v.toString().trimmed();
      if (t.compare(u"true", Qt::CaseInsensitive) == 0) return -1;
      if (t.compare(u"false", Qt::CaseInsensitive) == 0) return 0;
      return std::nullopt;
    }
    case Variant::Type::Empty: return 0;
    case Variant::Type::Address:  // an address is no number: reading it as one would cut it
    case Variant::Type::Object:
    case Variant::Type::Any: return std::nullopt;
  }
  return std::nullopt;
}

template <typename T>
bool fits(int64_t n) {
  return n >= std::numeric_limits<T>::min() && n <= std::numeric_limits<T>::max();
}

}  // namespace

// Reading an address as a number is a caller's fault that would otherwise pass as a 0.
void Variant::warnIfAddress(const char* asWhat) const {
  if (type() == Type::Address) qWarning("vantorel::com::Variant: an address read as %s gives nothing", asWhat);
}

int16_t Variant::toShort() const {
  if (auto p = std::get_if<int16_t>(&value_)) return *p;
  warnIfAddress("a short");
  auto c = convertedTo(Type::Short);
  return c ? std::get<int16_t>(c->value_) : 0;
}

int32_t Variant::toLong() const {
  if (auto p = std::get_if<int32_t>(&value_)) return *p;
  warnIfAddress("a long");
  auto c = convertedTo(Type::Long);
  return c ? std::get<int32_t>(c->value_) : 0;
}

bool Variant::toBool() const {
  if (auto p = std::get_if<bool>(&value_)) return *p;
  warnIfAddress("a truth value");
  auto c = convertedTo(Type::Bool);
  return c && std::get<bool>(c->value_);
}

QString Variant::toString() const {
  if (auto p = std::get_if<QString>(&value_)) return *p;
  warnIfAddress("a string");
  auto c = convertedTo(Type::String);
  return c ? std::get<QString>(c->value_) : QString();
}

intptr_t Variant::toAddress() const {
  if (auto p = std::get_if<intptr_t>(&value_)) return *p;
  auto c = convertedTo(Type::Address);
  return c ? std::get<intptr_t>(c->value_) : 0;
}

QObject* Variant::toObject() const {
  if (auto p = std::get_if<QPointer<QObject>>(&value_)) return p->data();
  return nullptr;
}

std::optional<Variant> Variant::convertedTo(Type target) const {
  if (type() == target || target == Type::Any) return *this;
  // An object is only ever an object; nothing else becomes one.
  if (type() == Type::Object || target == Type::Object) return std::nullopt;
  // Likewise an address: only an address (or empty, the null address) is one, and an address
  // becomes nothing else. A number or a digit string passed for a window or a block is a mistake
  // the member must not act on.
  if (target == Type::Address) return type() == Type::Empty ? std::optional(fromAddress(0)) : std::nullopt;
  if (type() == Type::Address) return target == Type::Empty ? std::optional(Variant()) : std::nullopt;
  switch (target) {
    case Type::Empty: return Variant();
    case Type::String:
      if (type() == Type::Empty) return fromString(QString());
      if (type() == Type::Bool) return fromString(std::get<bool>(value_) ? u"true"_qs : u"false"_qs);
      return fromString(QString::number(*asInteger(*this)));
    case Type::Bool: {
      const auto n = asInteger(*this);
      if (!n) return std::nullopt;
      return fromBool(*n != 0);
    }
    case Type::Short: {
      const auto n = asInteger(*this);
      if (!n || !fits<int16_t>(*n)) return std::nullopt;
      return fromShort(static_cast<int16_t>(*n));
    }
    case Type::Long: {
      const auto n = asInteger(*this);
      if (!n || !fits<int32_t>(*n)) return std::nullopt;
      return fromLong(static_cast<int32_t>(*n));
    }
    case Type::Address:
    case Type::Object:
    case Type::Any: break;
  }
  return std::nullopt;
}

QString Variant::display() const {
  switch (type()) {
    case Type::Empty: return u"(empty)"_qs;
    case Type::Short: return QString::number(std::get<int16_t>(value_));
    case Type::Long: return QString::number(std::get<int32_t>(value_));
    case Type::Bool: return std::get<bool>(value_) ? u"true"_qs : u"false"_qs;
    case Type::String: return u'"' + std::get<QString>(value_) + u'"';
    case Type::Address: return u"0x"_qs + QString::number(static_cast<qulonglong>(std::get<intptr_t>(value_)), 16);
    case Type::Object: return toObject() ? u"(object)"_qs : u"(object gone)"_qs;
    case Type::Any: break;
  }
  return {};
}

const char* typeName(Variant::Type type) {
  switch (type) {
    case Variant::Type::Empty: return "empty";
    case Variant::Type::Short: return "short";
    case Variant::Type::Long: return "long";
    case Variant::Type::Bool: return "bool";
    case Variant::Type::String: return "string";
    case Variant::Type::Address: return "address";
    case Variant::Type::Object: return "object";
    case Variant::Type::Any: return "variant";
  }
  return "?";
}

}  // namespace vantorel::com
