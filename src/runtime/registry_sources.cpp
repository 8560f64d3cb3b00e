#include "runtime/registry_sources.h"

#include <iterator>

#include "support/text.h"

namespace {

using K = RuntimeKind;
using V = RuntimeVendor;
using L = SubkeyLayout;

bool ContainsIgnoringCase(std::u16string_view text, std::u16string_view part) {
  for (size_t at = 0; at + part.size() <= text.size(); ++at)
    if (EqualsIgnoringCase(text.substr(at, part.size()), part)) return true;
  return false;
}

}  // namespace

// clang-format off
const RegistrySource kRegistrySources[] = {
    {u"Software\\JavaSoft\\Java Development Kit\\", L::Version, u"JavaHome", K::Jdk, V::Sun},
    {u"Software\\JavaSoft\\Java Runtime Environment\\", L::Version, u"JavaHome", K::Jre, V::Sun, true},
    {u"Software\\JRockit\\Java Runtime Environment\\", L::Version, u"JavaHome", K::Jre, V::JRockit},
    {u"Software\\JRockit\\Java Development Kit\\", L::Version, u"JavaHome", K::Jdk, V::JRockit},
    {u"Software\\IBM\\Java2 Runtime Environment\\", L::Version, u"JavaHome", K::Jre, V::Ibm},
    {u"Software\\JavaSoft\\JDK\\", L::Version, u"JavaHome", K::Jdk, V::Sun},
    {u"Software\\JavaSoft\\JRE\\", L::Version, u"JavaHome", K::Jre, V::Sun},
    {u"Software\\Eclipse Adoptium\\JDK\\", L::VersionVmMsi, u"Path", K::Jdk, V::Sun},
    {u"Software\\Eclipse Adoptium\\JRE\\", L::VersionVmMsi, u"Path", K::Jre, V::Sun},
    {u"Software\\AdoptOpenJDK\\JDK\\", L::VersionVmMsi, u"Path", K::Jdk, V::Sun},
    {u"Software\\AdoptOpenJDK\\JRE\\", L::VersionVmMsi, u"Path", K::Jre, V::Sun},
    {u"Software\\Eclipse Foundation\\JDK\\", L::VersionVmMsi, u"Path", K::Jdk, V::Sun},
    {u"Software\\Eclipse Foundation\\JRE\\", L::VersionVmMsi, u"Path", K::Jre, V::Sun},
    {u"Software\\Microsoft\\JDK\\", L::VersionVmMsi, u"Path", K::Jdk, V::Sun},
    {u"Software\\Semeru\\JDK\\", L::VersionVmMsi, u"Path", K::Jdk, V::Ibm},
    {u"Software\\Semeru\\JRE\\", L::VersionVmMsi, u"Path", K::Jre, V::Ibm},
    {u"Software\\Azul Systems\\Zulu\\", L::KindInName, u"InstallationPath", K::Jdk, V::Sun},
    {u"Software\\BellSoft\\Liberica\\", L::KindInName, u"InstallationPath", K::Jdk, V::Sun},
    {u"Software\\SapMachine\\JDK\\", L::Version, u"JavaHome", K::Jdk, V::Sun},
};
// clang-format on
const std::size_t kRegistrySourceCount = std::size(kRegistrySources);

RuntimeKind KindOfName(std::u16string_view name, RuntimeKind otherwise) {
  return ContainsIgnoringCase(name, u"jre") ? RuntimeKind::Jre : otherwise;
}

RuntimeVendor VendorOfVm(std::u16string_view vm, RuntimeVendor otherwise) {
  if (EqualsIgnoringCase(vm, u"openj9")) return RuntimeVendor::Ibm;
  if (EqualsIgnoringCase(vm, u"hotspot")) return RuntimeVendor::Sun;
  return otherwise;
}
