#pragma once
// A camera-sized JPEG made with libjpeg for the preview benchmarks.

#include <string>

namespace pixolyn::bench {

// A baseline JPEG of width x height pixels, 4:2:0, quality 90, whose picture
// is a gradient under fine noise, so that it holds about as much detail per
// block as a photograph. metadataFrom names a JPEG whose APP1 segment is
// copied in, so that the picture has a table too; empty for none.
std::string MakePhotoLikeJpeg(int width, int height, const std::string& metadataFrom);

}  // namespace pixolyn::bench
