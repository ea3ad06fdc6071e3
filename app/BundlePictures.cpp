#include "BundlePictures.h"

#include "ApplicationBundle.h"
#include "NilObjectException.h"
#include "Picture.h"

namespace {

std::shared_ptr<Picture> paypalPicture;
std::shared_ptr<Picture> calcPicture;

std::shared_ptr<Picture> LoadOnce(std::shared_ptr<Picture>& kept, const char* fileName) {
    if (kept) {
        return kept;
    }
    const auto resources = GetApplicationBundleResources();
    if (!resources) {
        return nullptr;
    }
    const auto file = resources->Child(fileName);
    kept = NotNil(file.get(), fileName)->OpenAsPicture();
    return kept;
}

} // namespace

std::shared_ptr<Picture> paypal() { return LoadOnce(paypalPicture, "paypal.gif"); }

std::shared_ptr<Picture> calc() { return LoadOnce(calcPicture, "calc.png"); }

void ReleaseBundlePictures() {
    paypalPicture.reset();
    calcPicture.reset();
}
