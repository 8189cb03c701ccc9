#include "xmp/XmpNamespaces.h"

#include <array>
#include <utility>

namespace pixolyn {

namespace {
constexpr std::array<std::pair<std::string_view, std::string_view>, 50> kPrefixes = {{
    {"http://purl.org/dc/elements/1.1/", "dc"},
    {"http://ns.adobe.com/xap/1.0/", "xmp"},
    {"http://ns.adobe.com/xap/1.0/rights/", "xmpRights"},
    {"http://ns.adobe.com/xap/1.0/mm/", "xmpMM"},
    {"http://ns.adobe.com/xmp/note/", "xmpNote"},
    {"http://ns.adobe.com/xap/1.0/bj/", "xmpBJ"},
    {"http://ns.adobe.com/xap/1.0/t/pg/", "xmpTPg"},
    {"http://ns.adobe.com/xmp/1.0/DynamicMedia/", "xmpDM"},
    {"http://ns.adobe.com/xap/1.0/g/", "xmpG"},
    {"http://ns.adobe.com/xap/1.0/g/img/", "xmpGImg"},
    {"http://ns.adobe.com/xmp/Identifier/qual/1.0/", "xmpidq"},
    {"http://ns.adobe.com/photoshop/1.0/", "photoshop"},
    {"http://iptc.org/std/Iptc4xmpCore/1.0/xmlns/", "Iptc4xmpCore"},
    {"http://iptc.org/std/Iptc4xmpExt/2008-02-29/", "Iptc4xmpExt"},
    {"http://ns.adobe.com/lightroom/1.0/", "lr"},
    {"http://ns.adobe.com/camera-raw-settings/1.0/", "crs"},
    {"http://ns.adobe.com/camera-raw-saved-settings/1.0/", "crss"},
    {"http://www.metadataworkinggroup.com/schemas/regions/", "mwg-rs"},
    {"http://www.metadataworkinggroup.com/schemas/keywords/", "mwg-kw"},
    {"http://www.metadataworkinggroup.com/schemas/collections/", "mwg-coll"},
    {"http://ns.adobe.com/xmp/sType/Area#", "stArea"},
    {"http://ns.adobe.com/xap/1.0/sType/Dimensions#", "stDim"},
    {"http://ns.adobe.com/xap/1.0/sType/ResourceEvent#", "stEvt"},
    {"http://ns.adobe.com/xap/1.0/sType/ResourceRef#", "stRef"},
    {"http://ns.adobe.com/xap/1.0/sType/Version#", "stVer"},
    {"http://ns.adobe.com/xap/1.0/sType/Job#", "stJob"},
    {"http://ns.adobe.com/exif/1.0/", "exif"},
    {"http://cipa.jp/exif/1.0/", "exifEX"},
    {"http://ns.adobe.com/tiff/1.0/", "tiff"},
    {"http://ns.adobe.com/exif/1.0/aux/", "aux"},
    {"http://ns.adobe.com/pdf/1.3/", "pdf"},
    {"http://ns.useplus.org/ldf/xmp/1.0/", "plus"},
    {"http://ns.google.com/photos/1.0/panorama/", "GPano"},
    {"http://ns.google.com/photos/1.0/camera/", "GCamera"},
    {"http://ns.google.com/photos/1.0/depthmap/", "GDepth"},
    {"http://ns.google.com/photos/1.0/image/", "GImage"},
    {"http://ns.google.com/photos/1.0/audio/", "GAudio"},
    {"http://ns.google.com/photos/1.0/focus/", "GFocus"},
    {"http://ns.google.com/photos/1.0/container/", "Container"},
    {"http://ns.google.com/photos/1.0/container/item/", "Item"},
    {"http://ns.adobe.com/hdr-gain-map/1.0/", "hdrgm"},
    {"http://ns.microsoft.com/photo/1.0/", "MicrosoftPhoto"},
    {"http://ns.microsoft.com/photo/1.2/", "MP"},
    {"http://ns.microsoft.com/photo/1.2/t/RegionInfo#", "MPRI"},
    {"http://ns.microsoft.com/photo/1.2/t/Region#", "MPReg"},
    {"http://www.digikam.org/ns/1.0/", "digiKam"},
    {"http://darktable.sf.net/", "darktable"},
    {"http://ns.camerabits.com/photomechanic/1.0/", "photomechanic"},
    {"http://ns.apple.com/faceinfo/1.0/", "apple-fi"},
    {"http://ns.adobe.com/xap/1.0/sType/Font#", "stFnt"},
}};
}  // namespace

std::string_view UsualXmpPrefix(std::string_view uri) {
  for (const auto& [known, prefix] : kPrefixes) {
    if (known == uri) return prefix;
  }
  return {};
}

}  // namespace pixolyn
