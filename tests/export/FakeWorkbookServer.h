#pragma once
// A workbook server that records the calls made to it and fails where told.

#include <string>
#include <vector>

#include "export/WorkbookServer.h"

namespace pixolyn::test {

class FakeWorkbookServer : public TWorkbookServer {
 public:
  // What the fake answers.
  bool Available = true;
  bool StartsOffice = false;
  std::optional<TOpenedWorkbook> OpenAnswer = TOpenedWorkbook{.FilterName = "MS Excel 97"};
  bool NewAnswer = true;
  std::vector<std::string> Sheets = {"Sheet1"};
  std::string FailingCall;  // the call that raises TServerError("boom")

  // What it was asked.
  std::vector<std::string> Calls;
  TCellArray Written;
  std::string Filter;  // of the last SaveAs

  bool Connect() override { return Record("Connect"), Available; }
  bool StartedByThisExport() const override { return Available && StartsOffice; }
  std::optional<TOpenedWorkbook> Open(const std::string& fileName) override {
    Record("Open " + fileName);
    return OpenAnswer;
  }
  bool New() override { return Record("New"), NewAnswer; }
  int SheetCount() override { return Record("SheetCount"), static_cast<int>(Sheets.size()); }
  std::string SheetName(int sheet) override {
    Record("SheetName " + std::to_string(sheet));
    return Sheets.at(static_cast<std::size_t>(sheet - 1));
  }
  int AddSheet(const std::string& name) override {
    Record("AddSheet " + name);
    Sheets.push_back(name);
    return static_cast<int>(Sheets.size());
  }
  void RemoveSheet(int sheet) override {
    Record("RemoveSheet " + std::to_string(sheet));
    Sheets.erase(Sheets.begin() + (sheet - 1));
  }
  void ClearSheet(int sheet) override { Record("ClearSheet " + std::to_string(sheet)); }
  void SetRangeValues(int sheet, const std::string& range, const TCellArray& values) override {
    Record("SetRangeValues " + std::to_string(sheet) + " " + range);
    Written = values;
  }
  void SaveAs(const std::string& fileName, const std::string& filterName) override {
    Record("SaveAs " + fileName);
    Filter = filterName;
  }
  void Close() override { Record("Close"); }
  void Quit() override { Record("Quit"); }

 private:
  void Record(const std::string& call) {
    Calls.push_back(call);
    if (call.starts_with(FailingCall) && !FailingCall.empty()) throw TServerError("boom");
  }
};

}  // namespace pixolyn::test
