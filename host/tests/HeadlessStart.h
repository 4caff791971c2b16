#pragma once

#include <QSize>
#include <QString>
#include <QTest>
#include <memory>
#include <optional>

#include "host/CMainFrame.h"
#include "host/CQuillet2App.h"
#include "host/view/CQuillet2View.h"

// The program's start-up as tests and benchmarks run it: no splash, no waits, no folder locator,
// and a real frame with its view at `size`, shown (and exposed) when `show`.
namespace vantorel::host::testing {

inline CQuillet2App::Environment headlessStart(const QString& programPath, const QString& tempFolder, QSize size,
                                               bool show = true) {
  CQuillet2App::Environment env;
  env.programPath = programPath;
  env.tempFolder = tempFolder;
  env.showSplash = false;
  env.wait = [](int) {};
  env.findFolder = [](QWidget*, int) { return std::nullopt; };
  env.createMainFrame = [show, size](CQuillet2App& a) -> std::unique_ptr<QWidget> {
    auto frame = std::make_unique<CMainFrame>(a);
    auto* view = new CQuillet2View(a);
    frame->setView(view);
    view->OnInitialUpdate();
    frame->resize(size);
    if (show) {
      frame->show();
      (void)QTest::qWaitForWindowExposed(frame.get());
    }
    return frame;
  };
  return env;
}

}  // namespace vantorel::host::testing
