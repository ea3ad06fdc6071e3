#include "BundlePictures.h"
#include "ExecutableFileSeam.h"
#include "Picture.h"
#include "PictureImpl.h"
#include "TempBundle.h"

#include <gtest/gtest.h>

#include <memory>
#include <set>

namespace {

class BundlePicturesTest : public ::testing::Test {
protected:
    void TearDown() override { ReleaseBundlePictures(); }
};

using Loader = std::shared_ptr<Picture> (*)();

const struct {
    const char* name;
    Loader load;
    const char* file;
} kPictures[] = {
    {"paypal", &paypal, "paypal.gif"},
    {"calc", &calc, "calc.png"},
};

TEST_F(BundlePicturesTest, EachPictureIsReadOnceAndKeptWhenItsFileGoes) {
    for (const auto& picture : kPictures) {
        TempBundle bundle;
        bundle.Put(picture.file);
        const auto first = picture.load();
        ASSERT_NE(first, nullptr) << picture.name;
        bundle.Remove(picture.file);
        EXPECT_EQ(picture.load(), first) << picture.name;
        ReleaseBundlePictures();
    }
}

TEST_F(BundlePicturesTest, AMissingOrDamagedPictureIsAskedForAgainUntilItReads) {
    const struct {
        const char* name;
        void (*spoil)(const TempBundle&, const QString& file);
    } faults[] = {
        {"FileMissing", [](const TempBundle&, const QString&) {}},
        {"FileDamaged", [](const TempBundle& b, const QString& file) { b.PutDamaged(file); }},
        {"NoResourcesFolder", [](const TempBundle& b, const QString&) { b.RemoveResources(); }},
    };
    for (const auto& fault : faults) {
        for (const auto& picture : kPictures) {
            TempBundle bundle;
            fault.spoil(bundle, picture.file);
            EXPECT_EQ(picture.load(), nullptr) << fault.name << " " << picture.name;
            EXPECT_EQ(picture.load(), nullptr) << fault.name << " " << picture.name;
            if (fault.name == std::string("NoResourcesFolder")) {
                continue;
            }
            bundle.Put(picture.file);
            EXPECT_NE(picture.load(), nullptr) << fault.name << " " << picture.name;
            ReleaseBundlePictures();
        }
    }
}

TEST_F(BundlePicturesTest, ThePicturesAreIndependent) {
    TempBundle bundle;
    bundle.Put("calc.png");
    EXPECT_NE(calc(), nullptr);
    EXPECT_EQ(paypal(), nullptr);
    bundle.Remove("calc.png");
    bundle.Put("paypal.gif");
    EXPECT_NE(paypal(), nullptr);
    EXPECT_NE(calc(), nullptr);
}

// The program's own bundle, found beside its executable as the program finds
// it: the calculator picture fills the canvas, the button face fits its
// button with room for the bevel.
TEST_F(BundlePicturesTest, TheBuiltBundleHoldsBothPicturesInTheirSizes) {
    SetExecutableFileForTesting(LUMADEX_BUNDLE_DIR "/bin/lumaDex");
    const auto picture = calc();
    const auto face = paypal();
    SetExecutableFileForTesting("");
    ASSERT_NE(picture, nullptr);
    ASSERT_NE(face, nullptr);
    EXPECT_EQ(picture->Impl().image.width(), 256);
    EXPECT_EQ(picture->Impl().image.height(), 256);
    EXPECT_GT(face->Impl().image.width(), 300);
    EXPECT_LE(face->Impl().image.width(), 395 - 4);
    EXPECT_GT(face->Impl().image.height(), 20);
    EXPECT_LE(face->Impl().image.height(), 42 - 4);

    // Our own GIF writer's output reads back as the drawing: a rounded face
    // with transparent corners, shaded and lettered in many colours.
    const QImage& image = face->Impl().image;
    EXPECT_EQ(image.pixelColor(0, 0).alpha(), 0);
    EXPECT_EQ(image.pixelColor(image.width() / 2, image.height() / 2).alpha(), 255);
    std::set<QRgb> colours;
    for (int x = 0; x < image.width(); ++x) {
        colours.insert(image.pixel(x, image.height() / 2));
    }
    EXPECT_GT(colours.size(), 10u);
}

} // namespace
