#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <cstdint>
#include <optional>
#include <variant>

namespace vantorel::com {

// The value passed to and from dispatch members: empty, 16- or 32-bit integers, a truth value, a
// string, an address (a pointer-sized integer for members that hand over a memory block or a
// window; a 32-bit long cannot hold a pointer on a 64-bit build), or an object (a dispatchable
// object that a member hands out, such as a page's document; the reference goes null when the
// object is destroyed, so a caller holding it never reaches a dead object).
class Variant {
 public:
  // Any is never a value's type: it declares a parameter that takes whatever value is passed,
  // unconverted (the platform's by-reference variant parameters).
  enum class Type { Empty, Short, Long, Bool, String, Address, Object, Any };

  Variant() = default;
  static Variant fromShort(int16_t v) { return Variant(Value(std::in_place_index<1>, v)); }
  static Variant fromLong(int32_t v) { return Variant(Value(std::in_place_index<2>, v)); }
  static Variant fromBool(bool v) { return Variant(Value(std::in_place_index<3>, v)); }
  static Variant fromString(QString v) { return Variant(Value(std::in_place_index<4>, std::move(v))); }
  static Variant fromAddress(intptr_t v) { return Variant(Value(std::in_place_index<5>, v)); }
  static Variant fromObject(QObject* v) { return Variant(Value(std::in_place_index<6>, QPointer<QObject>(v))); }

  [[nodiscard]] Type type() const { return static_cast<Type>(value_.index()); }
  [[nodiscard]] bool isEmpty() const { return type() == Type::Empty; }

  // Plain readings; a value of another type reads as its conversion, or 0 / false / "". An
  // address converts to nothing else (a warning is logged when one is read as a number or text),
  // and only an address or empty reads as an address.
  [[nodiscard]] int16_t toShort() const;
  [[nodiscard]] int32_t toLong() const;
  [[nodiscard]] bool toBool() const;
  [[nodiscard]] QString toString() const;
  [[nodiscard]] intptr_t toAddress() const;
  // The object, or null when this is not an object or the object is gone.
  [[nodiscard]] QObject* toObject() const;

  // Conversion as a dispatch call coerces an argument to the declared parameter type: numbers
  // and truth values convert among themselves (out of range fails), digits in a string convert to
  // a number, numbers convert to their decimal text. An address parameter takes an address, or
  // empty as the null address; an address converts to no other type. Nothing when no conversion
  // exists.
  [[nodiscard]] std::optional<Variant> convertedTo(Type type) const;

  // Readable form: numbers in decimal, true/false, strings in double quotes, addresses in hex.
  [[nodiscard]] QString display() const;

  friend bool operator==(const Variant&, const Variant&) = default;

 private:
  using Value = std::variant<std::monostate, int16_t, int32_t, bool, QString, intptr_t, QPointer<QObject>>;
  explicit Variant(Value v) : value_(std::move(v)) {}
  void warnIfAddress(const char* asWhat) const;
  Value value_;
};

[[nodiscard]] const char* typeName(Variant::Type type);

}  // namespace vantorel::com
