#include "app/PictureLoad.h"

#include <QFileInfo>
#include <optional>

#include "app/AppText.h"
#include "app/Orientation.h"
#include "app/PictureFile.h"
#include "metadata/ImageData.h"

namespace pixolyn {

namespace {

constexpr const char* kJpegError = "JPEG-Fehler #%d";
constexpr const char* kCannotOpen =
    "Datei %s kann nicht ge\xF6"
    "ffnet werden. %s";

QString FileName(const std::string& path) {
  return QFileInfo(FromNative(path)).fileName();
}

}  // namespace

TLoadedPicture LoadPictureForWindow(const std::string& path, TJpegSize cover,
                                    const RegionalSettings& regional) {
  TLoadedPicture loaded;
  std::optional<TDecodedPicture> decoded;
  try {
    auto bytes = std::make_shared<const std::string>(ReadPictureFile(path));
    loaded.Quarter = QuarterScaleSize(*bytes);
    decoded = DecodeToCover(*bytes, cover);
    loaded.Jpeg = std::move(bytes);
  } catch (const FileOpenError& error) {
    const QString text = FormatMessage(
        kCannotOpen, {FromNative(error.Path()), QString::fromLocal8Bit(error.SystemText())});
    loaded.Failure = text + QLatin1Char('\n') + FileName(path);
    loaded.FailureLine = text;
    loaded.Unreadable = true;
  } catch (const JpegError& error) {
    const QString code = FormatMessage(kJpegError, {QString::number(error.Code())});
    const QString text = FromCp1252(error.Text());
    loaded.Failure = code + QLatin1Char('\n') + FileName(path) + QLatin1Char('\n') + text;
    loaded.FailureLine =
        code + QStringLiteral(": ") + text + QStringLiteral("   ") + FromNative(path);
  }
  // The metadata come from the engine whatever became of the image data. The
  // record lives only for this call: the window keeps none between selections.
  std::unique_ptr<TImgData> record;
  LoadMetaInfo(path, record, regional);
  loaded.Orientation = OrientationOf(record.get());
  if (decoded) loaded.Display = MakeUpright(std::move(*decoded), loaded.Orientation, cover);
  ShowMetaInfo(loaded.Table, record.get(), loaded.SectionRows);
  loaded.Position = GpsPositionOf(record ? record->ExifInfo.get() : nullptr);
  if (record) record->ResetImage();
  return loaded;
}

}  // namespace pixolyn
