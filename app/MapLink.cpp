#include "app/MapLink.h"

#include <QString>

namespace pixolyn {

namespace {

QString SixDecimals(double degrees) {
  QString text = QString::number(degrees, 'f', 6);
  // A value that rounds to zero from below reads "-0.000000".
  if (text == QLatin1String("-0.000000")) text.remove(0, 1);
  return text;
}

}  // namespace

QUrl OpenStreetMapUrl(const TGpsPosition& position) {
  const QString lat = SixDecimals(position.Latitude);
  const QString lon = SixDecimals(position.Longitude);
  return QUrl(
      QStringLiteral("https://www.openstreetmap.org/?mlat=%1&mlon=%2#map=15/%1/%2").arg(lat, lon));
}

}  // namespace pixolyn
