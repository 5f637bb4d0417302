#pragma once

// The program's own pictures, read without the toolkit's image reader. That reader asks every installed image
// plugin whether it takes a file before its own PNG code does, and so loads them all (the SVG one brings the SVG
// library with it): about 3 ms and 0.7 MB at start-up, for five button glyphs and a window icon.
#include <QIcon>
#include <QImage>
#include <QString>

class QStyle;

namespace rorovovo::forms {

// The picture in a PNG file or resource; another format goes to the toolkit's reader. A name ending in "@2x"
// gives a picture of pixel ratio 2, as the toolkit reads it. Null when the file cannot be read.
QImage readPicture(const QString& path);

// The picture as an icon, with its "@2x" twin where a screen has more than one pixel to a point.
QIcon pictureIcon(const QString& path);

// The desktop's style, except that the pictures the toolkit's own controls make before they are ever shown (the
// menu bar's overflow arrow) are made when first drawn, since the style reads them with the toolkit's image reader.
QStyle* makeProgramStyle();

}  // namespace rorovovo::forms
