#include "export/Ole2Signature.h"

#include "metadata/HeadReader.h"

namespace pixolyn {

bool HasOle2Signature(const std::string& path) {
  HeadReader reader(path);
  return reader.Read(kOle2Signature.size()) == kOle2Signature;
}

}  // namespace pixolyn
