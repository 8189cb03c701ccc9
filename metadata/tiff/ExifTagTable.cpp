// Dictionary of the tags of the main image directory and of the Exif and
// interoperability sub-directories. Lookups scan it in this order.

#include <array>

#include "tiff/ExifDictionary.h"
#include "tiff/ExifFormatters.h"

namespace pixolyn {

namespace {
// Words for the stored numbers of the tags below.
constexpr TValueName kCompressionNames[] = {{6, "Jpeg"}, {1, "TIFF"}};
constexpr TValueName kPhotometricInterpretationNames[] = {
    {1, "Monochrome"}, {2, "RGB"}, {6, "YCbCr"}};
constexpr TValueName kOrientationNames[] = {
    {1, "Normal"}, {3, "Rotated 180\xB0"}, {6, "CounterClockwise 90\xB0"}, {8, "Clockwise 90\xB0"}};
constexpr TValueName kResolutionUnitNames[] = {
    {1, "None Specified"}, {2, "Inch"}, {3, "Centimeter"}};
constexpr TValueName kYCbCrPositioningNames[] = {{1, "Centered"}, {2, "Co-sited"}};
constexpr TValueName kExposureProgramNames[] = {
    {0, "Unidentified"},       {1, "Manual"},           {2, "Normal"},
    {3, "Aperture priority"},  {4, "Shutter priority"}, {5, "Creative(slow)"},
    {6, "Action(high-speed)"}, {7, "Portrait mode"},    {8, "Landscape mode"}};
constexpr TValueName kMeteringModeNames[] = {{0, "Unknown"}, {1, "Average"},   {2, "Center"},
                                             {3, "Spot"},    {4, "MultiSpot"}, {5, "MultiSegment"},
                                             {6, "Partial"}};
constexpr TValueName kLightSourceNames[] = {
    {0, "Unidentified"}, {1, "Daylight"}, {2, "Fluorescent"}, {3, "Tungsten"},
    {10, "Flash"},       {17, "Std A"},   {18, "Std B"},      {19, "Std C"}};
constexpr TValueName kColorSpaceNames[] = {{0, "sBW"}, {1, "sRGB"}};
constexpr TValueName kSensingMethodNames[] = {
    {0, "Unknown"},          {1, "MonochromeArea"},     {2, "OneChipColorArea"},
    {3, "TwoChipColorArea"}, {4, "ThreeChipColorArea"}, {5, "ColorSequentialArea"},
    {6, "MonochromeLinear"}, {7, "TriLinear"},          {8, "ColorSequentialLinear"}};
constexpr TValueName kFileSourceNames[] = {{0, "DSC"}, {1, "Unknown"}};
constexpr TValueName kCustomRenderedNames[] = {{0, "Normal process"}, {1, "Custom process"}};
constexpr TValueName kExposureModeNames[] = {{0, "Auto"}, {1, "Manual"}, {2, "Auto bracket"}};
constexpr TValueName kWhiteBalanceNames[] = {{0, "Auto"}, {1, "Manual"}};
constexpr TValueName kSceneCaptureTypeNames[] = {
    {0, "Standard"}, {1, "Landscape"}, {2, "Portrait"}, {3, "Night scene"}};
constexpr TValueName kGainControlNames[] = {{0, "None"},
                                            {1, "Low gain up"},
                                            {2, "High gain up"},
                                            {3, "Low gain down"},
                                            {4, "High gain down"}};
constexpr TValueName kContrastNames[] = {{0, "Normal"}, {1, "Soft"}, {2, "Hard"}};
constexpr TValueName kSaturationNames[] = {{0, "Normal"}, {1, "Low"}, {2, "High"}};
constexpr TValueName kSubjectDistanceRangeNames[] = {
    {0, "Unknown"}, {1, "Macro"}, {2, "Close view"}, {3, "Distant view"}};
}  // namespace

std::span<const TTagEntry> ExifTagTable() {
  // clang-format off
  static const std::array<TTagEntry, 121> table = {{
      {.Tag = 0x0001, .Name = "InteroperabilityIndex", .Label = "Interoperabilt\xE4s-Index"},
      {.Tag = 0x0002, .Name = "InteroperabilityVersion", .Label = "Interoperabilt\xE4s-Version"},
      {.Tag = 0x00FE, .Name = "NewSubfileType", .Label = "Neuer Typ der Unterdatei"},
      {.Tag = 0x00FF, .Name = "SubfileType", .Label = "Typ der Unterdatei"},
      {.Tag = 0x0100, .Name = "ImageWidth", .Label = "Bildbreite"},
      {.Tag = 0x0101, .Name = "ImageLength", .Label = "Bildh\xF6he"},
      {.Tag = 0x0102, .Name = "BitsPerSample", .Label = "Bits pro Messung"},
      {.Tag = 0x0103, .Name = "Compression", .Label = "Kompression", .ValueMap = kCompressionNames},
      {.Tag = 0x0106, .Name = "PhotometricInterpretation", .Label = "Photometrik             ", .ValueMap = kPhotometricInterpretationNames},
      {.Tag = 0x010A, .Name = "FillOrder", .Label = "FillOrder"},
      {.Tag = 0x010D, .Name = "DocumentName", .Label = "Dokumentname"},
      {.Tag = 0x010E, .Name = "ImageDescription", .Label = "Bildbeschreibung"},
      {.Tag = 0x010F, .Name = "Make", .Label = "Kamerahersteller"},
      {.Tag = 0x0110, .Name = "Model", .Label = "Kameramodell"},
      {.Tag = 0x0111, .Name = "StripOffsets", .Label = "StripOffsets"},
      {.Tag = 0x0112, .Name = "Orientation", .Label = "Ausrichtung", .ValueMap = kOrientationNames},
      {.Tag = 0x0115, .Name = "SamplesPerPixel", .Label = "Messungen/Pixel"},
      {.Tag = 0x0116, .Name = "RowsPerStrip", .Label = "RowsPerStrip"},
      {.Tag = 0x0117, .Name = "StripByteCounts", .Label = "StripByteCounts"},
      {.Tag = 0x011A, .Name = "XResolution", .Label = "Bilddichte horizontal", .FormatPattern = "%5.2f"},
      {.Tag = 0x011B, .Name = "YResolution", .Label = "Bilddichte vertikal", .FormatPattern = "%5.2f"},
      {.Tag = 0x011C, .Name = "PlanarConfiguration", .Label = "Planarkonfiguration"},
      {.Tag = 0x0128, .Name = "ResolutionUnit", .Label = "Ma\xDF" "einheit", .ValueMap = kResolutionUnitNames},
      {.Tag = 0x012D, .Name = "TransferFunction", .Label = "Transferfunktion"},
      {.Tag = 0x0131, .Name = "Software", .Label = "Software"},
      {.Tag = 0x0132, .Name = "DateTime", .Label = "Datum/Uhrzeit"},
      {.Tag = 0x013B, .Name = "Artist", .Label = "Fotograf"},
      {.Tag = 0x013D, .Name = "Predictor", .Label = "Predictor"},
      {.Tag = 0x013E, .Name = "WhitePoint", .Label = "WhitePoint"},
      {.Tag = 0x013F, .Name = "PrimaryChromaticities", .Label = "PrimaryChromaticities"},
      {.Tag = 0x0142, .Name = "TileWidth", .Label = "TileWidth"},
      {.Tag = 0x0143, .Name = "TileLength", .Label = "TileLength"},
      {.Tag = 0x0144, .Name = "TileOffsets", .Label = "TileOffsets"},
      {.Tag = 0x0145, .Name = "TileByteCounts", .Label = "TileByteCounts"},
      {.Tag = 0x014A, .Name = "SubIFDs", .Label = "SubIFDs"},
      {.Tag = 0x015B, .Name = "JPEGTables", .Label = "JPEG-Tabellen"},
      {.Tag = 0x0156, .Name = "TransferRange", .Label = "TransferRange"},
      {.Tag = 0x0200, .Name = "JPEGProc", .Label = "JPEGProc"},
      {.Tag = 0x0201, .Name = "JPEGInterchangeFormat", .Label = "JPEGInterchangeFormat"},
      {.Tag = 0x0202, .Name = "JPEGInterchangeFormatLength", .Label = "JPEGInterchangeFormatLength"},
      {.Tag = 0x0211, .Name = "YCbCrCoefficients", .Label = "YCbCrCoefficients"},
      {.Tag = 0x0212, .Name = "YCbCrSubSampling", .Label = "YCbCrSubSampling"},
      {.Tag = 0x0213, .Name = "YCbCrPositioning", .Label = "YCbCr-Positioniserung", .ValueMap = kYCbCrPositioningNames},
      {.Tag = 0x0214, .Name = "ReferenceBlackWhite", .Label = "ReferenceBlackWhite"},
      {.Tag = 0x1001, .Name = "Related Image Width", .Label = "relative Bildbreite"},
      {.Tag = 0x1002, .Name = "Related Image Height", .Label = "relative Bildh\xF6he"},
      {.Tag = 0x828D, .Name = "CFARepeatPatternDim", .Label = "CFARepeatPatternDim"},
      {.Tag = 0x828E, .Name = "CFAPattern", .Label = "CFAPattern"},
      {.Tag = 0x828F, .Name = "BatteryLevel", .Label = "Batteriestatus"},
      {.Tag = 0x8298, .Name = "Copyright", .Label = "Copyright"},
      {.Tag = 0x829A, .Name = "ExposureTime", .Label = "Belichtungszeit", .FormatPattern = "%s sec"},
      {.Tag = 0x829D, .Name = "FNumber", .Label = "Blende", .FormatPattern = "F%0.1f"},
      {.Tag = 0x83BB, .Name = "IPTC/NAA", .Label = "IPTC/NAA"},
      {.Tag = 0x8769, .Name = "ExifOffset", .Label = "EXIF-Offset"},
      {.Tag = 0x8773, .Name = "InterColorProfile", .Label = "InterColorProfile"},
      {.Tag = 0x8822, .Name = "ExposureProgram", .Label = "ExposureProgram", .ValueMap = kExposureProgramNames},
      {.Tag = 0x8824, .Name = "SpectralSensitivity", .Label = "Spektralempfindlichkeit"},
      {.Tag = 0x8825, .Name = "GPSInfo", .Label = "GPS-Info"},
      {.Tag = 0x8827, .Name = "ISOSpeedRatings", .Label = "ISO-Speedratings"},
      {.Tag = 0x8828, .Name = "OECF", .Label = "OECF"},
      {.Tag = 0x8829, .Name = "Interlace", .Label = "Interlace"},
      {.Tag = 0x882A, .Name = "TimeZoneOffset", .Label = "Zeitzonenoffset"},
      {.Tag = 0x882B, .Name = "SelfTimerMode", .Label = "Selbstausl\xF6sermodus"},
      {.Tag = 0x9000, .Name = "ExifVersion", .Label = "EXIF-Version"},
      {.Tag = 0x9003, .Name = "DateTimeOriginal", .Label = "Datum/Uhrzeit (\xC4nderung)"},
      {.Tag = 0x9004, .Name = "DateTimeDigitized", .Label = "Datum/Uhrzeit (Aufnahme)"},
      {.Tag = 0x9101, .Name = "ComponentsConfiguration", .Label = "Komponentenkonfiguration", .Formatter = FormatComponents},
      {.Tag = 0x9102, .Name = "CompressedBitsPerPixel", .Label = "BPP-Komprimierung"},
      {.Tag = 0x9201, .Name = "ShutterSpeedValue", .Label = "Verschlu\xDFzeit", .Formatter = FormatShutterSpeed},
      {.Tag = 0x9202, .Name = "ApertureValue", .Label = "Blenden\xF6" "ffnung", .Formatter = FormatAperture},
      {.Tag = 0x9203, .Name = "BrightnessValue", .Label = "Belichtungswert"},
      {.Tag = 0x9204, .Name = "ExposureBiasValue", .Label = "BIAS-Belichtungswert"},
      {.Tag = 0x9205, .Name = "MaxApertureValue", .Label = "max. Blenden\xF6" "ffnung", .Formatter = FormatAperture},
      {.Tag = 0x9206, .Name = "SubjectDistance", .Label = "Motivdistanz"},
      {.Tag = 0x9207, .Name = "MeteringMode", .Label = "Belichtungsmessung", .ValueMap = kMeteringModeNames},
      {.Tag = 0x9208, .Name = "LightSource", .Label = "Lichtquelle", .ValueMap = kLightSourceNames},
      {.Tag = 0x9209, .Name = "Flash", .Label = "Blitzeinstellung", .Formatter = FormatFlash},
      {.Tag = 0x920A, .Name = "FocalLength", .Label = "Brennweite", .FormatPattern = "%5.2f mm"},
      {.Tag = 0x920B, .Name = "FlashEnergy", .Label = "Blitzlichtenergie"},
      {.Tag = 0x920C, .Name = "SpatialFrequencyResponse", .Label = "SpatialFrequencyResponse"},
      {.Tag = 0x920D, .Name = "Noise", .Label = "Noise"},
      {.Tag = 0x9211, .Name = "ImageNumber", .Label = "Bildnummer"},
      {.Tag = 0x9212, .Name = "SecurityClassification", .Label = "Sicherheitsstufe"},
      {.Tag = 0x9213, .Name = "ImageHistory", .Label = "ImageHistory"},
      {.Tag = 0x9214, .Name = "SubjectLocation", .Label = "SubjectLocation"},
      {.Tag = 0x9215, .Name = "ExposureIndex", .Label = "ExposureIndex"},
      {.Tag = 0x9216, .Name = "TIFF/EPStandardID", .Label = "TIFF/EP-Standardkennung"},
      {.Tag = 0x927C, .Name = "MakerNote", .Label = "Herstellerhinweis"},
      {.Tag = 0x9286, .Name = "UserComment", .Label = "Benutzerkommentar"},
      {.Tag = 0x9290, .Name = "SubSecTime", .Label = "SubSecTime"},
      {.Tag = 0x9291, .Name = "SubSecTimeOriginal", .Label = "SubSecTimeOriginal"},
      {.Tag = 0x9292, .Name = "SubSecTimeDigitized", .Label = "SubSecTimeDigitized"},
      {.Tag = 0xA000, .Name = "FlashPixVersion", .Label = "Flashpix-Version"},
      {.Tag = 0xA001, .Name = "ColorSpace", .Label = "Farbbereich", .ValueMap = kColorSpaceNames},
      {.Tag = 0xA002, .Name = "ExifImageWidth", .Label = "Bildbreite in Pixel"},
      {.Tag = 0xA003, .Name = "ExifImageLength", .Label = "Bildh\xF6he in Pixel"},
      {.Tag = 0xA005, .Name = "InteroperabilityOffset", .Label = "Interoperabilt\xE4s-Offset"},
      {.Tag = 0xA20B, .Name = "FlashEnergy", .Label = "Blitzenergie"},
      {.Tag = 0xA20C, .Name = "SpatialFrequencyResponse", .Label = "Spatialfrequenz"},
      {.Tag = 0xA20E, .Name = "FocalPlaneXResolution", .Label = "CCD X-Aufl\xF6sung"},
      {.Tag = 0xA20F, .Name = "FocalPlaneYResolution", .Label = "CCD Y-Aufl\xF6sung"},
      {.Tag = 0xA210, .Name = "FocalPlaneResolutionUnit", .Label = "Einheit f\xFCr CCD-Aufl\xF6sung", .ValueMap = kResolutionUnitNames},
      {.Tag = 0xA214, .Name = "SubjectLocation", .Label = "Subject-Location"},
      {.Tag = 0xA215, .Name = "ExposureIndex", .Label = "ExposureIndex"},
      {.Tag = 0xA217, .Name = "SensingMethod", .Label = "Sensortyp", .ValueMap = kSensingMethodNames},
      {.Tag = 0xA300, .Name = "FileSource", .Label = "Dateiquelle", .ValueMap = kFileSourceNames},
      {.Tag = 0xA301, .Name = "SceneType", .Label = "Szenentyp"},
      {.Tag = 0xA401, .Name = "CustomRendered", .Label = "Bildverarbeitung", .ValueMap = kCustomRenderedNames},
      {.Tag = 0xA402, .Name = "ExposureMode", .Label = "Belichtungsmessung", .ValueMap = kExposureModeNames},
      {.Tag = 0xA403, .Name = "WhiteBalance", .Label = "Wei\xDF" "abgleich", .ValueMap = kWhiteBalanceNames},
      {.Tag = 0xA404, .Name = "DigitalZoomRatio", .Label = "Digitalzoomverh\xE4ltnis"},
      {.Tag = 0xA405, .Name = "FocalLengthin35mmFilm", .Label = "Brennweite (35mm)", .FormatPattern = "%5.2f mm"},
      {.Tag = 0xA406, .Name = "SceneCaptureType", .Label = "Programmeinstellung", .ValueMap = kSceneCaptureTypeNames},
      {.Tag = 0xA407, .Name = "GainControl", .Label = "Gain Control", .ValueMap = kGainControlNames},
      {.Tag = 0xA408, .Name = "Contrast", .Label = "Kontrast", .ValueMap = kContrastNames},
      {.Tag = 0xA409, .Name = "Saturation", .Label = "Farbs\xE4ttigung", .ValueMap = kSaturationNames},
      {.Tag = 0xA40A, .Name = "Sharpness", .Label = "Sch\xE4rfe", .ValueMap = kContrastNames},
      {.Tag = 0xA40B, .Name = "DeviceSettingDescription", .Label = "Device Settings Description"},
      {.Tag = 0xA40C, .Name = "SubjectDistanceRange", .Label = "Motiventfernungsbereich", .ValueMap = kSubjectDistanceRangeNames},
      {.Tag = 0xA420, .Name = "ImageUniqueID", .Label = "Unique Image ID"},
      {.Tag = 0x0000, .Name = "Unknown", .Label = "Unbekannt"},
  }};
  // clang-format on
  return table;
}

}  // namespace pixolyn
