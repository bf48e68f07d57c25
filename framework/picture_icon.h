#pragma once

#include <QIcon>
#include <QString>

namespace fw {

// An icon of a picture file (SVG), for ResourceFork::GetIcon. The picture is parsed
// when first needed and drawn once for each size that it is shown at. The folder may
// hold the same picture already drawn at fixed sizes, "<n>.png" drawn to fit n by n
// pixels: those sizes are the icon's available sizes and are read from their files,
// without parsing the picture; every other size is drawn from the picture. An empty
// folder name: no such sizes.
QIcon pictureIcon(QString picturePath, QString sizesFolder);

} // namespace fw
