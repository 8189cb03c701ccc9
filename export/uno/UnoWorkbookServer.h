#pragma once
// The workbook server as LibreOffice Calc, driven over a UNO pipe.

#include <com/sun/star/frame/XDesktop2.hpp>
#include <com/sun/star/lang/XComponent.hpp>
#include <com/sun/star/uno/XComponentContext.hpp>

#include <optional>

#include "export/ChildProcess.h"
#include "export/OfficeInstance.h"
#include "export/OfficeLock.h"
#include "export/WorkbookServer.h"

namespace pixolyn {

class TUnoWorkbookServer final : public TWorkbookServer {
 public:
  explicit TUnoWorkbookServer(TOfficeInstance instance) : instance_(std::move(instance)) {}

  bool Connect() override;
  // An office an earlier export started and could not end counts as started here.
  bool StartedByThisExport() const override { return office_.has_value() || leftOver_ > 0; }
  std::optional<TOpenedWorkbook> Open(const std::string& fileName) override;
  bool New() override;
  int SheetCount() override;
  std::string SheetName(int sheet) override;
  int AddSheet(const std::string& name) override;
  void RemoveSheet(int sheet) override;
  void ClearSheet(int sheet) override;
  void SetRangeValues(int sheet, const std::string& range, const TCellArray& values) override;
  void SaveAs(const std::string& fileName, const std::string& filterName) override;
  void Close() override;
  void Quit() override;

 private:
  css::uno::Reference<css::uno::XComponentContext> Resolve();
  bool StartAndResolve();
  void EndLeftOverOffice();
  // Stores the workbook; the office's error code becomes a reason the user can read.
  template <typename Call>
  void Store(Call&& call);

  TOfficeInstance instance_;
  std::optional<TOfficeLock> lock_;
  std::optional<TChildProcess> office_;  // set when this export started the office
  pid_t leftOver_ = 0;                   // an office left behind by an earlier export
  css::uno::Reference<css::uno::XComponentContext> local_;
  css::uno::Reference<css::frame::XDesktop2> desktop_;
  css::uno::Reference<css::lang::XComponent> document_;
};

}  // namespace pixolyn
