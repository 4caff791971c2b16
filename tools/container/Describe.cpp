#include "tools/container/Describe.h"

#include <QStringList>
#include <memory>

#include "platform/com/Creation.h"
#include "platform/registry/Registry.h"

namespace vantorel::container {
namespace {

QString typeText(com::Variant::Type type) {
  return type == com::Variant::Type::Empty ? u"void"_qs : QString::fromLatin1(com::typeName(type));
}

QString quoted(const std::optional<std::string>& text) {
  return text ? u" \""_qs + QString::fromStdString(*text) + u"\""_qs : QString();
}

void describeRegistration(const com::Guid& clsid, QTextStream& out) {
  const auto& reg = registry::store();
  const std::string key = "HKEY_CLASSES_ROOT\\CLSID\\" + clsid.toString();
  out << QString::fromStdString(reg.queryString(key + "\\ProgID", "").value_or("-")) << " "
      << QString::fromStdString(clsid.toString()) << quoted(reg.queryString(key, "")) << " version "
      << QString::fromStdString(reg.queryString(key + "\\Version", "").value_or("-")) << "\n";
  const auto typeLib = reg.queryString(key + "\\TypeLib", "");
  if (!typeLib) return;
  out << "type library " << QString::fromStdString(*typeLib) << " 1.0"
      << quoted(reg.queryString("HKEY_CLASSES_ROOT\\TypeLib\\" + *typeLib + "\\1.0", "")) << "\n";
  const std::string interfaces = "HKEY_CLASSES_ROOT\\Interface";
  QStringList lines;
  for (const std::string& iid : reg.subKeys(interfaces)) {
    const std::string k = interfaces + "\\" + iid;
    if (reg.queryString(k + "\\TypeLib", "") != typeLib) continue;
    lines << u"interface "_qs + QString::fromStdString(reg.queryString(k, "").value_or("-")) + u" "_qs +
                 QString::fromStdString(iid) + quoted(reg.queryString(k, "HelpString"));
  }
  lines.sort();
  for (const QString& line : lines) out << line << "\n";
}

}  // namespace

QString describeMembers(const com::Control& control) {
  QString text = u"members:\n"_qs;
  for (const com::MemberInfo& m : control.dispatchTable().members()) {
    text += u"  "_qs + QString::number(m.dispid) + u" "_qs + QString::fromStdString(m.name) + u": "_qs;
    if (m.kind == com::MemberInfo::Kind::Property) {
      text += u"property "_qs + typeText(m.result) + (m.readOnly ? u", read-only"_qs : u", read-write"_qs);
    } else {
      QStringList params;
      for (size_t i = 0; i < m.params.size(); ++i) {
        const QString type = typeText(m.params[i]);
        params << (i + m.optionalParams >= m.params.size() ? u"["_qs + type + u"]"_qs : type);
      }
      text += u"method ("_qs + params.join(u", "_qs) + u") -> "_qs + typeText(m.result);
    }
    text += u"\n"_qs;
  }
  text += u"events:\n"_qs;
  for (const com::EventInfo& e : control.eventTable()) {
    QStringList params;
    for (size_t i = 0; i < e.params.size(); ++i) {
      const bool byReference = i < e.byReference.size() && e.byReference[i];
      params << (byReference ? u"byref "_qs : QString()) + typeText(e.params[i]);
    }
    text += u"  "_qs + QString::number(e.dispid) + u" "_qs + QString::fromStdString(e.name) + u"("_qs +
            params.join(u", "_qs) + u")\n"_qs;
  }
  return text;
}

bool describeClass(const QString& classIdOrProgId, QTextStream& out, QTextStream& err) {
  const std::string name = classIdOrProgId.toStdString();
  std::optional<com::Guid> clsid = com::Guid::parse(name);
  if (!clsid) clsid = com::classIdFromProgId(name);
  com::CreateResult created = clsid ? com::createControl(*clsid) : com::CreateResult{};
  if (!created.control) {
    err << "cannot create " << classIdOrProgId << ": " << (clsid ? created.error : u"no such class is registered"_qs)
        << "\n";
    return false;
  }
  const std::unique_ptr<com::Control> control(created.control);
  describeRegistration(*clsid, out);
  out << describeMembers(*control);
  return true;
}

}  // namespace vantorel::container
