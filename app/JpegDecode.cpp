#include "app/JpegDecode.h"

// clang-format off
#include <cstdio>  // jpeglib.h needs FILE and size_t first
#include <jpeglib.h>
#include <jerror.h>
// clang-format on

#include <array>
#include <csetjmp>
#include <string>

#include "app/JpegLimits.h"
#include "app/JpegMessages.h"

namespace pixolyn {

JpegError::JpegError(int code, std::string text)
    : std::runtime_error("JPEG error " + std::to_string(code) + ": " + text),
      code_(code),
      text_(std::move(text)) {}

namespace {

// libjpeg reports a failure by calling error_exit, which must not return.
// It jumps back to the setjmp in Guarded. Between the two lie only libjpeg's
// C frames and the plain step functions below, none of which holds an object
// with a destructor, so the jump skips no C++ clean-up.
struct ErrorManager {
  jpeg_error_mgr Base;
  std::jmp_buf Jump;
  bool TooManyScans = false;  // the failure is the scan limit's, not libjpeg's
};

[[noreturn]] void ErrorExit(j_common_ptr info) {
  std::longjmp(reinterpret_cast<ErrorManager*>(info->err)->Jump, 1);
}

// Warnings about damaged data are not shown; the picture decodes as far as it can.
void IgnoreMessage(j_common_ptr) {}

// Called by libjpeg while it reads the scans: a picture of endless scans
// would keep a worker busy for minutes.
void GiveUpAfterMaxScans(j_common_ptr common) {
  const auto* info = reinterpret_cast<j_decompress_ptr>(common);
  if (info->input_scan_number <= kMaxScans) return;
  reinterpret_cast<ErrorManager*>(common->err)->TooManyScans = true;
  common->err->msg_code = JERR_BAD_PROGRESSION;
  common->err->error_exit(common);
}

// The failure libjpeg reported last, its text in German where there is one.
JpegError LastError(j_common_ptr info) {
  const jpeg_error_mgr& errors = *info->err;
  if (reinterpret_cast<const ErrorManager*>(info->err)->TooManyScans) {
    std::array<char, 128> text{};
    std::snprintf(text.data(), text.size(),
                  "Das progressive Bild hat mehr als %d Durchl\xE4ufe (Scans)", kMaxScans);
    return JpegError(errors.msg_code, text.data());
  }
  std::string text = GermanJpegMessage(errors.msg_code, errors.msg_parm.i[0], errors.msg_parm.i[1]);
  if (text.empty()) {
    std::array<char, JMSG_LENGTH_MAX> english{};
    errors.format_message(info, english.data());
    text = english.data();
  }
  return JpegError(errors.msg_code, std::move(text));
}

// The library's state of one decompression, freed however the decompression ends.
struct Decompression {
  Decompression() = default;
  Decompression(const Decompression&) = delete;
  Decompression& operator=(const Decompression&) = delete;
  ~Decompression() { jpeg_destroy_decompress(&Info); }  // also safe before or after a failed create

  jpeg_decompress_struct Info{};
  ErrorManager Errors{};
  jpeg_progress_mgr Progress{};
};

// One decompression of a picture in memory. Pointers into the caller's
// buffers are kept as plain members for the step functions.
class Decompressor {
 public:
  using Step = void (*)(Decompressor&);

  // Reads the header; a failure there throws, and the members free the library's state.
  explicit Decompressor(std::string_view jpeg) : data_(jpeg) {
    info_.err = jpeg_std_error(&errors_.Base);
    errors_.Base.error_exit = ErrorExit;
    errors_.Base.output_message = IgnoreMessage;
    Run([](Decompressor& d) {
      jpeg_create_decompress(&d.info_);
      // Without a backing store, libjpeg fails rather than exceed this.
      d.info_.mem->max_memory_to_use = kMaxDecodeBytes;
      d.state_.Progress.progress_monitor = GiveUpAfterMaxScans;
      d.info_.progress = &d.state_.Progress;
      jpeg_mem_src(&d.info_, reinterpret_cast<const unsigned char*>(d.data_.data()),
                   static_cast<unsigned long>(d.data_.size()));
      jpeg_read_header(&d.info_, TRUE);
    });
  }

  // Runs one step; a libjpeg failure inside it becomes a JpegError.
  void Run(Step step) {
    if (Guarded(step)) throw LastError(reinterpret_cast<j_common_ptr>(&info_));
  }

  jpeg_decompress_struct& Info() { return info_; }

  void ComputeOutputSize(unsigned denominator) {
    info_.scale_num = 1;
    info_.scale_denom = denominator;
    Run([](Decompressor& d) { jpeg_calc_output_dimensions(&d.info_); });
  }

  // Reads all rows into rows, each stride bytes apart.
  void ReadRows(uint8_t* rows, std::size_t stride) {
    rows_ = rows;
    stride_ = stride;
    Run([](Decompressor& d) {
      jpeg_start_decompress(&d.info_);
      while (d.info_.output_scanline < d.info_.output_height) {
        JSAMPROW row = d.rows_ + d.info_.output_scanline * d.stride_;
        if (jpeg_read_scanlines(&d.info_, &row, 1) != 1) break;  // a memory source never suspends
      }
      jpeg_finish_decompress(&d.info_);
    });
  }

 private:
  // True when libjpeg failed inside step.
  bool Guarded(Step step) {
    if (setjmp(errors_.Jump) != 0) return true;
    step(*this);
    return false;
  }

  std::string_view data_;
  Decompression state_;
  jpeg_decompress_struct& info_ = state_.Info;
  ErrorManager& errors_ = state_.Errors;
  uint8_t* rows_ = nullptr;
  std::size_t stride_ = 0;
};

bool IsCmyk(J_COLOR_SPACE space) {
  return space == JCS_CMYK || space == JCS_YCCK;
}

// Four-byte CMYK rows to three-byte RGB in the same buffer. Adobe writes the
// inks inverted, so there a high value means little ink.
void CmykToRgb(std::vector<uint8_t>& pixels, std::size_t count, bool inverted) {
  for (std::size_t i = 0; i < count; ++i) {
    int c = pixels[i * 4], m = pixels[i * 4 + 1], y = pixels[i * 4 + 2], k = pixels[i * 4 + 3];
    if (!inverted) {
      c = 255 - c;
      m = 255 - m;
      y = 255 - y;
      k = 255 - k;
    }
    pixels[i * 3] = static_cast<uint8_t>(c * k / 255);
    pixels[i * 3 + 1] = static_cast<uint8_t>(m * k / 255);
    pixels[i * 3 + 2] = static_cast<uint8_t>(y * k / 255);
  }
  pixels.resize(count * 3);
}

}  // namespace

TJpegSize QuarterScaleSize(std::string_view jpeg) {
  Decompressor decompressor(jpeg);
  decompressor.Info().dct_method = JDCT_IFAST;
  decompressor.ComputeOutputSize(4);
  const auto& info = decompressor.Info();
  return {static_cast<int>(info.output_width), static_cast<int>(info.output_height)};
}

namespace {

constexpr unsigned kSmallestScaleDenominator = 8;

bool Covers(const jpeg_decompress_struct& info, TJpegSize cover) {
  // Fitted with its proportions kept, the picture fills the area in one
  // dimension: it covers the area once it reaches that dimension.
  return static_cast<int64_t>(info.output_width) >= cover.Width ||
         static_cast<int64_t>(info.output_height) >= cover.Height;
}

JpegError TooBigForPreview(const jpeg_decompress_struct& info) {
  std::array<char, 128> text{};
  std::snprintf(text.data(), text.size(),
                "Das Bild ist f\xFCr die Vorschau zu gro\xDF (%ux%u Pixel)", info.image_width,
                info.image_height);
  return JpegError(JERR_IMAGE_TOO_BIG, text.data());
}

// Decodes at 1/denominator, or at a smaller scale when that would exceed kMaxDisplayPixels.
TDecodedPicture DecodeAtScale(Decompressor& decompressor, unsigned denominator) {
  auto& info = decompressor.Info();
  const bool cmyk = IsCmyk(info.jpeg_color_space);
  info.out_color_space = cmyk ? JCS_CMYK : JCS_RGB;
  for (;; denominator *= 2) {
    decompressor.ComputeOutputSize(denominator);
    const int64_t pixels = int64_t{info.output_width} * info.output_height;
    if (pixels <= kMaxDisplayPixels) break;
    if (denominator >= kSmallestScaleDenominator) throw TooBigForPreview(info);
  }
  const int components = cmyk ? 4 : 3;
  // Refused before libjpeg allocates anything: a progressive frame header of
  // a few bytes may claim gigabytes of coefficients whatever the scale.
  if (DecodeBytes(info, components) > kMaxDecodeBytes) throw TooBigForPreview(info);
  TDecodedPicture picture;
  picture.Width = static_cast<int>(info.output_width);
  picture.Height = static_cast<int>(info.output_height);
  picture.Full = {static_cast<int>(info.image_width), static_cast<int>(info.image_height)};
  const std::size_t count = std::size_t{info.output_width} * info.output_height;
  picture.Pixels.assign(count * components, 0);
  decompressor.ReadRows(picture.Pixels.data(), std::size_t{info.output_width} * components);
  if (cmyk) CmykToRgb(picture.Pixels, count, info.saw_Adobe_marker != 0);
  return picture;
}

}  // namespace

TDecodedPicture DecodeForDisplay(std::string_view jpeg) {
  Decompressor decompressor(jpeg);
  return DecodeAtScale(decompressor, 1);
}

TDecodedPicture DecodeToCover(std::string_view jpeg, TJpegSize cover) {
  Decompressor decompressor(jpeg);
  unsigned denominator = kSmallestScaleDenominator;
  for (; denominator > 1; denominator /= 2) {
    decompressor.ComputeOutputSize(denominator);
    if (Covers(decompressor.Info(), cover)) break;
  }
  return DecodeAtScale(decompressor, denominator);
}

}  // namespace pixolyn
