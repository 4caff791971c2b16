#pragma once

#include <array>
#include <cmath>

// Small vector and rotation arithmetic for turning a model in space.
namespace vantorel::molview {

struct Vec3 {
  double x = 0;
  double y = 0;
  double z = 0;

  friend Vec3 operator+(Vec3 a, Vec3 b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
  friend Vec3 operator-(Vec3 a, Vec3 b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
  friend Vec3 operator*(Vec3 a, double s) { return {a.x * s, a.y * s, a.z * s}; }
  [[nodiscard]] double dot(Vec3 b) const { return x * b.x + y * b.y + z * b.z; }
  [[nodiscard]] Vec3 cross(Vec3 b) const { return {y * b.z - z * b.y, z * b.x - x * b.z, x * b.y - y * b.x}; }
  [[nodiscard]] double length() const { return std::sqrt(dot(*this)); }
  // The unit vector along this one; zero stays zero.
  [[nodiscard]] Vec3 unit() const {
    const double n = length();
    return n > 1e-12 ? *this * (1.0 / n) : Vec3{};
  }
};

// A rotation as a 3 × 3 matrix, rows first.
struct Matrix3 {
  std::array<double, 9> m{1, 0, 0, 0, 1, 0, 0, 0, 1};

  [[nodiscard]] static Matrix3 identity() { return {}; }
  // Turns by `radians` about the unit `axis`, counter-clockwise looking down the axis.
  [[nodiscard]] static Matrix3 rotation(Vec3 axis, double radians) {
    const Vec3 a = axis.unit();
    const double c = std::cos(radians), s = std::sin(radians), t = 1 - c;
    return {{t * a.x * a.x + c, t * a.x * a.y - s * a.z, t * a.x * a.z + s * a.y,  //
             t * a.x * a.y + s * a.z, t * a.y * a.y + c, t * a.y * a.z - s * a.x,  //
             t * a.x * a.z - s * a.y, t * a.y * a.z + s * a.x, t * a.z * a.z + c}};
  }
  [[nodiscard]] Vec3 apply(Vec3 v) const {
    return {m[0] * v.x + m[1] * v.y + m[2] * v.z, m[3] * v.x + m[4] * v.y + m[5] * v.z,
            m[6] * v.x + m[7] * v.y + m[8] * v.z};
  }
  friend Matrix3 operator*(const Matrix3& a, const Matrix3& b) {
    Matrix3 r;
    for (int i = 0; i < 3; ++i) {
      for (int j = 0; j < 3; ++j) {
        r.m[i * 3 + j] = a.m[i * 3] * b.m[j] + a.m[i * 3 + 1] * b.m[3 + j] + a.m[i * 3 + 2] * b.m[6 + j];
      }
    }
    return r;
  }
  // Many small turns drift from a true rotation; this makes the rows orthonormal again.
  [[nodiscard]] Matrix3 orthonormalised() const {
    Vec3 r0{m[0], m[1], m[2]}, r1{m[3], m[4], m[5]};
    r0 = r0.unit();
    r1 = (r1 - r0 * r0.dot(r1)).unit();
    const Vec3 r2 = r0.cross(r1);
    if (r0.length() < 0.5 || r1.length() < 0.5) return identity();
    return {{r0.x, r0.y, r0.z, r1.x, r1.y, r1.z, r2.x, r2.y, r2.z}};
  }
};

}  // namespace vantorel::molview
