#pragma once
// A picture's position as a link to a map in the desktop's browser.

#include <QUrl>

#include "metadata/GpsPosition.h"

namespace pixolyn {

// OpenStreetMap at zoom 15 with a marker on position; degrees with six
// decimals and a point, whatever the user's number format.
QUrl OpenStreetMapUrl(const TGpsPosition& position);

}  // namespace pixolyn
