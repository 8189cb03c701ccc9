#include "UnoWorkbookServer.h"

#include <com/sun/star/beans/PropertyValue.hpp>
#include <com/sun/star/bridge/UnoUrlResolver.hpp>
#include <com/sun/star/connection/NoConnectException.hpp>
#include <com/sun/star/container/XIndexAccess.hpp>
#include <com/sun/star/container/XNamed.hpp>
#include <com/sun/star/document/MacroExecMode.hpp>
#include <com/sun/star/document/UpdateDocMode.hpp>
#include <com/sun/star/frame/Desktop.hpp>
#include <com/sun/star/frame/XModel.hpp>
#include <com/sun/star/frame/XStorable.hpp>
#include <com/sun/star/io/IOException.hpp>
#include <com/sun/star/lang/IllegalArgumentException.hpp>
#include <com/sun/star/sheet/CellFlags.hpp>
#include <com/sun/star/sheet/XCellRangeData.hpp>
#include <com/sun/star/sheet/XSheetOperation.hpp>
#include <com/sun/star/sheet/XSpreadsheet.hpp>
#include <com/sun/star/sheet/XSpreadsheetDocument.hpp>
#include <com/sun/star/sheet/XSpreadsheets.hpp>
#include <com/sun/star/table/XCellRange.hpp>
#include <com/sun/star/task/ErrorCodeIOException.hpp>
#include <com/sun/star/util/XCloseable.hpp>
#include <cppuhelper/bootstrap.hxx>

#include <signal.h>

#include <cstdlib>
#include <initializer_list>
#include <iterator>
#include <thread>

#include "UnoErrorText.h"
#include "UnoText.h"
#include "export/ExportMessages.h"
#include "export/FileUrl.h"

namespace pixolyn {

namespace {
namespace uno = css::uno;
using rtl::OUString;

constexpr auto kLockWait = std::chrono::seconds(60);
// A first start builds the profile; later ones take about a second.
constexpr auto kOfficeStartLimit = std::chrono::seconds(45);
constexpr auto kOfficeEndLimit = std::chrono::seconds(20);
constexpr auto kConnectRetry = std::chrono::milliseconds(50);

css::beans::PropertyValue Property(const char* name, uno::Any value) {
  css::beans::PropertyValue property;
  property.Name = OUString::createFromAscii(name);
  property.Value = std::move(value);
  return property;
}

// The office's headers offer no list constructor outside its own code.
uno::Sequence<css::beans::PropertyValue> Properties(
    std::initializer_list<css::beans::PropertyValue> properties) {
  return uno::Sequence<css::beans::PropertyValue>(std::data(properties),
                                                  static_cast<sal_Int32>(properties.size()));
}

// Runs one call into the office; its exceptions become ours.
template <typename Call>
auto Guarded(Call&& call) -> decltype(call()) {
  try {
    return call();
  } catch (const uno::Exception& e) {
    throw TServerError(ServerText(e));
  }
}

uno::Reference<css::sheet::XSpreadsheets> SheetsOf(
    const uno::Reference<css::lang::XComponent>& document) {
  const uno::Reference<css::sheet::XSpreadsheetDocument> spreadsheet(document,
                                                                     uno::UNO_QUERY_THROW);
  return spreadsheet->getSheets();
}

uno::Reference<css::container::XIndexAccess> SheetIndexOf(
    const uno::Reference<css::lang::XComponent>& document) {
  return uno::Reference<css::container::XIndexAccess>(SheetsOf(document), uno::UNO_QUERY_THROW);
}

OUString DocumentUrl(const std::string& fileName) {
  return Utf8ToOUString(FileUrlFromPath(fileName));
}
}  // namespace

template <typename Call>
void TUnoWorkbookServer::Store(Call&& call) {
  try {
    call(uno::Reference<css::frame::XStorable>(document_, uno::UNO_QUERY_THROW));
  } catch (const css::task::ErrorCodeIOException& e) {
    throw TServerError(StorageFailureText(static_cast<uint32_t>(e.ErrCode)));
  } catch (const uno::Exception& e) {
    throw TServerError(ServerText(e));
  }
}

uno::Reference<uno::XComponentContext> TUnoWorkbookServer::Resolve() {
  try {
    const uno::Reference<css::bridge::XUnoUrlResolver> resolver =
        css::bridge::UnoUrlResolver::create(local_);
    return uno::Reference<uno::XComponentContext>(
        resolver->resolve(Utf8ToOUString(OfficeConnectAddress(instance_))), uno::UNO_QUERY);
  } catch (const uno::Exception&) {
    return {};  // nobody listens on the pipe (yet)
  }
}

bool TUnoWorkbookServer::StartAndResolve() {
  office_ = StartOffice(instance_);
  if (!office_) return false;
  NoteStartedOffice(instance_, office_->Pid());
  const auto deadline = std::chrono::steady_clock::now() + kOfficeStartLimit;
  while (std::chrono::steady_clock::now() < deadline) {
    if (office_->WaitFor(kConnectRetry)) break;  // it gave up, e.g. on an unusable profile
    if (const auto remote = Resolve(); remote.is()) {
      desktop_ = Guarded([&] { return css::frame::Desktop::create(remote); });
      return true;
    }
  }
  office_->Kill();
  office_.reset();
  ForgetStartedOffice(instance_);
  return false;
}

bool TUnoWorkbookServer::Connect() {
  if (!CreateOfficeFolder(instance_)) return false;
  lock_ = TOfficeLock::Acquire(instance_.LockFile, kLockWait);
  if (!lock_) throw TServerError(OfficeBusyMessage());
  // Without it the bootstrap finds no type library and the desktop cannot be made.
  ::setenv("URE_BOOTSTRAP", "vnd.sun.star.pathname:" PIXOLYN_OFFICE_PROGRAM "/fundamentalrc", 1);
  try {
    local_ = cppu::defaultBootstrap_InitialComponentContext();
  } catch (const uno::Exception&) {
    return false;
  }
  if (const auto remote = Resolve(); remote.is()) {
    leftOver_ = LeftOverOffice(instance_);
    desktop_ = Guarded([&] { return css::frame::Desktop::create(remote); });
    return true;
  }
  return StartAndResolve();
}

std::optional<TOpenedWorkbook> TUnoWorkbookServer::Open(const std::string& fileName) {
  const uno::Sequence<css::beans::PropertyValue> arguments = Properties(
      {Property("Hidden", uno::Any(true)),
       Property("MacroExecutionMode", uno::Any(css::document::MacroExecMode::NEVER_EXECUTE)),
       Property("UpdateDocMode", uno::Any(css::document::UpdateDocMode::NO_UPDATE))});
  try {
    document_ = desktop_->loadComponentFromURL(DocumentUrl(fileName), "_blank", 0, arguments);
  } catch (const css::lang::IllegalArgumentException&) {
    return std::nullopt;
  } catch (const css::io::IOException&) {
    return std::nullopt;
  } catch (const uno::Exception& e) {
    throw TServerError(ServerText(e));
  }
  if (!document_.is()) return std::nullopt;
  return Guarded([&]() -> std::optional<TOpenedWorkbook> {
    const uno::Reference<css::sheet::XSpreadsheetDocument> spreadsheet(document_, uno::UNO_QUERY);
    if (!spreadsheet.is()) return std::nullopt;
    TOpenedWorkbook opened;
    const uno::Reference<css::frame::XModel> model(document_, uno::UNO_QUERY_THROW);
    for (const css::beans::PropertyValue& argument : model->getArgs()) {
      OUString filter;
      if (argument.Name == "FilterName" && (argument.Value >>= filter)) {
        opened.FilterName = FromOUString(filter);
      }
    }
    const uno::Reference<css::frame::XStorable> storable(document_, uno::UNO_QUERY_THROW);
    opened.ReadOnly = storable->isReadonly();
    return opened;
  });
}

bool TUnoWorkbookServer::New() {
  const uno::Sequence<css::beans::PropertyValue> arguments =
      Properties({Property("Hidden", uno::Any(true))});
  document_ = Guarded([&] {
    return desktop_->loadComponentFromURL("private:factory/scalc", "_blank", 0, arguments);
  });
  return document_.is();
}

int TUnoWorkbookServer::SheetCount() {
  return Guarded([&] { return static_cast<int>(SheetIndexOf(document_)->getCount()); });
}

std::string TUnoWorkbookServer::SheetName(int sheet) {
  return Guarded([&] {
    const uno::Reference<css::container::XNamed> named(
        SheetIndexOf(document_)->getByIndex(sheet - 1), uno::UNO_QUERY_THROW);
    return FromOUString(named->getName());
  });
}

int TUnoWorkbookServer::AddSheet(const std::string& name) {
  return Guarded([&] {
    const int count = static_cast<int>(SheetIndexOf(document_)->getCount());
    SheetsOf(document_)->insertNewByName(ToOUString(name), static_cast<sal_Int16>(count));
    return count + 1;
  });
}

void TUnoWorkbookServer::RemoveSheet(int sheet) {
  Guarded([&] {
    const uno::Reference<css::container::XNamed> named(
        SheetIndexOf(document_)->getByIndex(sheet - 1), uno::UNO_QUERY_THROW);
    SheetsOf(document_)->removeByName(named->getName());
  });
}

void TUnoWorkbookServer::ClearSheet(int sheet) {
  namespace flag = css::sheet::CellFlags;
  constexpr sal_Int32 kEverything = flag::VALUE | flag::DATETIME | flag::STRING | flag::ANNOTATION |
                                    flag::FORMULA | flag::HARDATTR | flag::STYLES | flag::OBJECTS |
                                    flag::EDITATTR | flag::FORMATTED;
  Guarded([&] {
    const uno::Reference<css::sheet::XSheetOperation> target(
        SheetIndexOf(document_)->getByIndex(sheet - 1), uno::UNO_QUERY_THROW);
    target->clearContents(kEverything);
  });
}

void TUnoWorkbookServer::SetRangeValues(int sheet, const std::string& range,
                                        const TCellArray& values) {
  // The office takes only rows of one width.
  const std::size_t columns = ColumnCount(values);
  uno::Sequence<uno::Sequence<uno::Any>> rows(static_cast<sal_Int32>(values.size()));
  uno::Sequence<uno::Any>* row = rows.getArray();
  for (const auto& cells : values) {
    uno::Sequence<uno::Any> texts(static_cast<sal_Int32>(columns));
    uno::Any* text = texts.getArray();
    for (const std::string& cell : cells) *text++ <<= Utf8ToOUString(cell);
    for (std::size_t rest = cells.size(); rest < columns; ++rest) *text++ <<= OUString();
    *row++ = std::move(texts);
  }
  Guarded([&] {
    const uno::Reference<css::sheet::XSpreadsheet> target(
        SheetIndexOf(document_)->getByIndex(sheet - 1), uno::UNO_QUERY_THROW);
    const uno::Reference<css::sheet::XCellRangeData> data(
        target->getCellRangeByName(Utf8ToOUString(range)), uno::UNO_QUERY_THROW);
    data->setDataArray(rows);
  });
}

void TUnoWorkbookServer::SaveAs(const std::string& fileName, const std::string& filterName) {
  const uno::Sequence<css::beans::PropertyValue> arguments =
      Properties({Property("FilterName", uno::Any(Utf8ToOUString(filterName))),
                  Property("Overwrite", uno::Any(true))});
  // A copy: an opened workbook stays bound to its own file, which is replaced only by renaming.
  Store([&](const uno::Reference<css::frame::XStorable>& storable) {
    storable->storeToURL(DocumentUrl(fileName), arguments);
  });
}

void TUnoWorkbookServer::Close() {
  if (!document_.is()) return;
  const uno::Reference<css::lang::XComponent> document = std::move(document_);
  document_.clear();
  Guarded([&] {
    const uno::Reference<css::util::XCloseable> closeable(document, uno::UNO_QUERY);
    if (closeable.is()) {
      closeable->close(true);
    } else {
      document->dispose();
    }
  });
}

void TUnoWorkbookServer::Quit() {
  if (!StartedByThisExport()) return;
  if (desktop_.is()) {
    try {
      desktop_->terminate();
    } catch (const uno::Exception&) {
      // The bridge may go down with the office before the call returns.
    }
    desktop_.clear();
  }
  // The lock stays held until the office is gone, so that no export attaches to it meanwhile.
  if (office_ && !office_->WaitFor(kOfficeEndLimit)) office_->Kill();
  if (leftOver_ > 0) EndLeftOverOffice();
  ForgetStartedOffice(instance_);
}

void TUnoWorkbookServer::EndLeftOverOffice() {
  const auto deadline = std::chrono::steady_clock::now() + kOfficeEndLimit;
  while (LeftOverOffice(instance_) == leftOver_) {
    if (std::chrono::steady_clock::now() >= deadline) {
      ::kill(-leftOver_, SIGKILL);  // its session: the launcher and the office
      break;
    }
    std::this_thread::sleep_for(kConnectRetry);
  }
}

}  // namespace pixolyn
