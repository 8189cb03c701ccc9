#pragma once
// Reads pictures one after another into a catalogue.

#include <string>
#include <utility>

#include "metadata/Regional.h"
#include "table/Catalog.h"

namespace pixolyn {

class TCatalogReader {
 public:
  // The pictures' texts are written in the given number and date formats.
  explicit TCatalogReader(RegionalSettings regional = {}) : regional_(std::move(regional)) {}

  // Reads the picture (a file-system path) and adds its row; a picture that
  // cannot be read gets its row with the reason, which is returned (empty
  // when the picture was read). No decoder state outlives the call.
  std::string Add(const std::string& path);

  const TCatalog& Catalog() const { return catalog_; }

 private:
  RegionalSettings regional_;
  TCatalog catalog_;
};

}  // namespace pixolyn
