// The library's entry points and what it registers about the page browser.
#include "platform/com/Server.h"
#include "platform/browser/CWebBrowserCtrl.h"
#include "platform/com/ComponentIds.h"

namespace {

using namespace vantorel::com;

constexpr Guid kDispatch{0xBE8283BB, 0x8CE9, 0x46E4, {0x94, 0xD0, 0xA9, 0x17, 0x4C, 0x7A, 0xFF, 0x93}};
constexpr Guid kEvents{0x7612F2CD, 0x6784, 0x4AD3, {0x82, 0xCA, 0xAC, 0xA9, 0x13, 0xF8, 0xA9, 0xAC}};
constexpr Guid kTypeLib{0x9E032E21, 0x6325, 0x4407, {0xA3, 0x59, 0xB8, 0x5C, 0xB4, 0xE6, 0x89, 0x73}};

const ComponentIdentity kPageBrowser{ids::kPageBrowserClass,
                                     kDispatch,
                                     kEvents,
                                     kTypeLib,
                                     "VANTOREL.PageBrowser.1",
                                     "Vantorel Page Browser",
                                     "1.0.001",
                                     0x20191,
                                     "PAGEBROWSERLib",
                                     "Vantorel Page Browser",
                                     "_DPageBrowser",
                                     "_DPageBrowserEvents"};

}  // namespace

VANTOREL_COMPONENT_SERVER(kPageBrowser, new vantorel::browser::CWebBrowserCtrl)
