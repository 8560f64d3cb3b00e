#include "brand/manifest.h"

namespace {

constexpr char kDpiAwareness[] =
    "  <application xmlns=\"urn:schemas-microsoft-com:asm.v3\">\n"
    "    <windowsSettings>\n"
    "      <dpiAware xmlns=\"http://schemas.microsoft.com/SMI/2005/WindowsSettings\">true/pm</dpiAware>\n"
    "      <dpiAwareness xmlns=\"http://schemas.microsoft.com/SMI/2016/WindowsSettings\">"
    "PerMonitorV2, PerMonitor</dpiAwareness>\n"
    "    </windowsSettings>\n"
    "  </application>\n";
constexpr char kClosingTag[] = "</assembly>";

}  // namespace

std::string EmptyManifest() {
  return "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
         "<assembly xmlns=\"urn:schemas-microsoft-com:asm.v1\" manifestVersion=\"1.0\">\n"
         "</assembly>\n";
}

Result<std::string> DeclareDpiAwareness(const std::string& manifest) {
  // Branding a branded launcher again finds its own declaration.
  if (manifest.find(kDpiAwareness) != std::string::npos) return manifest;
  if (manifest.find("dpiAware") != std::string::npos)
    return Failure{"the manifest declares DPI awareness already: leave out --dpi-aware"};
  const std::size_t closing = manifest.rfind(kClosingTag);
  if (closing == std::string::npos) return Failure{"the manifest has no closing </assembly> tag"};
  std::string changed = manifest;
  changed.insert(closing, kDpiAwareness);
  return changed;
}
