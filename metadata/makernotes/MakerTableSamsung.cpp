// Samsung maker notes: the plain directory of its cameras and phones since about 2010.

#include "makernotes/MakerNoteTables.h"
#include "makernotes/StoredNames.h"

namespace pixolyn {

namespace {
// Words for the stored numbers of the tags below; a number without words shows as stored.
constexpr TValueName kDeviceTypeNames[] = {{0x1000, "Compact Digital Camera"},
                                           {0x2000, "High-end NX Camera"},
                                           {0x3000, "HXM Video Camera"},
                                           {0x12000, "Cell Phone"},
                                           {0x300000, "SMX Video Camera"}};
// Of the picture wizard's five numbers the first names the mode; the others are its settings.
constexpr TValueName kPictureWizardModeNames[] = {
    {0, "Standard"}, {1, "Vivid"},    {2, "Portrait"}, {3, "Landscape"}, {4, "Forest"},
    {5, "Retro"},    {6, "Cool"},     {7, "Calm"},     {8, "Classic"},   {9, "Custom1"},
    {10, "Custom2"}, {11, "Custom3"}, {255, "n/a"}};
constexpr TValueName kWhiteBalanceSetupNames[] = {{0, "Auto"}, {1, "Manual"}};
constexpr TValueName kOffOnNames[] = {{0, "Off"}, {1, "On"}};
constexpr TValueName kLensTypeNames[] = {{0, "Built-in or Manual Lens"},
                                         {1, "Samsung NX 30mm F2 Pancake"},
                                         {2, "Samsung NX 18-55mm F3.5-5.6 OIS"},
                                         {3, "Samsung NX 50-200mm F4-5.6 ED OIS"},
                                         {4, "Samsung NX 20-50mm F3.5-5.6 ED"},
                                         {5, "Samsung NX 20mm F2.8 Pancake"},
                                         {6, "Samsung NX 18-200mm F3.5-6.3 ED OIS"},
                                         {7, "Samsung NX 60mm F2.8 Macro ED OIS SSA"},
                                         {8, "Samsung NX 16mm F2.4 Pancake"},
                                         {9, "Samsung NX 85mm F1.4 ED SSA"},
                                         {10, "Samsung NX 45mm F1.8"},
                                         {11, "Samsung NX 45mm F1.8 2D/3D"},
                                         {12, "Samsung NX 12-24mm F4-5.6 ED"},
                                         {13, "Samsung NX 16-50mm F2-2.8 S ED OIS"},
                                         {14, "Samsung NX 10mm F3.5 Fisheye"},
                                         {15, "Samsung NX 16-50mm F3.5-5.6 Power Zoom ED OIS"},
                                         {20, "Samsung NX 50-150mm F2.8 S ED OIS"},
                                         {21, "Samsung NX 300mm F2.8 ED OIS"}};
}  // namespace

std::span<const TTagEntry> SamsungTagTable() {
  static const TTagEntry rows[] = {
      // clang-format off
      {.Tag = 0x0001, .Name = "MakerNoteVersion", .Label = "Maker Note Version"},
      {.Tag = 0x0002, .Name = "DeviceType", .Label = "Device Type", .Formatter = NameOrStored<kDeviceTypeNames>},
      {.Tag = 0x0021, .Name = "PictureWizardMode", .Label = "Picture Wizard Mode", .Formatter = NameOrStored<kPictureWizardModeNames>},
      {.Tag = 0x0041, .Name = "WhiteBalanceSetup", .Label = "White Balance Setup", .Formatter = NameOrStored<kWhiteBalanceSetupNames>},
      {.Tag = 0x0100, .Name = "FaceDetect", .Label = "Face Detect", .Formatter = NameOrStored<kOffOnNames>},
      {.Tag = 0xA001, .Name = "FirmwareName", .Label = "Firmware Name"},
      {.Tag = 0xA002, .Name = "SerialNumber", .Label = "Serial Number"},
      {.Tag = 0xA003, .Name = "LensType", .Label = "Lens Type", .Formatter = NameOrStored<kLensTypeNames>},
      {.Tag = 0xA004, .Name = "LensFirmware", .Label = "Lens Firmware"},
      {.Tag = 0xA005, .Name = "InternalLensSerialNumber", .Label = "Internal Lens Serial Number"},
      {.Tag = 0xA012, .Name = "SmartRange", .Label = "Smart Range", .Formatter = NameOrStored<kOffOnNames>},
      // clang-format on
  };
  return rows;
}

}  // namespace pixolyn
