#pragma once

#include <QObject>
#include <QString>

#include "platform/com/Dispatchable.h"

class QPagedPaintDevice;

namespace vantorel::browser {

class CWebBrowserCtrl;

// The shown page's document, as the browser's Document property hands it out:
//   Copy (1) → bool: the text selected with the mouse, as Unicode text, onto the clipboard
//   Print (2) [FileName] → bool: the page on paper (the print dialog first), or into the PDF file
//                           FileName when given; page breaks never cut a line of text
class PageDocument : public QObject, public com::Dispatchable {
 public:
  explicit PageDocument(CWebBrowserCtrl* browser);

  bool Copy();
  bool Print(const QString& fileName);
  // Prints onto any paged device (a printer, a PDF writer); false when nothing was printed.
  bool printTo(QPagedPaintDevice& device);

  [[nodiscard]] com::InvokeResult invoke(int dispid, com::InvokeKind kind,
                                         const std::vector<com::Variant>& args) override {
    return dispatch_.invoke(dispid, kind, args);
  }
  [[nodiscard]] const com::DispatchTable& dispatchTable() const override { return dispatch_; }

 private:
  CWebBrowserCtrl* browser_;
  com::DispatchTable dispatch_;
};

}  // namespace vantorel::browser
