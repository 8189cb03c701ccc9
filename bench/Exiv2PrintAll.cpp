// The Exiv2 library reading and printing every tag of each file, as
// "exiv2 -pa" prints them but without the program around it: the peer that
// compare-peers.sh measures besides the programs.

#include <exiv2/exiv2.hpp>

#include <cstring>
#include <iostream>

namespace {

template <typename Data>
void PrintAll(const Data& data, const Exiv2::ExifData* exif) {
  for (const auto& datum : data) {
    std::cout << datum.key() << ' ' << datum.typeName() << ' ' << datum.count() << "  "
              << datum.print(exif) << '\n';
  }
}

}  // namespace

int main(int argc, char** argv) {
  std::ios::sync_with_stdio(false);
  int status = 0;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--") == 0) continue;
    try {
      const auto image = Exiv2::ImageFactory::open(argv[i]);
      image->readMetadata();
      PrintAll(image->exifData(), &image->exifData());
      PrintAll(image->iptcData(), nullptr);
      PrintAll(image->xmpData(), nullptr);
    } catch (const Exiv2::AnyError& error) {
      std::cerr << argv[i] << ": " << error.what() << '\n';
      status = 1;
    }
  }
  return status;
}
