#pragma once

// The two pictures of the bundle's resources folder. Each is read on the
// first request that finds it and kept for the rest of the run; while its
// file is missing or unreadable every request answers null and tries again.

#include <memory>

class Picture;

// "paypal.gif", the face of the About window's donation button.
std::shared_ptr<Picture> paypal();
// "calc.png", the program picture of the About window.
std::shared_ptr<Picture> calc();

// Drops both pictures at the end of the run.
void ReleaseBundlePictures();
